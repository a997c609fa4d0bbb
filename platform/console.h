// The console facilities the cleaner uses: text out on standard output and
// single unechoed key presses read straight from the console input device.
#pragma once

// Writes text to standard output in text mode, so "\n" reaches a console or a
// file as CR LF. No line break is ever added.
void WriteText(const char* text) noexcept;

// Pushes buffered standard output out, so that text is visible before a read
// blocks, even when standard output is a file or a pipe.
void FlushOutput() noexcept;

// Reads one key code from "CONIN$", never from standard input.
// Returns a code 0..255: the typed character, or for a key without a character
// but with an extended code two codes on successive calls, a prefix (0 or 0xE0)
// and then the extended code. Returns kReadKeyFailed at once when the device
// cannot be opened or a console read fails. Keys that yield no code (Shift
// alone, key releases, mouse and focus events) are skipped.
constexpr int kReadKeyFailed = -1;
int ReadKey() noexcept;

// Drops keys typed ahead: the console input buffer and any held-back second code.
void DiscardTypeAhead() noexcept;
