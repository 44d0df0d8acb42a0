// Photo address decoding.
#include "host/runner/url_decode.h"

#include "host/runner/ascii.h"

namespace vmx::host {
namespace {

// Bytes of 128 and above are never digits, whatever the locale says.
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr std::string_view kFilePrefix = "file:///";

}  // namespace

size_t UrlDecode(char* text, size_t n) {
  size_t out = 0;
  for (size_t in = 0; in < n; ++in) {
    char c = text[in];
    if (c == '+') {
      c = ' ';
    } else if (c == '%' && in + 2 < n) {
      int high = HexValue(text[in + 1]);
      int low = HexValue(text[in + 2]);
      if (high >= 0 && low >= 0) {
        c = static_cast<char>(high * 16 + low);
        in += 2;
      }
    }
    text[out++] = c;
  }
  text[out] = '\0';
  return out;
}

std::string UrlDecoded(std::string_view address) {
  std::string text(address);
  text.resize(UrlDecode(text.data(), text.size()));
  if (size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
  return text;
}

std::optional<std::string> PhotoPathFromAddress(std::string_view decoded) {
  if (decoded.size() < kFilePrefix.size()) return std::nullopt;
  for (size_t i = 0; i < kFilePrefix.size(); ++i) {
    if (AsciiLower(decoded[i]) != kFilePrefix[i]) return std::nullopt;
  }
  std::string_view rest = decoded.substr(kFilePrefix.size());
  if (rest.empty()) return std::string();
  return "/" + std::string(rest);
}

}  // namespace vmx::host
