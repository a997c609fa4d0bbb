// The four registry calls, over the Win32 registry and shell functions.
#include "platform/registry.h"

#include <shlwapi.h>
#include <windows.h>

namespace {

HKEY ToHkey(RegistryRoot root) noexcept {
  return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

}  // namespace

long OpenKey(RegistryRoot root, const char* path, KeyHandle* key) noexcept {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(ToHkey(root), path, 0, KEY_READ | KEY_WRITE, &opened);
  *key = opened;
  return status;
}

long DeleteKeyTree(RegistryRoot root, const char* path) noexcept {
  return static_cast<long>(SHDeleteKeyA(ToHkey(root), path));
}

long DeleteValue(KeyHandle key, const char* name) noexcept {
  return RegDeleteValueA(static_cast<HKEY>(key), name);
}

long CloseKey(KeyHandle key) noexcept { return RegCloseKey(static_cast<HKEY>(key)); }
