// The registry calls the cleaner makes. Each returns a status: 0 is success,
// anything else is failure, and callers never look further into the value.
#pragma once

#include <cstdint>

enum class RegistryRoot : std::uint32_t { CurrentUser = 0x80000001u, LocalMachine = 0x80000002u };

using KeyHandle = void*;

// Opens an existing key for reading and writing (RegOpenKeyExA, KEY_READ |
// KEY_WRITE). Fails for a missing key and for one the caller may only read.
long OpenKey(RegistryRoot root, const char* path, KeyHandle* key) noexcept;

// Deletes a key with all its subkeys and values, by root and path (SHDeleteKeyA).
long DeleteKeyTree(RegistryRoot root, const char* path) noexcept;

// Deletes one named value of an open key (RegDeleteValueA).
long DeleteValue(KeyHandle key, const char* name) noexcept;

// Releases a key opened by OpenKey (RegCloseKey).
long CloseKey(KeyHandle key) noexcept;
