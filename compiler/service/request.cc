// The request pattern of the job server.
#include "compiler/service/request.h"

#include "compiler/definition/convert.h"

namespace vmx {

Request parse_request(std::string_view text) {
  Request request;
  constexpr std::string_view kSeqid = "seqid=";
  if (text.starts_with(kSeqid)) {
    int32_t numbers[3] = {};
    int count = scan_ints(text.substr(kSeqid.size()), numbers, 3);
    if (count == 1) {
      request.kind = Request::Kind::kJob;
      request.seqid = numbers[0];
      return request;
    }
    if (count >= 2) {
      request.kind = Request::Kind::kLimits;
      request.max_width = numbers[1];
      if (count == 3) request.max_height = numbers[2];
      return request;
    }
  }
  if (text.starts_with("quit")) request.kind = Request::Kind::kQuit;
  return request;
}

}  // namespace vmx
