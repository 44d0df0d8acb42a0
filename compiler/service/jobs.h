// Numbered jobs from the configured input and output directories.
#pragma once

#include <cstdint>

namespace vmx {

// Compiles job `seqid` (taken as unsigned); returns its result code.
int32_t vxf_make_by_seqid(uint32_t seqid);

}  // namespace vmx
