// Command-line scan. The order of the tests decides what an argument means; see the comments at
// "-seqid" and "-server", which end the scan.
#include "compiler/command_line.h"

#include <tinyxml.h>

#include <string_view>

#include "compiler/definition/convert.h"
#include "compiler/definition/load.h"
#include "compiler/frame/maker.h"
#include "compiler/log.h"
#include "compiler/result_codes.h"
#include "compiler/service/config.h"
#include "compiler/service/jobs.h"
#include "compiler/service/server.h"
#include "compiler/settings.h"

namespace vmx {
namespace {

bool is_definition_file(std::string_view arg) {
  size_t dot = arg.rfind('.');
  return dot != std::string_view::npos && equals_ascii_nocase(arg.substr(dot), ".xml");
}

}  // namespace

void print_usage() {
  log_message(
      "vimox frame maker v0.1 (20081130)\n"
      "\t-is path     \tinput string of the define frame xml\n"
      "\t-if path     \tinput path of the define frame xml\n"
      "\t-ii path     \tinput image path\n"
      "\t-o path      \toutput frame path\n"
      "\t-seqid number\tinput seqid id\n"
      "\t-server      \tstart server accept request\n"
      "\t-limit_size width,[height]\n"
      "\t-limit_seqid seqid\n");
}

int32_t parse_command_line(std::span<char* const> args) {
  TiXmlDocument document;
  Path definition, image, output;
  bool taken = false;

  for (size_t i = 1; i < args.size(); ++i) {
    std::string_view arg = args[i];
    bool has_value = i + 1 < args.size();
    auto is = [&](std::string_view option) { return equals_ascii_nocase(arg, option); };

    if (!taken && is("-is")) {
      if (!has_value) continue;
      // The parse outcome is not examined: Make reports a missing root element.
      document.Parse(args[++i], nullptr, TIXML_DEFAULT_ENCODING);
      taken = true;
    } else if (!taken && is("-if")) {
      if (!has_value) continue;
      definition = args[++i];
      load_definition(document, *definition);
      taken = true;
    } else if (is("-ii")) {
      if (has_value) image = args[++i];
    } else if (is("-o")) {
      if (has_value) output = args[++i];
    } else if (is("-seqid")) {
      if (!has_value) continue;
      int32_t seqid = to_int(args[++i]);
      // 0 (or not a number) ends the scan and compiles what was gathered; anything else runs
      // the job instead, and the definition gathered so far is dropped.
      if (seqid == 0) break;
      return vxf_make_by_seqid(static_cast<uint32_t>(seqid));
    } else if (is("-server")) {
      return run_request_server();
    } else if (is("-limit_size")) {
      if (has_value) read_limit_size(args[++i]);
    } else if (is("-limit_seqid")) {
      if (has_value) settings().limit_seqid = to_int(args[++i]);
    } else if (!taken && is_definition_file(arg)) {
      definition = std::string(arg);
      load_definition(document, *definition);
      taken = true;
    }
  }
  return make_by_path(document, definition, image, output);
}

int32_t run_vmxmk(int argc, char** argv) {
  if (argc <= 1) {
    print_usage();
    return kUsage;
  }
  vxf_read_config(argv[0]);
  return parse_command_line(std::span<char* const>(argv, static_cast<size_t>(argc)));
}

}  // namespace vmx
