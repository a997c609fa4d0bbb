#include "app/cleaner.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "removal/removal.h"

namespace {

constexpr RegistryRoot HKCU = RegistryRoot::CurrentUser;
constexpr RegistryRoot HKLM = RegistryRoot::LocalMachine;

const std::string kDeclined = "\n\nNo registry entries deleted, press any key to exit.\n";
const std::string kDeleting = "\n\nDeleting registry entries...\n";
const std::string kNoKeyboard = "\n\nCannot read the keyboard, no registry entries deleted.\n";

std::string Banner() {
  std::string text;
  for (const char* part : kBanner) text += part;
  return text;
}

void SeedAllEntries() {
  fake::AddKey(HKCU, "Software\\Telvix");
  fake::AddKey(HKCU, "Software\\Orvane\\LinkoraForOrvaneMerrow");
  fake::AddKey(HKLM, "Software\\Telvix");
  fake::AddKey(HKLM, "Software\\Telvix Ltd");
  fake::AddKey(HKLM, "Software\\Orvane\\LinkoraForOrvaneMerrow");
  fake::AddKey(HKLM, "Software\\Orvane\\Trebbin");
  fake::AddValue(HKLM, "Software\\Orvane", "HalvexPhoneID");
}

bool RegistryUntouched() { return fake::LogOf("open ").empty() && fake::LogOf("delete").empty(); }

class CleanerTest : public testing::Test {
 protected:
  void SetUp() override { fake::Reset(); }
  void TearDown() override {
    // Whatever the path, nothing sat in the output buffer while the program
    // waited for a key: the prompt is visible even through a pipe.
    EXPECT_EQ(0, fake::ReadsWithUnflushedOutput());
  }
};

TEST_F(CleanerTest, BannerHasItsFixedTextsAndShapes) {
  EXPECT_STREQ("\n\n", kBanner[0]);
  EXPECT_STREQ("Orvane Merrow Linkora Registry Cleaner, v.1.0.1 09Dec2003\n", kBanner[1]);
  EXPECT_STREQ("This program will delete all Orvane Merrow Linkora registry entries.\n",
               kBanner[5]);
  EXPECT_STREQ("Orvane Connection Manager registry entries will not be deleted.\n\n", kBanner[6]);
  EXPECT_STREQ("Delete all Orvane Merrow Linkora registry entries (y = YES, n = NO)?", kBanner[7]);

  const std::string copyright = kBanner[2];
  EXPECT_EQ(0u, copyright.rfind("Copyright", 0));
  EXPECT_EQ(copyright.size() - 1, copyright.find('\n'));  // one line, one line break

  const std::string trademark = kBanner[3];
  EXPECT_EQ(trademark.size() - 2, trademark.find('\n'));  // one line, then an empty line
  EXPECT_EQ("\n\n", trademark.substr(trademark.size() - 2));

  const std::string disclaimer = kBanner[4];
  EXPECT_EQ(disclaimer.size() - 2, disclaimer.find('\n'));  // one paragraph, no break inside
  EXPECT_EQ("\n\n", disclaimer.substr(disclaimer.size() - 2));
  for (char c : disclaimer) EXPECT_FALSE(std::islower(static_cast<unsigned char>(c))) << disclaimer;
  for (const char* phrase :
       {"LOSS OF DATA OR INCOME", "CONSEQUENTIAL", "\"AS IS\"", "MERCHANTABILITY",
        "FITNESS FOR A PARTICULAR PURPOSE", "WITHOUT PRIOR NOTICE"})
    EXPECT_NE(std::string::npos, disclaimer.find(phrase)) << phrase;
}

TEST_F(CleanerTest, RefusalSaysNothingWasDeletedAndLeavesTheRegistryAlone) {
  SeedAllEntries();
  fake::QueueKeys({'n'});
  fake::QueueKeysAfterDiscard({'x'});

  EXPECT_EQ(0, RunCleaner());

  EXPECT_EQ(Banner() + kDeclined, fake::Output());
  EXPECT_TRUE(RegistryUntouched());
  EXPECT_TRUE(fake::HasValue(HKLM, "Software\\Orvane", "HalvexPhoneID"));
  EXPECT_EQ(0u, fake::KeysLeft());  // the closing wait took the fresh key
}

TEST_F(CleanerTest, ConsentWithNothingPresentCountsZero) {
  fake::QueueKeys({'y'});
  fake::QueueKeysAfterDiscard({' '});

  EXPECT_EQ(0, RunCleaner());

  EXPECT_EQ(Banner() + kDeleting + "0 registry keys deleted, press any key to exit.\n",
            fake::Output());
  EXPECT_EQ(0u, fake::KeysLeft());
}

TEST_F(CleanerTest, ConsentWithEverythingPresentReportsEachAndCountsSeven) {
  SeedAllEntries();
  fake::QueueKeys({'y'});
  fake::QueueKeysAfterDiscard({'x'});

  EXPECT_EQ(0, RunCleaner());

  std::string progress;
  for (int i = 0; i < 7; ++i) progress += "Key found\nKey deleted\n";
  EXPECT_EQ(Banner() + kDeleting + progress + "7 registry keys deleted, press any key to exit.\n",
            fake::Output());
  EXPECT_FALSE(fake::HasValue(HKLM, "Software\\Orvane", "HalvexPhoneID"));
  EXPECT_EQ(0u, fake::KeysLeft());
}

TEST_F(CleanerTest, TypedAheadKeysDoNotEndTheClosingWait) {
  // "y" and Enter at once: the Enter is dropped, and the summary stays until
  // a key is pressed after it appeared.
  fake::QueueKeys({'y', '\r'});
  fake::QueueKeysAfterDiscard({'q'});

  EXPECT_EQ(0, RunCleaner());

  const std::vector<std::string> reads = fake::LogOf("read ");
  EXPECT_EQ((std::vector<std::string>{"read 121", "read 113"}), reads);
  const std::vector<std::string>& log = fake::Log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ("write 0 registry keys deleted, press any key to exit.\n", log[log.size() - 3]);
  EXPECT_EQ("discard", log[log.size() - 2]);
  EXPECT_EQ(0u, fake::KeysLeft());
}

TEST_F(CleanerTest, RefusalAlsoDropsTypedAheadKeys) {
  fake::QueueKeys({'n', 'y', '\r'});
  fake::QueueKeysAfterDiscard({'q'});

  EXPECT_EQ(0, RunCleaner());

  EXPECT_EQ((std::vector<std::string>{"read 110", "read 113"}), fake::LogOf("read "));
  EXPECT_TRUE(RegistryUntouched());
}

TEST_F(CleanerTest, FailedClosingWaitStillExitsNormally) {
  fake::QueueKeys({'y'});  // nothing pressed afterwards: the last read fails

  EXPECT_EQ(0, RunCleaner());

  EXPECT_EQ(Banner() + kDeleting + "0 registry keys deleted, press any key to exit.\n",
            fake::Output());
  EXPECT_EQ((std::vector<std::string>{"read 121", "read -1"}), fake::LogOf("read "));
}

// Without a readable keyboard no answer can come: the run ends at once with a
// message and status 1, touches nothing and does not wait for a key.
TEST_F(CleanerTest, UnreadableKeyboardEndsTheRunWithoutDeleting) {
  for (const std::vector<int>& keys : {std::vector<int>{}, std::vector<int>{'Y', '\r'}}) {
    SCOPED_TRACE(std::to_string(keys.size()) + " keys before the failure");
    fake::Reset();
    SeedAllEntries();
    for (int key : keys) fake::QueueKeys({key});

    EXPECT_EQ(1, RunCleaner());

    EXPECT_EQ(Banner() + kNoKeyboard, fake::Output());
    EXPECT_TRUE(RegistryUntouched());
    EXPECT_EQ(keys.size() + 1, fake::LogOf("read ").size());  // no closing wait
    EXPECT_TRUE(fake::LogOf("discard").empty());
  }
}

// Codes that must not answer the prompt. Each is followed by "y", which must
// be what answers, with nothing written in between.
struct NonAnswer {
  const char* name;
  std::vector<int> codes;
};

const NonAnswer kNonAnswers[] = {
    {"UpperY", {'Y'}},
    {"UpperN", {'N'}},
    {"Enter", {'\r'}},
    {"Escape", {0x1B}},
    {"Space", {' '}},
    {"CtrlC", {0x03}},
    {"YDiaeresis", {0xFF}},  // the character 0xFF is a
                             // key like any other, not
                             // a failure
    {"F1", {0x00, 59}},
    {"GrayUp", {0xE0, 72}},
    {"F11", {0xE0, 133}},
};

void PrintTo(const NonAnswer& key, std::ostream* out) { *out << key.name; }

class PromptIgnores : public testing::TestWithParam<NonAnswer> {
 protected:
  void SetUp() override { fake::Reset(); }
};

TEST_P(PromptIgnores, KeyAndKeepsWaitingSilently) {
  for (int code : GetParam().codes) fake::QueueKeys({code});
  fake::QueueKeys({'y'});

  EXPECT_EQ(Answer::Consent, AwaitConfirmation());

  EXPECT_EQ(0u, fake::KeysLeft());  // every key was read, so only the "y" answered
  EXPECT_EQ("", fake::Output());
  EXPECT_EQ(0, fake::ReadsWithUnflushedOutput());
}

INSTANTIATE_TEST_SUITE_P(Keys, PromptIgnores, testing::ValuesIn(kNonAnswers),
                         [](const testing::TestParamInfo<NonAnswer>& info) {
                           return std::string(info.param.name);
                         });

// Every code is compared on its own, so the second code of an extended key
// answers like the letter it equals.
struct AnswerCase {
  const char* name;
  std::vector<int> codes;
  Answer answer;
  std::size_t left;
};

const AnswerCase kAnswers[] = {
    {"LowerY", {'y', 'n'}, Answer::Consent, 1},
    {"LowerN", {'n', 'y'}, Answer::Refusal, 1},
    {"AltF7IsZeroThenN", {0x00, 0x6E}, Answer::Refusal, 0},
    {"AltTwoIsZeroThenY", {0x00, 0x79}, Answer::Consent, 0},
    {"FailureEndsTheWait", {'Y', -1, 'y'}, Answer::NoKeyboard, 1},
};

void PrintTo(const AnswerCase& key, std::ostream* out) { *out << key.name; }

class PromptAnswers : public testing::TestWithParam<AnswerCase> {
 protected:
  void SetUp() override { fake::Reset(); }
};

TEST_P(PromptAnswers, OnTheFirstCodeThatDecides) {
  for (int code : GetParam().codes) fake::QueueKeys({code});
  EXPECT_EQ(GetParam().answer, AwaitConfirmation());
  EXPECT_EQ(GetParam().left, fake::KeysLeft());
  EXPECT_EQ("", fake::Output());
}

INSTANTIATE_TEST_SUITE_P(Keys, PromptAnswers, testing::ValuesIn(kAnswers),
                         [](const testing::TestParamInfo<AnswerCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
