// The process environment as an EnvLookup.
#include "host/runner/env.h"

#include <cstdlib>

namespace vmx::host {

EnvLookup ProcessEnv() {
  return [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  };
}

}  // namespace vmx::host
