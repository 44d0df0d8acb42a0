// Environment lookups as a value, so directory and settings rules can be tested without touching
// the process environment.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vmx::host {

// The value of a variable, or nullopt when it is not set.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Looks variables up in this process's environment.
EnvLookup ProcessEnv();

}  // namespace vmx::host
