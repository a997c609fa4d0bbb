// The step from one console key event to the codes ReadKey delivers. It is
// pure, so the table can be checked on any host; the Win32 console fills a
// KeyEvent from its INPUT_RECORD.
#pragma once

#include <cstdint>

// Control-key state bits, with the console's own values.
constexpr std::uint32_t kRightAlt = 0x0001;
constexpr std::uint32_t kLeftAlt = 0x0002;
constexpr std::uint32_t kRightCtrl = 0x0004;
constexpr std::uint32_t kLeftCtrl = 0x0008;
constexpr std::uint32_t kShift = 0x0010;
constexpr std::uint32_t kEnhancedKey = 0x0100;

struct KeyEvent {
  bool key_down;
  std::uint16_t virtual_key;
  std::uint16_t scan_code;
  unsigned char character;  // 0 when the key yields no character
  std::uint32_t control_state;
};

// Zero, one or two codes, delivered in order by successive reads.
struct KeyCodes {
  int count;
  unsigned char codes[2];
};

KeyCodes TranslateKeyEvent(const KeyEvent& event) noexcept;
