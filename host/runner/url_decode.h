// Decoding of the photo address the page hands over: "+" and %XX escapes, and the "file:///"
// prefix.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vmx::host {

// Decodes "+" to a blank and "%" followed by two hexadecimal digits to that byte, in place, in one
// pass (so "%2541" gives "%41"). Anything else, a "%" without two digits after it included, is
// kept. Writes a zero byte after the result, so `text` needs room for n + 1 bytes. Returns the new
// length.
size_t UrlDecode(char* text, size_t n);

// The decoded address cut at its first zero byte (an escaped %00 ends the text there).
std::string UrlDecoded(std::string_view address);

// The local path a decoded photo address names: "file:///home/u/a.jpg" names "/home/u/a.jpg".
// nullopt when the text does not begin with "file:///" (ASCII letters in any case). The bare
// prefix gives an empty path.
std::optional<std::string> PhotoPathFromAddress(std::string_view decoded);

}  // namespace vmx::host
