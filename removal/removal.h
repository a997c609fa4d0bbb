// The fixed list of registry entries the suite leaves behind, and the walk
// that deletes them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/registry.h"

enum class TargetKind { KeyTree, NamedValue };

struct RemovalTarget {
  RegistryRoot root;
  const char* key_path;
  TargetKind kind;
  const char* value_name;  // only for NamedValue
};

constexpr std::size_t kRemovalPlanSize = 7;
extern const RemovalTarget RemovalPlan[kRemovalPlanSize];

// Walks RemovalPlan in order, writes "Key found\n" and "Key deleted\n" as it
// goes and returns how many deletions succeeded (0 to 7). Failures are silent.
std::int32_t RunRemoval() noexcept;
