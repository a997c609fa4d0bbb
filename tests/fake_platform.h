// In-memory console and registry for the host tests: seeded by the test,
// recording every call in one shared log so that order can be checked.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace fake {

// The log both fakes append to, one line a call, e.g. "open HKLM\Software\Telvix = 0",
// "write Key found\n", "read 121", "discard".
const std::vector<std::string>& Log();
std::vector<std::string> LogOf(const std::string& prefix);  // lines starting with prefix

// Console. Keys queued now count as typed ahead; keys queued "after discard"
// are pressed fresh, once the type-ahead is dropped. An empty queue reads as a
// failure, so no test can hang.
void ResetConsole();
void QueueKeys(std::initializer_list<int> codes);
void QueueKeysAfterDiscard(std::initializer_list<int> codes);
std::size_t KeysLeft();
std::string Output();            // everything written, flushed or not
int ReadsWithUnflushedOutput();  // reads that began while text was still buffered

// Registry. Paths compare without regard to case, as the real registry does.
enum class Fault {
  None,
  ReadOnly,           // the key opens only for reading, so the read-write open fails
  DeleteFails,        // the key opens, but deleting it or its value fails
  VanishesAfterOpen,  // another program deletes the key right after it opens
};
void ResetRegistry();
void AddKey(RegistryRoot root, const std::string& path);  // with all its parents
void AddValue(RegistryRoot root, const std::string& path, const std::string& name);
void SetFault(RegistryRoot root, const std::string& path, Fault fault);
bool HasKey(RegistryRoot root, const std::string& path);
bool HasValue(RegistryRoot root, const std::string& path, const std::string& name);
int OpenHandles();
int MostHandlesOpenAtOnce();

// Empties both fakes and the log; every test starts from here.
inline void Reset() {
  ResetConsole();
  ResetRegistry();
}

}  // namespace fake
