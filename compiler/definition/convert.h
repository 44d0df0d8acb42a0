// Text-to-number conversions of definitions, option values, configuration values and requests.
// They are written out rather than taken from the C library: atoi saturates where these wrap
// modulo 2^32, strtod accepts hex, "inf", "nan" and follows the locale, and no library function
// knows the 'd'/'D' exponent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vmx {

// Leading white space, optional sign, decimal digits up to the first other character,
// accumulated in 32-bit two's complement with wrap-around. No digits gives 0.
int32_t to_int(std::string_view text);

// Leading white space, then the longest decimal number prefix (sign, digits, '.', fraction,
// exponent introduced by e/E/d/D); the nearest double. Nothing numeric gives 0.0.
double to_double(std::string_view text);

// Matches "%d,%d,...": each number may follow white space and carry a sign; each comma must
// directly follow the number before it. Reads at most `count` numbers into `out` and returns how
// many were read; the rest of `out` is left alone. `used`, when given, receives the length of
// text consumed by the numbers read.
int scan_ints(std::string_view text, int32_t* out, int count, size_t* used = nullptr);

bool is_space(char c);

// ASCII-only case-insensitive equality, as the system compares names and options.
bool equals_ascii_nocase(std::string_view a, std::string_view b);

}  // namespace vmx
