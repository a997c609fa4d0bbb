// The in-memory registry: keys and values by root and path, faults per key,
// and handles counted so that a test sees how many are open at once.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>

#include "fake_platform.h"

namespace fake {

void AppendLog(std::string line);

namespace {

constexpr long kNotFound = 2;      // ERROR_FILE_NOT_FOUND
constexpr long kAccessDenied = 5;  // ERROR_ACCESS_DENIED
constexpr long kBadHandle = 6;     // ERROR_INVALID_HANDLE

std::set<std::string> keys;                           // canonical names
std::map<std::string, std::set<std::string>> values;  // canonical key -> lower-case names
std::map<std::string, Fault> faults;
std::map<std::uintptr_t, std::string> handles;  // handle -> the key it opened
std::uintptr_t next_handle = 1;
int most_open = 0;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string RootName(RegistryRoot root) {
  return root == RegistryRoot::CurrentUser ? "HKCU" : "HKLM";
}

std::string Canonical(RegistryRoot root, const std::string& path) {
  return RootName(root) + "\\" + Lower(path);
}

std::string Shown(RegistryRoot root, const std::string& path) {
  return RootName(root) + "\\" + path;
}

Fault FaultOf(const std::string& key) {
  const auto found = faults.find(key);
  return found == faults.end() ? Fault::None : found->second;
}

void EraseTree(const std::string& key) {
  const std::string below = key + "\\";
  for (auto it = keys.begin(); it != keys.end();) {
    if (*it == key || it->compare(0, below.size(), below) == 0) {
      values.erase(*it);
      it = keys.erase(it);
    } else {
      ++it;
    }
  }
}

}  // namespace

void ResetRegistry() {
  keys.clear();
  values.clear();
  faults.clear();
  handles.clear();
  next_handle = 1;
  most_open = 0;
}

void AddKey(RegistryRoot root, const std::string& path) {
  std::string::size_type end = 0;
  do {
    end = path.find('\\', end + 1);
    keys.insert(Canonical(root, path.substr(0, end)));
  } while (end != std::string::npos);
}

void AddValue(RegistryRoot root, const std::string& path, const std::string& name) {
  AddKey(root, path);
  values[Canonical(root, path)].insert(Lower(name));
}

void SetFault(RegistryRoot root, const std::string& path, Fault fault) {
  faults[Canonical(root, path)] = fault;
}

bool HasKey(RegistryRoot root, const std::string& path) {
  return keys.count(Canonical(root, path)) != 0;
}

bool HasValue(RegistryRoot root, const std::string& path, const std::string& name) {
  const auto found = values.find(Canonical(root, path));
  return found != values.end() && found->second.count(Lower(name)) != 0;
}

int OpenHandles() { return static_cast<int>(handles.size()); }

int MostHandlesOpenAtOnce() { return most_open; }

}  // namespace fake

long OpenKey(RegistryRoot root, const char* path, KeyHandle* key) noexcept {
  const std::string name = fake::Canonical(root, path);
  long status = 0;
  if (fake::keys.count(name) == 0)
    status = fake::kNotFound;
  else if (fake::FaultOf(name) == fake::Fault::ReadOnly)
    status = fake::kAccessDenied;
  fake::AppendLog("open " + fake::Shown(root, path) + " = " + std::to_string(status));
  if (status != 0) return status;
  const std::uintptr_t handle = fake::next_handle++;
  fake::handles[handle] = name;
  fake::most_open = std::max(fake::most_open, fake::OpenHandles());
  *key = reinterpret_cast<KeyHandle>(handle);
  if (fake::FaultOf(name) == fake::Fault::VanishesAfterOpen) fake::EraseTree(name);
  return 0;
}

long DeleteKeyTree(RegistryRoot root, const char* path) noexcept {
  const std::string name = fake::Canonical(root, path);
  long status = 0;
  if (fake::keys.count(name) == 0)
    status = fake::kNotFound;
  else if (fake::FaultOf(name) == fake::Fault::DeleteFails)
    status = fake::kAccessDenied;
  else
    fake::EraseTree(name);
  fake::AppendLog("delete tree " + fake::Shown(root, path) + " = " + std::to_string(status));
  return status;
}

long DeleteValue(KeyHandle key, const char* name) noexcept {
  const auto handle = fake::handles.find(reinterpret_cast<std::uintptr_t>(key));
  long status = 0;
  if (handle == fake::handles.end()) {
    status = fake::kBadHandle;
  } else {
    const std::string& owner = handle->second;
    auto found = fake::values.find(owner);
    if (fake::keys.count(owner) == 0 || found == fake::values.end() ||
        found->second.count(fake::Lower(name)) == 0)
      status = fake::kNotFound;
    else if (fake::FaultOf(owner) == fake::Fault::DeleteFails)
      status = fake::kAccessDenied;
    else
      found->second.erase(fake::Lower(name));
  }
  fake::AppendLog(std::string("delete value ") + name + " = " + std::to_string(status));
  return status;
}

long CloseKey(KeyHandle key) noexcept {
  const bool known = fake::handles.erase(reinterpret_cast<std::uintptr_t>(key)) != 0;
  fake::AppendLog(known ? "close" : "close unknown handle");
  return known ? 0 : fake::kBadHandle;
}
