// The cleaner's dialogue: banner, one consent key, the removal, the summary
// and a last key press.
#pragma once

#include <cstddef>

enum class Answer { Consent, Refusal, NoKeyboard };

// The banner, written text by text before the prompt; the last text is the
// prompt itself, which ends without a line break.
constexpr std::size_t kBannerSize = 8;
extern const char* const kBanner[kBannerSize];

// Reads keys until "y" (consent) or "n" (refusal); every other key is ignored
// without a word. NoKeyboard when the console cannot be read at all.
Answer AwaitConfirmation() noexcept;

// Drops keys typed ahead, then waits for one fresh key press.
void WaitForAnyKey() noexcept;

// The whole run; returns the process exit status.
int RunCleaner() noexcept;
