// Numbered jobs from the configured input and output directories.
#pragma once

#include <cstdint>
#include <string>

#include "compiler/settings.h"

namespace vmx {

struct JobPaths {
  std::string definition;  // <input_dir>/[<bucket>/]<seqid>.xml
  std::string output;      // <output_dir>/[<bucket>/]<seqid>.vmf
};

// Where job `seqid` lives under `s`. With a nonzero limit_seqid the job sits in bucket
// seqid / limit_seqid, both unsigned; seqid and bucket are written as signed numbers. The
// directories are joined as written, held in full however long they are.
JobPaths job_paths(const Settings& s, uint32_t seqid);

// Compiles job `seqid` (taken as unsigned) with the current settings; returns its result code:
// 12 when a job directory is not configured, 2 when the definition cannot be loaded.
int32_t vxf_make_by_seqid(uint32_t seqid);

}  // namespace vmx
