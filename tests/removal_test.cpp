#include "removal/removal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform/console.h"

namespace {

constexpr RegistryRoot HKCU = RegistryRoot::CurrentUser;
constexpr RegistryRoot HKLM = RegistryRoot::LocalMachine;

const std::string kFound = "Key found\n";
const std::string kDeleted = "Key deleted\n";

// Seeds what one row of the plan deletes: its key tree (with a subkey and a
// value inside, which must go with it), or the maker's value.
void SeedRow(const RemovalTarget& target) {
  if (target.kind == TargetKind::KeyTree) {
    fake::AddValue(target.root, std::string(target.key_path) + "\\Settings", "Port");
    fake::AddValue(target.root, target.key_path, "InstallDir");
  } else {
    fake::AddValue(target.root, target.key_path, target.value_name);
  }
}

bool RowIsGone(const RemovalTarget& target) {
  if (target.kind == TargetKind::KeyTree) return !fake::HasKey(target.root, target.key_path);
  return !fake::HasValue(target.root, target.key_path, target.value_name);
}

// Every handle opened was closed again, and never two were open at once.
testing::AssertionResult HandlesBalanced() {
  if (fake::OpenHandles() != 0)
    return testing::AssertionFailure() << fake::OpenHandles() << " handles left open";
  if (fake::MostHandlesOpenAtOnce() > 1)
    return testing::AssertionFailure() << fake::MostHandlesOpenAtOnce() << " handles open at once";
  return testing::AssertionSuccess();
}

class RunRemovalTest : public testing::Test {
 protected:
  void SetUp() override { fake::Reset(); }
};

TEST_F(RunRemovalTest, PlanHoldsTheSevenEntriesInOrder) {
  struct Expected {
    RegistryRoot root;
    const char* path;
    TargetKind kind;
    const char* value;
  };
  const Expected expected[kRemovalPlanSize] = {
      {HKCU, "Software\\Telvix", TargetKind::KeyTree, nullptr},
      {HKCU, "Software\\Orvane\\LinkoraForOrvaneMerrow", TargetKind::KeyTree, nullptr},
      {HKLM, "Software\\Telvix", TargetKind::KeyTree, nullptr},
      {HKLM, "Software\\Telvix Ltd", TargetKind::KeyTree, nullptr},
      {HKLM, "Software\\Orvane\\LinkoraForOrvaneMerrow", TargetKind::KeyTree, nullptr},
      {HKLM, "Software\\Orvane\\Trebbin", TargetKind::KeyTree, nullptr},
      {HKLM, "Software\\Orvane", TargetKind::NamedValue, "HalvexPhoneID"},
  };
  for (std::size_t i = 0; i < kRemovalPlanSize; ++i) {
    SCOPED_TRACE("row " + std::to_string(i + 1));
    EXPECT_EQ(expected[i].root, RemovalPlan[i].root);
    EXPECT_STREQ(expected[i].path, RemovalPlan[i].key_path);
    EXPECT_EQ(expected[i].kind, RemovalPlan[i].kind);
    if (expected[i].value != nullptr) {
      EXPECT_STREQ(expected[i].value, RemovalPlan[i].value_name);
    }
  }
  EXPECT_EQ(0x80000001u, static_cast<std::uint32_t>(HKCU));
  EXPECT_EQ(0x80000002u, static_cast<std::uint32_t>(HKLM));
}

TEST_F(RunRemovalTest, NothingPresentWritesNothingAndCountsZero) {
  EXPECT_EQ(0, RunRemoval());
  EXPECT_EQ("", fake::Output());
  EXPECT_EQ(kRemovalPlanSize, fake::LogOf("open ").size());
  EXPECT_TRUE(fake::LogOf("delete").empty());
  EXPECT_TRUE(fake::LogOf("close").empty());  // nothing opened, nothing to close
}

TEST_F(RunRemovalTest, AllPresentDeletesEachInOrderAndKeepsTheNeighbours) {
  for (const RemovalTarget& target : RemovalPlan) SeedRow(target);
  // Neighbours that look alike but are not the suite's.
  fake::AddValue(HKLM, "Software\\Orvane", "Unrelated");
  fake::AddKey(HKLM, "Software\\Orvane\\ConnectionManager");
  fake::AddKey(HKCU, "Software\\Orvane\\Trebbin");
  fake::AddValue(HKCU, "Software\\Orvane", "HalvexPhoneID");
  fake::AddKey(HKLM, "Software\\TelvixOther");

  EXPECT_EQ(7, RunRemoval());

  std::string expected_output;
  for (std::size_t i = 0; i < kRemovalPlanSize; ++i) expected_output += kFound + kDeleted;
  EXPECT_EQ(expected_output, fake::Output());

  const std::vector<std::string> expected_log = {
      "open HKCU\\Software\\Telvix = 0",
      "write Key found\n",
      "delete tree HKCU\\Software\\Telvix = 0",
      "write Key deleted\n",
      "close",
      "open HKCU\\Software\\Orvane\\LinkoraForOrvaneMerrow = 0",
      "write Key found\n",
      "delete tree HKCU\\Software\\Orvane\\LinkoraForOrvaneMerrow = 0",
      "write Key deleted\n",
      "close",
      "open HKLM\\Software\\Telvix = 0",
      "write Key found\n",
      "delete tree HKLM\\Software\\Telvix = 0",
      "write Key deleted\n",
      "close",
      "open HKLM\\Software\\Telvix Ltd = 0",
      "write Key found\n",
      "delete tree HKLM\\Software\\Telvix Ltd = 0",
      "write Key deleted\n",
      "close",
      "open HKLM\\Software\\Orvane\\LinkoraForOrvaneMerrow = 0",
      "write Key found\n",
      "delete tree HKLM\\Software\\Orvane\\LinkoraForOrvaneMerrow = 0",
      "write Key deleted\n",
      "close",
      "open HKLM\\Software\\Orvane\\Trebbin = 0",
      "write Key found\n",
      "delete tree HKLM\\Software\\Orvane\\Trebbin = 0",
      "write Key deleted\n",
      "close",
      "open HKLM\\Software\\Orvane = 0",
      "delete value HalvexPhoneID = 0",
      "write Key found\n",
      "write Key deleted\n",
      "close",
  };
  EXPECT_EQ(expected_log, fake::Log());

  for (const RemovalTarget& target : RemovalPlan) EXPECT_TRUE(RowIsGone(target)) << target.key_path;
  EXPECT_FALSE(fake::HasKey(HKLM, "Software\\Telvix\\Settings"));
  EXPECT_TRUE(fake::HasKey(HKLM, "Software\\Orvane"));
  EXPECT_TRUE(fake::HasValue(HKLM, "Software\\Orvane", "Unrelated"));
  EXPECT_TRUE(fake::HasKey(HKLM, "Software\\Orvane\\ConnectionManager"));
  EXPECT_TRUE(fake::HasKey(HKCU, "Software\\Orvane\\Trebbin"));
  EXPECT_TRUE(fake::HasValue(HKCU, "Software\\Orvane", "HalvexPhoneID"));
  EXPECT_TRUE(fake::HasKey(HKLM, "Software\\TelvixOther"));
  EXPECT_TRUE(HandlesBalanced());
}

TEST_F(RunRemovalTest, MakerKeyWithoutTheValueWritesNothingAndStays) {
  fake::AddValue(HKLM, "Software\\Orvane", "Unrelated");

  EXPECT_EQ(0, RunRemoval());

  EXPECT_EQ("", fake::Output());
  const std::vector<std::string> expected_tail = {"open HKLM\\Software\\Orvane = 0",
                                                  "delete value HalvexPhoneID = 2", "close"};
  const std::vector<std::string>& log = fake::Log();
  ASSERT_GE(log.size(), expected_tail.size());
  EXPECT_EQ(expected_tail, std::vector<std::string>(log.end() - 3, log.end()));
  EXPECT_TRUE(fake::HasValue(HKLM, "Software\\Orvane", "Unrelated"));
  EXPECT_TRUE(HandlesBalanced());
}

TEST_F(RunRemovalTest, PathsMatchWhateverTheirCase) {
  fake::AddKey(HKLM, "SOFTWARE\\telvix ltd");
  EXPECT_EQ(1, RunRemoval());
  EXPECT_FALSE(fake::HasKey(HKLM, "Software\\Telvix Ltd"));
}

// One row at a time, each in every state it can be found in. A failure
// anywhere stays silent and local: the count and the lines tell only what
// really happened, and the other rows are still tried.
struct RowCase {
  const char* name;
  bool seeded;
  fake::Fault fault;
  const char* key_tree_output;
  const char* value_output;
  int count;
};

const RowCase kRowCases[] = {
    {"Present", true, fake::Fault::None, "Key found\nKey deleted\n", "Key found\nKey deleted\n", 1},
    {"Absent", false, fake::Fault::None, "", "", 0},
    // Only readable: the open for writing fails, exactly as for a missing key.
    {"ReadOnly", true, fake::Fault::ReadOnly, "", "", 0},
    // A tree reports its find on opening; a value only once it is gone.
    {"DeleteFails", true, fake::Fault::DeleteFails, "Key found\n", "", 0},
    {"VanishesAfterOpen", true, fake::Fault::VanishesAfterOpen, "Key found\n", "", 0},
};

void PrintTo(const RowCase& row_case, std::ostream* out) { *out << row_case.name; }

class RunRemovalRow : public testing::TestWithParam<std::tuple<std::size_t, RowCase>> {
 protected:
  void SetUp() override { fake::Reset(); }
};

TEST_P(RunRemovalRow, ReportsAndCountsOnlyWhatHappened) {
  const std::size_t row = std::get<0>(GetParam());
  const RowCase& row_case = std::get<1>(GetParam());
  const RemovalTarget& target = RemovalPlan[row];
  // The maker's key exists in every case; the cases differ in its value.
  if (target.kind == TargetKind::NamedValue) fake::AddValue(HKLM, "Software\\Orvane", "Unrelated");
  if (row_case.seeded) SeedRow(target);
  fake::SetFault(target.root, target.key_path, row_case.fault);

  EXPECT_EQ(row_case.count, RunRemoval());

  const bool tree = target.kind == TargetKind::KeyTree;
  EXPECT_EQ(tree ? row_case.key_tree_output : row_case.value_output, fake::Output());
  const bool should_be_gone =
      row_case.count == 1 || row_case.fault == fake::Fault::VanishesAfterOpen;
  if (row_case.seeded) {
    EXPECT_EQ(should_be_gone, RowIsGone(target));
  }
  EXPECT_EQ(kRemovalPlanSize, fake::LogOf("open ").size());  // no row is left out
  EXPECT_TRUE(HandlesBalanced());
}

INSTANTIATE_TEST_SUITE_P(EveryRow, RunRemovalRow,
                         testing::Combine(testing::Range<std::size_t>(0, kRemovalPlanSize),
                                          testing::ValuesIn(kRowCases)),
                         [](const testing::TestParamInfo<RunRemovalRow::ParamType>& info) {
                           return "Row" + std::to_string(std::get<0>(info.param) + 1) +
                                  std::get<1>(info.param).name;
                         });

}  // namespace
