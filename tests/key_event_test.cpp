#include "platform/key_event.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct KeyCase {
  const char* name;
  KeyEvent event;
  std::vector<int> codes;
};

constexpr std::uint32_t kAlt = kLeftAlt;
constexpr std::uint32_t kCtrl = kLeftCtrl;
constexpr std::uint32_t kGray = kEnhancedKey;

KeyEvent Down(std::uint16_t vk, std::uint16_t scan, unsigned char c, std::uint32_t state = 0) {
  return KeyEvent{true, vk, scan, c, state};
}

const KeyCase kKeyCases[] = {
    // Nothing to deliver.
    {"Release", KeyEvent{false, 'Y', 0x15, 'y', 0}, {}},
    {"ShiftAlone", Down(0x10, 0x2A, 0, kShift), {}},
    {"CtrlAlone", Down(0x11, 0x1D, 0, kCtrl), {}},
    {"AltAlone", Down(0x12, 0x38, 0, kAlt), {}},
    {"CapsLockAlone", Down(0x14, 0x3A, 0), {}},
    {"NumLockAlone", Down(0x90, 0x45, 0, kGray), {}},
    {"WindowsKey", Down(0x5B, 0x5B, 0, kGray), {}},
    {"CtrlOneHasNoCode", Down('1', 0x02, 0, kCtrl), {}},
    // A character is delivered as typed, whatever modifier is held.
    {"LowerY", Down('Y', 0x15, 'y'), {'y'}},
    {"UpperY", Down('Y', 0x15, 'Y', kShift), {'Y'}},
    {"CtrlC", Down('C', 0x2E, 0x03, kCtrl), {0x03}},
    {"AltWithCharacter", Down('N', 0x31, 'n', kAlt), {'n'}},
    {"AltGrAt", Down('Q', 0x10, '@', kRightAlt | kCtrl), {'@'}},
    {"Enter", Down(0x0D, 0x1C, '\r'), {'\r'}},
    {"YDiaeresis", Down(0, 0x15, 0xFF), {0xFF}},
    {"KeypadSevenNumLockOn", Down(0x67, 0x47, '7'), {'7'}},
    // Keys some consoles deliver without their character.
    {"EscapeWithoutCharacter", Down(0x1B, 0x01, 0), {0x1B}},
    {"EnterWithoutCharacter", Down(0x0D, 0x1C, 0), {0x0D}},
    // Function keys.
    {"F1", Down(0x70, 0x3B, 0), {0x00, 59}},
    {"ShiftF1", Down(0x70, 0x3B, 0, kShift), {0x00, 84}},
    {"CtrlF1", Down(0x70, 0x3B, 0, kCtrl), {0x00, 94}},
    {"AltF1", Down(0x70, 0x3B, 0, kAlt), {0x00, 104}},
    {"AltF7", Down(0x76, 0x41, 0, kAlt), {0x00, 110}},
    {"F10", Down(0x79, 0x44, 0), {0x00, 68}},
    {"RightAltF10", Down(0x79, 0x44, 0, kRightAlt), {0x00, 113}},
    {"F11", Down(0x7A, 0x57, 0), {0xE0, 133}},
    {"ShiftF11", Down(0x7A, 0x57, 0, kShift), {0xE0, 135}},
    {"CtrlF12", Down(0x7B, 0x58, 0, kCtrl), {0xE0, 138}},
    {"AltF12", Down(0x7B, 0x58, 0, kAlt), {0xE0, 140}},
    // Cursor keys: the gray block is marked enhanced, the keypad is not.
    {"GrayUp", Down(0x26, 0x48, 0, kGray), {0xE0, 72}},
    {"KeypadUp", Down(0x26, 0x48, 0), {0x00, 72}},
    {"ShiftGrayUp", Down(0x26, 0x48, 0, kGray | kShift), {0xE0, 72}},
    {"CtrlGrayUp", Down(0x26, 0x48, 0, kGray | kCtrl), {0xE0, 141}},
    {"AltGrayUp", Down(0x26, 0x48, 0, kGray | kAlt), {0x00, 152}},
    {"GrayHome", Down(0x24, 0x47, 0, kGray), {0xE0, 71}},
    {"CtrlGrayPageUp", Down(0x21, 0x49, 0, kGray | kCtrl), {0xE0, 132}},
    {"GrayDelete", Down(0x2E, 0x53, 0, kGray), {0xE0, 83}},
    {"KeypadDelete", Down(0x2E, 0x53, 0), {0x00, 83}},
    {"CtrlKeypadEnd", Down(0x23, 0x4F, 0, kCtrl), {0x00, 117}},
    // Alt and Ctrl forms of the main block when no character comes with them.
    {"AltTwo", Down('2', 0x03, 0, kAlt), {0x00, 121}},
    {"AltZero", Down('0', 0x0B, 0, kAlt), {0x00, 129}},
    {"AltEquals", Down(0xBB, 0x0D, 0, kAlt), {0x00, 131}},
    {"CtrlTwo", Down('2', 0x03, 0, kCtrl), {0x00, 3}},
    {"AltQ", Down('Q', 0x10, 0, kAlt), {0x00, 16}},
    {"AltM", Down('M', 0x32, 0, kAlt), {0x00, 50}},
    {"AltSlash", Down(0xBF, 0x35, 0, kAlt), {0x00, 53}},
    {"ShiftTab", Down(0x09, 0x0F, 0, kShift), {0x00, 15}},
    {"CtrlTab", Down(0x09, 0x0F, 0, kCtrl), {0x00, 148}},
    {"AltKeypadSlash", Down(0x6F, 0x35, 0, kGray | kAlt), {0x00, 164}},
};

void PrintTo(const KeyCase& key, std::ostream* out) { *out << key.name; }

class TranslateKeyEventTest : public testing::TestWithParam<KeyCase> {};

TEST_P(TranslateKeyEventTest, DeliversTheClassicCodes) {
  const KeyCodes got = TranslateKeyEvent(GetParam().event);
  std::vector<int> codes;
  for (int i = 0; i < got.count; ++i) codes.push_back(got.codes[i]);
  EXPECT_EQ(GetParam().codes, codes);
}

INSTANTIATE_TEST_SUITE_P(Keys, TranslateKeyEventTest, testing::ValuesIn(kKeyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
