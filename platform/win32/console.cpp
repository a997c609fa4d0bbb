// Console text out through the C runtime's standard output, and key presses
// read as raw input records from "CONIN$", so that redirecting standard input
// can neither answer the prompt nor end a wait.
#include "platform/console.h"

#include <windows.h>

#include <cstdio>

#include "platform/key_event.h"

namespace {

HANDLE console_input = INVALID_HANDLE_VALUE;
int held_code = -1;  // the second code of an extended key, for the next read

HANDLE ConsoleInput() noexcept {
  if (console_input == INVALID_HANDLE_VALUE) {
    // Read and write access: setting the input mode needs both. The handle
    // stays open until the process ends.
    console_input =
        CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
  }
  return console_input;
}

KeyEvent ToKeyEvent(const KEY_EVENT_RECORD& record) noexcept {
  return KeyEvent{record.bKeyDown != FALSE, record.wVirtualKeyCode, record.wVirtualScanCode,
                  static_cast<unsigned char>(record.uChar.AsciiChar), record.dwControlKeyState};
}

// Blocks until a key press yields a code. Returns the first code and holds a
// second one back, or kReadKeyFailed when the console read fails.
int ReadCodes(HANDLE input) noexcept {
  for (;;) {
    INPUT_RECORD record;
    DWORD read = 0;
    if (!ReadConsoleInputA(input, &record, 1, &read) || read == 0) return kReadKeyFailed;
    if (record.EventType != KEY_EVENT) continue;  // mouse, focus, menu, window size
    const KeyCodes codes = TranslateKeyEvent(ToKeyEvent(record.Event.KeyEvent));
    if (codes.count == 0) continue;  // key releases and modifier keys alone
    if (codes.count == 2) held_code = codes.codes[1];
    return codes.codes[0];
  }
}

}  // namespace

void WriteText(const char* text) noexcept { (void)std::fputs(text, stdout); }

void FlushOutput() noexcept { (void)std::fflush(stdout); }

int ReadKey() noexcept {
  if (held_code >= 0) {
    const int code = held_code;
    held_code = -1;
    return code;
  }
  const HANDLE input = ConsoleInput();
  if (input == INVALID_HANDLE_VALUE) return kReadKeyFailed;
  DWORD saved_mode = 0;
  if (!GetConsoleMode(input, &saved_mode)) return kReadKeyFailed;
  // Mode 0 for the read: no echo, no line editing, and Ctrl+C arrives as
  // code 3 instead of ending the process.
  if (!SetConsoleMode(input, 0)) return kReadKeyFailed;
  const int code = ReadCodes(input);
  (void)SetConsoleMode(input, saved_mode);  // Nothing better to do if it fails.
  return code;
}

void DiscardTypeAhead() noexcept {
  held_code = -1;
  const HANDLE input = ConsoleInput();
  if (input != INVALID_HANDLE_VALUE) (void)FlushConsoleInputBuffer(input);
}
