// Key events to key codes, following the classic PC convention that DOS
// programs and the C runtime's console key read use: a key with a character
// gives that character; a key without one gives a prefix and an extended code,
// 0xE0 for the gray cursor block and F11/F12, 0 for the rest.
#include "platform/key_event.h"

#include <cstddef>

namespace {

struct Codes {
  unsigned char count;
  unsigned char first;
  unsigned char second;
};

constexpr Codes kNone{0, 0, 0};
constexpr Codes Char(unsigned char c) { return {1, c, 0}; }
constexpr Codes Ext(unsigned char code) { return {2, 0x00, code}; }
constexpr Codes Gray(unsigned char code) { return {2, 0xE0, code}; }

struct Row {
  std::uint16_t scan_code;
  bool enhanced;
  Codes plain, shift, ctrl, alt;
};

// Keys whose codes do not follow from the scan code alone. The character forms
// (Escape, Backspace, Tab, Enter) only apply when the event carries no
// character, as some consoles deliver Escape.
constexpr Row kRows[] = {
    {0x01, false, Char(0x1B), Char(0x1B), Char(0x1B), Ext(0x01)},  // Escape
    {0x03, false, kNone, kNone, Ext(0x03), Ext(0x79)},             // 2: Ctrl+2 is NUL
    {0x0E, false, Char(0x08), Char(0x08), Char(0x7F), Ext(0x0E)},  // Backspace
    {0x0F, false, Char(0x09), Ext(0x0F), Ext(0x94), Ext(0xA5)},    // Tab
    {0x1C, false, Char(0x0D), Char(0x0D), Char(0x0A), Ext(0x1C)},  // Enter
    {0x1C, true, Char(0x0D), Char(0x0D), Char(0x0A), Ext(0xA6)},   // keypad Enter
    {0x35, true, kNone, kNone, Ext(0x95), Ext(0xA4)},              // keypad /
    {0x37, false, kNone, kNone, Ext(0x96), Ext(0x37)},             // keypad *
    {0x4A, false, kNone, kNone, Ext(0x8E), Ext(0x4A)},             // keypad -
    {0x4E, false, kNone, kNone, Ext(0x90), Ext(0x4E)},             // keypad +
    // Keypad cursor keys with Num Lock off. Alt with a keypad key enters a
    // character code, so the Alt forms yield nothing of their own.
    {0x47, false, Ext(0x47), Ext(0x47), Ext(0x77), kNone},  // Home
    {0x48, false, Ext(0x48), Ext(0x48), Ext(0x8D), kNone},  // Up
    {0x49, false, Ext(0x49), Ext(0x49), Ext(0x84), kNone},  // Page Up
    {0x4B, false, Ext(0x4B), Ext(0x4B), Ext(0x73), kNone},  // Left
    {0x4C, false, Ext(0x4C), Ext(0x4C), Ext(0x8F), kNone},  // keypad 5
    {0x4D, false, Ext(0x4D), Ext(0x4D), Ext(0x74), kNone},  // Right
    {0x4F, false, Ext(0x4F), Ext(0x4F), Ext(0x75), kNone},  // End
    {0x50, false, Ext(0x50), Ext(0x50), Ext(0x91), kNone},  // Down
    {0x51, false, Ext(0x51), Ext(0x51), Ext(0x76), kNone},  // Page Down
    {0x52, false, Ext(0x52), Ext(0x52), Ext(0x92), kNone},  // Insert
    {0x53, false, Ext(0x53), Ext(0x53), Ext(0x93), kNone},  // Delete
    // The gray cursor block, marked enhanced by the console.
    {0x47, true, Gray(0x47), Gray(0x47), Gray(0x77), Ext(0x97)},    // Home
    {0x48, true, Gray(0x48), Gray(0x48), Gray(0x8D), Ext(0x98)},    // Up
    {0x49, true, Gray(0x49), Gray(0x49), Gray(0x84), Ext(0x99)},    // Page Up
    {0x4B, true, Gray(0x4B), Gray(0x4B), Gray(0x73), Ext(0x9B)},    // Left
    {0x4D, true, Gray(0x4D), Gray(0x4D), Gray(0x74), Ext(0x9D)},    // Right
    {0x4F, true, Gray(0x4F), Gray(0x4F), Gray(0x75), Ext(0x9F)},    // End
    {0x50, true, Gray(0x50), Gray(0x50), Gray(0x91), Ext(0xA0)},    // Down
    {0x51, true, Gray(0x51), Gray(0x51), Gray(0x76), Ext(0xA1)},    // Page Down
    {0x52, true, Gray(0x52), Gray(0x52), Gray(0x92), Ext(0xA2)},    // Insert
    {0x53, true, Gray(0x53), Gray(0x53), Gray(0x93), Ext(0xA3)},    // Delete
    {0x57, false, Gray(0x85), Gray(0x87), Gray(0x89), Gray(0x8B)},  // F11
    {0x58, false, Gray(0x86), Gray(0x88), Gray(0x8A), Gray(0x8C)},  // F12
};

enum class Modifier { Plain, Shift, Ctrl, Alt };

// Alt wins over Ctrl, and Ctrl over Shift, as in the classic key tables.
Modifier ModifierOf(std::uint32_t state) {
  if (state & (kLeftAlt | kRightAlt)) return Modifier::Alt;
  if (state & (kLeftCtrl | kRightCtrl)) return Modifier::Ctrl;
  if (state & kShift) return Modifier::Shift;
  return Modifier::Plain;
}

Codes Pick(const Row& row, Modifier modifier) {
  switch (modifier) {
    case Modifier::Shift: return row.shift;
    case Modifier::Ctrl: return row.ctrl;
    case Modifier::Alt: return row.alt;
    case Modifier::Plain: break;
  }
  return row.plain;
}

// The keys that follow a rule: F1 to F10 in four runs, Alt with a digit or
// the row after it, and Alt with a letter or punctuation key of the main
// block, whose code is its own scan code.
Codes ByRule(std::uint16_t scan, bool enhanced, Modifier modifier) {
  if (enhanced) return kNone;
  if (scan >= 0x3B && scan <= 0x44) {
    const auto index = static_cast<unsigned char>(scan - 0x3B);
    switch (modifier) {
      case Modifier::Plain: return Ext(static_cast<unsigned char>(0x3B + index));
      case Modifier::Shift: return Ext(static_cast<unsigned char>(0x54 + index));
      case Modifier::Ctrl: return Ext(static_cast<unsigned char>(0x5E + index));
      case Modifier::Alt: return Ext(static_cast<unsigned char>(0x68 + index));
    }
  }
  if (modifier != Modifier::Alt) return kNone;
  if (scan >= 0x02 && scan <= 0x0D) return Ext(static_cast<unsigned char>(scan + 0x76));
  const bool main_block = (scan >= 0x10 && scan <= 0x1B) || (scan >= 0x1E && scan <= 0x29) ||
                          (scan >= 0x2B && scan <= 0x35);
  if (main_block) return Ext(static_cast<unsigned char>(scan));
  return kNone;
}

}  // namespace

KeyCodes TranslateKeyEvent(const KeyEvent& event) noexcept {
  KeyCodes result{0, {0, 0}};
  if (!event.key_down) return result;
  if (event.character != 0) {
    result.count = 1;
    result.codes[0] = event.character;
    return result;
  }
  const bool enhanced = (event.control_state & kEnhancedKey) != 0;
  const Modifier modifier = ModifierOf(event.control_state);
  Codes codes = ByRule(event.scan_code, enhanced, modifier);
  for (const Row& row : kRows) {
    if (row.scan_code == event.scan_code && row.enhanced == enhanced) {
      codes = Pick(row, modifier);
      break;
    }
  }
  result.count = codes.count;
  result.codes[0] = codes.first;
  result.codes[1] = codes.second;
  return result;
}
