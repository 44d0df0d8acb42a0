// The request pattern: what counts as a job, a change of limits, "quit", or nothing.
#include "compiler/service/request.h"

#include <gtest/gtest.h>

namespace vmx {
namespace {

using Kind = Request::Kind;
using std::nullopt;
using namespace std::string_view_literals;

TEST(Request, PatternTable) {
  const struct {
    std::string_view text;
    Kind kind;
    int32_t seqid;
    std::optional<int32_t> width, height;
  } cases[] = {
      {"seqid=42", Kind::kJob, 42, nullopt, nullopt},
      {"seqid=17,", Kind::kJob, 17, nullopt, nullopt},
      {"seqid=17 and more", Kind::kJob, 17, nullopt, nullopt},
      {"seqid=42\r\n", Kind::kJob, 42, nullopt, nullopt},
      {"seqid= \t-5", Kind::kJob, -5, nullopt, nullopt},
      {"seqid=0", Kind::kJob, 0, nullopt, nullopt},
      {"seqid=4294967297", Kind::kJob, 1, nullopt, nullopt},
      {"seqid=42,800", Kind::kLimits, 0, 800, nullopt},
      {"seqid=42,800,600", Kind::kLimits, 0, 800, 600},
      {"seqid=42,800,600,7", Kind::kLimits, 0, 800, 600},
      {"seqid=42, 800 ,600", Kind::kLimits, 0, 800, nullopt},  // a comma must follow at once
      {"seqid=42,-1,x", Kind::kLimits, 0, -1, nullopt},
      {"seqid=", Kind::kUnknown, 0, nullopt, nullopt},
      {"seqid=x", Kind::kUnknown, 0, nullopt, nullopt},
      {"SEQID=42", Kind::kUnknown, 0, nullopt, nullopt},
      {" seqid=42", Kind::kUnknown, 0, nullopt, nullopt},
      {"seqid =42", Kind::kUnknown, 0, nullopt, nullopt},
      {"quit", Kind::kQuit, 0, nullopt, nullopt},
      {"quit\n", Kind::kQuit, 0, nullopt, nullopt},
      {"quitting", Kind::kQuit, 0, nullopt, nullopt},
      {"QUIT", Kind::kUnknown, 0, nullopt, nullopt},
      {" quit", Kind::kUnknown, 0, nullopt, nullopt},
      {"qui", Kind::kUnknown, 0, nullopt, nullopt},
      {"", Kind::kUnknown, 0, nullopt, nullopt},
      // A zero byte stops the pattern as the end of a C string would.
      {"seqid=4\0,800,600"sv, Kind::kJob, 4, nullopt, nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    Request r = parse_request(c.text);
    EXPECT_EQ(r.kind, c.kind);
    if (c.kind == Kind::kJob) {
      EXPECT_EQ(r.seqid, c.seqid);
    }
    EXPECT_EQ(r.max_width, c.width);
    EXPECT_EQ(r.max_height, c.height);
  }
}

}  // namespace
}  // namespace vmx
