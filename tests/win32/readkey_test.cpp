// ReadKey on a real console. Input records are written into the console's
// input buffer with WriteConsoleInputA, so they arrive exactly as given,
// enhanced flag included, which typing through a terminal cannot promise.
// Run it inside a console (a terminal under Wine); it prints one line a check
// and "N passed, N failed" at the end, and exits non-zero on any failure.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/console.h"

namespace {

HANDLE input = INVALID_HANDLE_VALUE;
int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& name, const std::string& detail = "") {
  if (ok) {
    ++passed;
    std::printf("ok   %s\n", name.c_str());
  } else {
    ++failed;
    std::printf("FAIL %s %s\n", name.c_str(), detail.c_str());
  }
  std::fflush(stdout);
}

INPUT_RECORD Key(bool down, WORD vk, WORD scan, unsigned char c, DWORD state = 0) {
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down ? TRUE : FALSE;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = vk;
  record.Event.KeyEvent.wVirtualScanCode = scan;
  record.Event.KeyEvent.uChar.AsciiChar = static_cast<CHAR>(c);
  record.Event.KeyEvent.dwControlKeyState = state;
  return record;
}

INPUT_RECORD Mouse() {
  INPUT_RECORD record{};
  record.EventType = MOUSE_EVENT;
  record.Event.MouseEvent.dwButtonState = FROM_LEFT_1ST_BUTTON_PRESSED;
  return record;
}

INPUT_RECORD Focus() {
  INPUT_RECORD record{};
  record.EventType = FOCUS_EVENT;
  record.Event.FocusEvent.bSetFocus = TRUE;
  return record;
}

INPUT_RECORD Menu() {
  INPUT_RECORD record{};
  record.EventType = MENU_EVENT;
  record.Event.MenuEvent.dwCommandId = 1;
  return record;
}

INPUT_RECORD WindowSize() {
  INPUT_RECORD record{};
  record.EventType = WINDOW_BUFFER_SIZE_EVENT;
  record.Event.WindowBufferSizeEvent.dwSize = COORD{80, 25};
  return record;
}

// A key that always yields 'z': it ends each case, so that events which must
// be skipped are skipped instead of left behind.
const INPUT_RECORD kEnd = Key(true, 'Z', 0x2C, 'z');

void Inject(const std::vector<INPUT_RECORD>& records) {
  DWORD written = 0;
  if (!WriteConsoleInputA(input, records.data(), static_cast<DWORD>(records.size()), &written) ||
      written != records.size())
    Check(false, "inject", "WriteConsoleInputA failed");
}

DWORD PendingEvents() {
  DWORD count = 0;
  GetNumberOfConsoleInputEvents(input, &count);
  return count;
}

DWORD Mode() {
  DWORD mode = 0;
  GetConsoleMode(input, &mode);
  return mode;
}

std::string Codes(const std::vector<int>& codes) {
  std::string text;
  for (int code : codes) text += (text.empty() ? "" : ",") + std::to_string(code);
  return "{" + text + "}";
}

struct Case {
  const char* name;
  std::vector<INPUT_RECORD> records;
  std::vector<int> codes;
};

void RunCase(const Case& c) {
  FlushConsoleInputBuffer(input);
  Inject(c.records);
  std::vector<int> got;
  for (std::size_t i = 0; i < c.codes.size(); ++i) got.push_back(ReadKey());
  const bool drained = PendingEvents() == 0;
  Check(got == c.codes && drained, c.name,
        "got " + Codes(got) + ", expected " + Codes(c.codes) + (drained ? "" : ", events left"));
}

constexpr DWORD kEnhanced = ENHANCED_KEY;

