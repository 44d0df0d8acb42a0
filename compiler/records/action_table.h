// The action names the dispatcher knows, their type ids and their builders.
#pragma once

#include <tinyxml.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "compiler/records/bytes.h"

namespace vmx {

// Reads the "action" element's parameters and returns its record (size and type id written,
// action id still 0), or nothing when a parameter is unusable.
using Builder = std::optional<Record> (*)(const TiXmlElement& action);

struct ActionKind {
  std::string_view name;
  int32_t type;
  // Null for the parameterless actions, whose record is the 12-byte frame alone.
  Builder build;
};

// The 59 actions in the order the dispatcher compares them.
std::span<const ActionKind> action_kinds();

// Finds an action by name, ignoring the case of ASCII letters; null when unknown.
const ActionKind* find_action(std::string_view name);

}  // namespace vmx
