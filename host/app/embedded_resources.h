// The bytes the build carries inside the program (see embedded_resources.S).
#pragma once

#include <cstdint>
#include <span>

extern "C" {
extern const uint8_t trelvan_compiler_begin[];
extern const uint8_t trelvan_compiler_end[];
extern const uint8_t trelvan_icon_begin[];
extern const uint8_t trelvan_icon_end[];
}

namespace vmx::host {

// The compiler program, byte for byte.
inline std::span<const uint8_t> CarriedCompiler() {
  return {trelvan_compiler_begin, trelvan_compiler_end};
}

// The application icon, a 48 x 48 PNG image.
inline std::span<const uint8_t> CarriedIcon() { return {trelvan_icon_begin, trelvan_icon_end}; }

}  // namespace vmx::host
