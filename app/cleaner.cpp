// The dialogue with the user. Every answer path ends in exactly one closing
// message; the registry is only touched after an explicit "y".
#include "app/cleaner.h"

#include <cstdint>
#include <cstdio>

#include "app/product_info.h"
#include "platform/console.h"
#include "removal/removal.h"

const char* const kBanner[kBannerSize] = {
    "\n\n",
    CLEANER_PRODUCT_NAME ", v." CLEANER_VERSION_TEXT " " CLEANER_RELEASE_DATE "\n",
    CLEANER_COPYRIGHT "\n",
    "Orvane is a trademark or registered trademark of Orvane.\n\n",
    "IN NO EVENT SHALL ORVANE BE LIABLE FOR ANY LOSS OF DATA OR INCOME OR ANY SPECIAL, "
    "INCIDENTAL, CONSEQUENTIAL OR INDIRECT DAMAGES HOWSOEVER CAUSED. THIS SOFTWARE IS PROVIDED "
    "\"AS IS\". EXCEPT AS REQUIRED BY APPLICABLE LAW, NO WARRANTIES OF ANY KIND, EITHER EXPRESS "
    "OR IMPLIED, INCLUDING, BUT NOT LIMITED TO, THE IMPLIED WARRANTIES OF MERCHANTABILITY AND "
    "FITNESS FOR A PARTICULAR PURPOSE, ARE MADE IN RELATION TO THE ACCURACY, RELIABILITY OR "
    "CONTENTS OF THIS SOFTWARE. ORVANE RESERVES THE RIGHT TO REVISE THIS SOFTWARE OR WITHDRAW "
    "IT AT ANY TIME WITHOUT PRIOR NOTICE.\n\n",
    "This program will delete all Orvane Merrow Linkora registry entries.\n",
    "Orvane Connection Manager registry entries will not be deleted.\n\n",
    "Delete all Orvane Merrow Linkora registry entries (y = YES, n = NO)?",
};

namespace {

constexpr char kDeclined[] = "\n\nNo registry entries deleted, press any key to exit.\n";
constexpr char kDeleting[] = "\n\nDeleting registry entries...\n";
constexpr char kNoKeyboard[] = "\n\nCannot read the keyboard, no registry entries deleted.\n";

// Whatever sits in the output buffer must be on screen (or in the file or
// pipe) before the program blocks waiting for the user.
int NextKey() noexcept {
  FlushOutput();
  return ReadKey();
}

}  // namespace

Answer AwaitConfirmation() noexcept {
  for (;;) {
    const int key = NextKey();
    // Without a keyboard no answer can ever come; waiting on would hang an
    // unattended run forever, so the run ends without touching anything.
    if (key == kReadKeyFailed) return Answer::NoKeyboard;
    const unsigned char code = static_cast<unsigned char>(key & 0xFF);
    if (code == 'n') return Answer::Refusal;
    if (code == 'y') return Answer::Consent;
  }
}

void WaitForAnyKey() noexcept {
  // Keys pressed before the closing message (an Enter after the "y", say)
  // would otherwise close a window opened from Explorer before it is read.
  DiscardTypeAhead();
  (void)NextKey();  // Any key ends the wait, and so does a failed read.
}

int RunCleaner() noexcept {
  for (const char* text : kBanner) WriteText(text);
  switch (AwaitConfirmation()) {
    case Answer::NoKeyboard:
      WriteText(kNoKeyboard);
      return 1;
    case Answer::Refusal:
      WriteText(kDeclined);
      WaitForAnyKey();
      return 0;
    case Answer::Consent: break;
  }
  WriteText(kDeleting);
  const std::int32_t deleted = RunRemoval();
  char summary[64];
  std::snprintf(summary, sizeof summary, "%li registry keys deleted, press any key to exit.\n",
                static_cast<long>(deleted));
  WriteText(summary);
  WaitForAnyKey();
  return 0;
}
