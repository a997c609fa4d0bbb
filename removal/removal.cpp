// Deletes the suite's leftovers, one row at a time, with at most one registry
// handle open. A row that fails is skipped without a word.
#include "removal/removal.h"

#include "platform/console.h"

const RemovalTarget RemovalPlan[kRemovalPlanSize] = {
    {RegistryRoot::CurrentUser, "Software\\Telvix", TargetKind::KeyTree, nullptr},
    {RegistryRoot::CurrentUser, "Software\\Orvane\\LinkoraForOrvaneMerrow", TargetKind::KeyTree,
     nullptr},
    {RegistryRoot::LocalMachine, "Software\\Telvix", TargetKind::KeyTree, nullptr},
    {RegistryRoot::LocalMachine, "Software\\Telvix Ltd", TargetKind::KeyTree, nullptr},
    {RegistryRoot::LocalMachine, "Software\\Orvane\\LinkoraForOrvaneMerrow", TargetKind::KeyTree,
     nullptr},
    {RegistryRoot::LocalMachine, "Software\\Orvane\\Trebbin", TargetKind::KeyTree, nullptr},
    // The maker's key itself stays: other products of the maker keep theirs.
    {RegistryRoot::LocalMachine, "Software\\Orvane", TargetKind::NamedValue, "HalvexPhoneID"},
};

std::int32_t RunRemoval() noexcept {
  std::int32_t deleted = 0;
  for (const RemovalTarget& target : RemovalPlan) {
    KeyHandle key = nullptr;
    if (OpenKey(target.root, target.key_path, &key) != 0)
      continue;  // Missing, or only readable: either way there is nothing to do.
    if (target.kind == TargetKind::KeyTree) {
      // The open proves the key exists and is writable; the tree goes by path.
      WriteText("Key found\n");
      if (DeleteKeyTree(target.root, target.key_path) == 0) {
        WriteText("Key deleted\n");
        ++deleted;
      }
    } else if (DeleteValue(key, target.value_name) == 0) {
      // The maker's key exists on many machines; only the value proves a find.
      WriteText("Key found\n");
      WriteText("Key deleted\n");
      ++deleted;
    }
    (void)CloseKey(key);  // A failed close changes nothing for the user.
  }
  return deleted;
}
