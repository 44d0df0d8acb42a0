// log_message: the compiler's only message routine. Everything goes to standard output.
#pragma once

#include <optional>
#include <string>

namespace vmx {

// printf-style; adds nothing (no prefix, no line end). Texts beginning with "@" are progress lines.
void log_message(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A path that may be absent, as it appears in messages: absent paths print as "(null)".
inline const char* shown(const std::optional<std::string>& path) {
  return path ? path->c_str() : "(null)";
}

}  // namespace vmx
