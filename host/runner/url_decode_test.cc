// Tests of photo address decoding and the "file:///" prefix.
#include "host/runner/url_decode.h"

#include <gtest/gtest.h>

namespace vmx::host {
namespace {

TEST(UrlDecodeTest, DecodesOnceAndKeepsWhatIsNotAnEscape) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"a+b", "a b"},
      {"My%20Pics", "My Pics"},
      {"%2541", "%41"},  // decoded once, not twice
      {"x%41", "xA"},    // an escape right at the end
      {"x%4", "x%4"},    // too short to be an escape
      {"x%", "x%"},
      {"%4G%G1", "%4G%G1"},
      {"%e4%B8%ad", "\xe4\xb8\xad"},  // bytes pass through, no character set conversion
      {"%%41", "%A"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    std::string buffer = c.in;
    size_t n = UrlDecode(buffer.data(), buffer.size());
    EXPECT_EQ(buffer.substr(0, n), c.out);
    EXPECT_EQ(buffer.c_str()[n], '\0');
  }
}

TEST(UrlDecodeTest, EscapedZeroEndsTheText) {
  EXPECT_EQ(UrlDecoded("file:///a%00b.jpg"), "file:///a");
}

TEST(PhotoPathTest, PrefixIsCheckedWithoutRegardToCase) {
  struct Case {
    std::string decoded;
    std::optional<std::string> path;
  } cases[] = {
      {"file:///home/u/a.jpg", "/home/u/a.jpg"},
      {"FILE:///home/u/a.jpg", "/home/u/a.jpg"},
      {"File:///x", "/x"},
      {"file:///", ""},  // the bare prefix: an empty path, which exists nowhere
      {"file://home/u/a.jpg", std::nullopt},
      {"http://example.com/a.jpg", std::nullopt},
      {"/home/u/a.jpg", std::nullopt},
      {"file:/", std::nullopt},
      {"\xef\xac\x81le:///x", std::nullopt},  // a non-ASCII look-alike is not a letter "fi"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.decoded);
    EXPECT_EQ(PhotoPathFromAddress(c.decoded), c.path);
  }
}

}  // namespace
}  // namespace vmx::host
