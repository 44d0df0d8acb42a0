// Conversions written to the rules the frame format was defined with (see convert.h).
#include "compiler/definition/convert.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <string>

namespace vmx {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

size_t skip_space(std::string_view text, size_t i) {
  while (i < text.size() && is_space(text[i])) ++i;
  return i;
}

// One "%d" at position i: white space, sign, at least one digit. Returns false on mismatch.
bool scan_one(std::string_view text, size_t& i, int32_t& value) {
  size_t p = skip_space(text, i);
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  if (p >= text.size() || !is_digit(text[p])) return false;
  uint32_t acc = 0;
  while (p < text.size() && is_digit(text[p])) acc = acc * 10u + uint32_t(text[p++] - '0');
  value = static_cast<int32_t>(negative ? 0u - acc : acc);
  i = p;
  return true;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

}  // namespace

bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int32_t to_int(std::string_view text) {
  size_t i = 0;
  int32_t value = 0;
  return scan_one(text, i, value) ? value : 0;
}

double to_double(std::string_view text) {
  size_t p = skip_space(text, 0);
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  // Collect the mantissa and exponent into a plain form that from_chars reads exactly.
  std::string number;
  size_t digits = 0;
  while (p < text.size() && is_digit(text[p])) number += text[p++], ++digits;
  if (p < text.size() && text[p] == '.') {
    number += text[p++];
    while (p < text.size() && is_digit(text[p])) number += text[p++], ++digits;
  }
  if (digits == 0) return 0.0;  // a sign alone is not a number: +0.0, not -0.0
  if (p < text.size() && (lower(text[p]) == 'e' || lower(text[p]) == 'd')) {
    size_t q = p + 1;
    std::string exponent = "e";
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) exponent += text[q++];
    if (q < text.size() && is_digit(text[q])) {
      while (q < text.size() && is_digit(text[q])) exponent += text[q++];
      number += exponent;
    }
  }
  double value = 0.0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::general);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // Beyond double's range, and the sign of the written exponent does not tell which way: a
    // fraction with 400 leading zeros is tiny, 500 digits before an "e-100" are huge. strtod in
    // the "C" locale, handed the plain form built above, knows: infinity or zero.
    static const locale_t c_locale = ::newlocale(LC_ALL_MASK, "C", nullptr);
    value = ::strtod_l(number.c_str(), nullptr, c_locale);
  }
  return negative ? -value : value;
}

int scan_ints(std::string_view text, int32_t* out, int count, size_t* used) {
  size_t i = 0;
  int read = 0;
  while (read < count) {
    if (read > 0) {
      if (i >= text.size() || text[i] != ',') break;
      size_t after_comma = i + 1;
      int32_t value;
      if (!scan_one(text, after_comma, value)) break;
      out[read++] = value;
      i = after_comma;
    } else {
      int32_t value;
      if (!scan_one(text, i, value)) break;
      out[read++] = value;
    }
  }
  if (used) *used = i;
  return read;
}

bool equals_ascii_nocase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace vmx
