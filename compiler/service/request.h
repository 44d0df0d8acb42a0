// Reading one request of the job server: "seqid=%d,%d,%d" or "quit".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vmx {

struct Request {
  enum class Kind {
    kJob,      // one number: compile that job
    kLimits,   // two or three numbers: new maximum width (and height); no job runs
    kQuit,     // begins with "quit": answer, then stop serving
    kUnknown,  // empty or anything else
  };
  Kind kind = Kind::kUnknown;
  int32_t seqid = 0;
  std::optional<int32_t> max_width;
  std::optional<int32_t> max_height;
};

// "seqid=" must stand at the very start, case included; reading stops at the first character
// the pattern cannot take (a zero byte among them) and ignores the rest, so a trailing line end
// or comment does no harm.
Request parse_request(std::string_view text);

}  // namespace vmx
