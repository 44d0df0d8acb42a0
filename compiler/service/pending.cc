// Placeholders until numbered jobs and the request server are written.
#include "compiler/result_codes.h"
#include "compiler/service/jobs.h"
#include "compiler/service/server.h"

namespace vmx {

int32_t vxf_make_by_seqid(uint32_t) { return kNoJobDirs; }
int32_t run_request_server() { return kNoSocket; }

}  // namespace vmx
