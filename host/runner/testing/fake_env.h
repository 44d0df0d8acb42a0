// An environment made of a fixed table, for tests that must not touch the process environment.
#pragma once

#include <map>
#include <string>

#include "host/runner/env.h"

namespace vmx::host::testing {

inline EnvLookup FakeEnv(std::map<std::string, std::string> vars) {
  return [vars = std::move(vars)](const std::string& name) -> std::optional<std::string> {
    auto it = vars.find(name);
    if (it == vars.end()) return std::nullopt;
    return it->second;
  };
}

}  // namespace vmx::host::testing