const Case kCases[] = {
    {"character key", {Key(true, 'Y', 0x15, 'y'), Key(false, 'Y', 0x15, 'y'), kEnd}, {'y', 'z'}},
    {"upper case as typed", {Key(true, 'Y', 0x15, 'Y', SHIFT_PRESSED), kEnd}, {'Y', 'z'}},
    {"key releases skipped", {Key(false, 'N', 0x31, 'n'), Key(false, 'Y', 0x15, 'y'), kEnd}, {'z'}},
    {"mouse, focus, menu and size events skipped",
     {Mouse(), Focus(), Menu(), WindowSize(), kEnd},
     {'z'}},
    {"Shift, Ctrl, Alt and Caps Lock alone skipped",
     {Key(true, VK_SHIFT, 0x2A, 0, SHIFT_PRESSED),
      Key(true, VK_CONTROL, 0x1D, 0, LEFT_CTRL_PRESSED),
      Key(true, VK_MENU, 0x38, 0, LEFT_ALT_PRESSED), Key(true, VK_CAPITAL, 0x3A, 0), kEnd},
     {'z'}},
    {"character 0xFF is not a failure", {Key(true, 0, 0x15, 0xFF), kEnd}, {0xFF, 'z'}},
    {"Alt with a character gives the character",
     {Key(true, 'N', 0x31, 'n', LEFT_ALT_PRESSED), kEnd},
     {'n', 'z'}},
    {"F1", {Key(true, VK_F1, 0x3B, 0), kEnd}, {0, 59, 'z'}},
    {"Alt+F7", {Key(true, VK_F7, 0x41, 0, LEFT_ALT_PRESSED), kEnd}, {0, 110, 'z'}},
    {"F11", {Key(true, VK_F11, 0x57, 0), kEnd}, {0xE0, 133, 'z'}},
    {"gray Up", {Key(true, VK_UP, 0x48, 0, kEnhanced), kEnd}, {0xE0, 72, 'z'}},
    {"keypad Up with Num Lock off", {Key(true, VK_UP, 0x48, 0), kEnd}, {0, 72, 'z'}},
    {"Ctrl+gray Home",
     {Key(true, VK_HOME, 0x47, 0, kEnhanced | LEFT_CTRL_PRESSED), kEnd},
     {0xE0, 119, 'z'}},
    {"Alt+2 without a character", {Key(true, '2', 0x03, 0, LEFT_ALT_PRESSED), kEnd}, {0, 121, 'z'}},
};

// The held second code of an extended key comes from memory: the 'x' queued
// behind it stays in the console until the read after.
void HeldCodeLeavesTheConsoleAlone() {
  FlushConsoleInputBuffer(input);
  Inject({Key(true, VK_F1, 0x3B, 0), Key(true, 'X', 0x2D, 'x')});
  const int prefix = ReadKey();
  const DWORD before = PendingEvents();
  const int code = ReadKey();
  const DWORD after = PendingEvents();
  const int next = ReadKey();
  Check(prefix == 0 && code == 59 && before == 1 && after == 1 && next == 'x',
        "held code read without touching the console",
        "got " + Codes({prefix, code, next}) + ", events " + std::to_string(before) + " then " +
            std::to_string(after));
}

// Type-ahead is dropped, the held code with it.
void DiscardDropsQueuedAndHeldCodes() {
  FlushConsoleInputBuffer(input);
  Inject({Key(true, VK_F1, 0x3B, 0), Key(true, 'X', 0x2D, 'x')});
  const int prefix = ReadKey();
  DiscardTypeAhead();
  const DWORD left = PendingEvents();
  Inject({Key(true, 'W', 0x11, 'w')});
  const int next = ReadKey();
  Check(prefix == 0 && left == 0 && next == 'w', "discard drops queued and held codes",
        "got " + Codes({prefix, next}) + ", events left " + std::to_string(left));
}

// The mode is 0 while a read waits, and what it was before once it returns.
// Ctrl+C pressed during the read is then an ordinary key, code 3.
DWORD mode_seen_during_read = 0xFFFFFFFF;

DWORD WINAPI WatchModeThenPressCtrlC(void*) {
  for (int i = 0; i < 500; ++i) {  // five seconds at most
    Sleep(10);
    mode_seen_during_read = Mode();
    if (mode_seen_during_read == 0) break;
  }
  Inject({Key(true, 'C', 0x2E, 0x03, LEFT_CTRL_PRESSED), kEnd});
  return 0;
}

void ModeIsZeroDuringTheReadAndRestoredAfter() {
  FlushConsoleInputBuffer(input);
  const DWORD original = ENABLE_PROCESSED_INPUT | ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT;
  SetConsoleMode(input, original);
  HANDLE watcher = CreateThread(nullptr, 0, WatchModeThenPressCtrlC, nullptr, 0, nullptr);
  const int code = ReadKey();  // blocks until the watcher presses Ctrl+C
  WaitForSingleObject(watcher, 10000);
  CloseHandle(watcher);
  const DWORD after = Mode();
  const int next = ReadKey();
  Check(code == 3 && next == 'z' && mode_seen_during_read == 0 && after == original,
        "input mode 0 during the read, restored after; Ctrl+C read as code 3",
        "codes " + Codes({code, next}) + ", mode during " + std::to_string(mode_seen_during_read) +
            ", after " + std::to_string(after));
}

}  // namespace

int main() {
  input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
  if (input == INVALID_HANDLE_VALUE) {
    std::printf("FAIL no console input device\n0 passed, 1 failed\n");
    return 1;
  }
  for (const Case& c : kCases) RunCase(c);
  HeldCodeLeavesTheConsoleAlone();
  DiscardDropsQueuedAndHeldCodes();
  ModeIsZeroDuringTheReadAndRestoredAfter();
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
