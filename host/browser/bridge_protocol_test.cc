// Tests of the bridge's request decoding.
#include "host/browser/bridge_protocol.h"

#include <gtest/gtest.h>

namespace vmx::host {
namespace {

using namespace std::string_literals;

const std::string kCall = "trelvan-external://call/";

TEST(BridgeRequestTest, DecodesMethodAndArguments) {
  struct Case {
    const char* label;
    std::string uri, body;
    std::string method;
    std::vector<std::string> args;
  } cases[] = {
      {"no arguments", kCall + "ShowDialog", "", "ShowDialog", {}},
      {"three",
       kCall + "FinishMakeBat",
       "7:frame01,3:<a>,13:file:///a%20b,",
       "FinishMakeBat",
       {"frame01", "<a>", "file:///a%20b"}},
      {"empty arguments", kCall + "FinishMake", "0:,0:,", "FinishMake", {"", ""}},
      {"separators inside", kCall + "x", "5:a:1,b,", "x", {"a:1,b"}},
      {"UTF-8 counted in bytes", kCall + "x", "6:\xe5\xb9\xbb\xe6\xa0\xbc,", "x", {"幻格"}},
      {"a zero byte ends the text", kCall + "x", "3:a\0b,1:c,"s, "x", {"a", "c"}},
      {"name case kept", kCall + "finishmake", "", "finishmake", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::optional<BridgeCall> call = DecodeBridgeRequest(c.uri, c.body);
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->method, c.method);
    EXPECT_EQ(call->args, c.args);
  }
}

TEST(BridgeRequestTest, RefusesWhatIsNotACompleteCall) {
  struct Case {
    const char* label;
    std::string uri, body;
  } cases[] = {
      {"other scheme", "https://call/FinishMake", ""},
      {"no method", kCall, ""},
      {"method with a path", kCall + "FinishMake/x", ""},
      {"method with a query", kCall + "FinishMake?a=1", ""},
      {"non-ASCII method", kCall + "Finish\xc3\xa9", ""},
      {"missing comma", kCall + "x", "3:abc"},
      {"wrong terminator", kCall + "x", "3:abc;"},
      {"length too long", kCall + "x", "9:abc,"},
      {"length too short", kCall + "x", "2:abc,"},
      {"no length", kCall + "x", ":abc,"},
      {"sign in length", kCall + "x", "+3:abc,"},
      {"no colon", kCall + "x", "3abc,"},
      {"huge length", kCall + "x", "99999999999:a,"},
      {"trailing bytes", kCall + "x", "1:a,z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(DecodeBridgeRequest(c.uri, c.body).has_value());
  }
}

}  // namespace
}  // namespace vmx::host
