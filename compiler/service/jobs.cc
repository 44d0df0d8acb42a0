// Numbered jobs: a definition named after its seqid in input_dir, its frame file in output_dir,
// its photo found beside the definition.
#include "compiler/service/jobs.h"

#include <tinyxml.h>

#include "compiler/definition/load.h"
#include "compiler/frame/maker.h"
#include "compiler/log.h"
#include "compiler/result_codes.h"

namespace vmx {

JobPaths job_paths(const Settings& s, uint32_t seqid) {
  std::string name = std::to_string(static_cast<int32_t>(seqid));
  if (s.limit_seqid != 0) {
    uint32_t bucket = seqid / static_cast<uint32_t>(s.limit_seqid);
    name = std::to_string(static_cast<int32_t>(bucket)) + "/" + name;
  }
  return {s.input_dir + "/" + name + ".xml", s.output_dir + "/" + name + ".vmf"};
}

int32_t vxf_make_by_seqid(uint32_t seqid) {
  const Settings& s = settings();
  if (s.input_dir.empty() || s.output_dir.empty()) return kNoJobDirs;
  JobPaths paths = job_paths(s, seqid);

  TiXmlDocument document;
  if (!load_definition(document, paths.definition)) {
    log_message("vxf_make_by_seqid: can't read image file(%s)!\n", paths.definition.c_str());
    return kJobUnreadable;
  }
  // No image path: make_by_path looks for the job's photo beside its definition.
  return make_by_path(document, paths.definition, std::nullopt, paths.output);
}

}  // namespace vmx
