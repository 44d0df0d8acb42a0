// Little-endian field stores for packed records, and the scrambling rule of frame files.
// Records are byte vectors; fields sit at any offset, so nothing here relies on alignment or on
// the host's byte order.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <vector>

namespace vmx {

using Record = std::vector<uint8_t>;

inline constexpr uint8_t kScrambleMask = 0x5A;

inline void put_u8(std::span<uint8_t> out, size_t offset, int32_t value) {
  out[offset] = static_cast<uint8_t>(value);  // low 8 bits, never clamped
}

inline void put_u16(std::span<uint8_t> out, size_t offset, int32_t value) {
  auto v = static_cast<uint16_t>(value);
  out[offset] = uint8_t(v);
  out[offset + 1] = uint8_t(v >> 8);
}

inline void put_u32(std::span<uint8_t> out, size_t offset, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[offset + i] = uint8_t(v >> (8 * i));
}

inline void put_i32(std::span<uint8_t> out, size_t offset, int32_t value) {
  put_u32(out, offset, static_cast<uint32_t>(value));
}

// Rounded to the nearest single-precision value. A finite double beyond float's range would be
// undefined to convert, so it is rounded here as IEEE rounding would: to FLT_MAX, or to infinity
// from FLT_MAX plus half an ulp on.
inline float to_float(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  constexpr double kToInfinity = 0x1.ffffffp127;
  double magnitude = value < 0 ? -value : value;
  if (magnitude > kMax && magnitude != std::numeric_limits<double>::infinity()) {
    float f = magnitude >= kToInfinity ? std::numeric_limits<float>::infinity()
                                       : std::numeric_limits<float>::max();
    return value < 0 ? -f : f;
  }
  return static_cast<float>(value);
}

inline void put_f32(std::span<uint8_t> out, size_t offset, double value) {
  float f = to_float(value);
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  put_u32(out, offset, bits);
}

inline void put_f64(std::span<uint8_t> out, size_t offset, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, 8);
  for (int i = 0; i < 8; ++i) out[offset + i] = uint8_t(bits >> (8 * i));
}

inline uint32_t get_u32(std::span<const uint8_t> in, size_t offset) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t(in[offset + i]) << (8 * i);
  return v;
}

inline int32_t get_i32(std::span<const uint8_t> in, size_t offset) {
  return static_cast<int32_t>(get_u32(in, offset));
}

// XORs every byte with the mask. Records pass everything after their plain size word.
inline void scramble(std::span<uint8_t> bytes) {
  for (uint8_t& b : bytes) b ^= kScrambleMask;
}

}  // namespace vmx
