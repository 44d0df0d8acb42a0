// Configuration file reader. Lines are cut at 999 bytes (the rest reads as a line of its own), a
// carriage return before a line feed is dropped as text-mode reading did, and values are held in
// full.
#include "compiler/service/config.h"


#include <cstdio>
#include <cstring>

#include "compiler/definition/convert.h"
#include "compiler/log.h"
#include "compiler/open_input.h"
#include "compiler/result_codes.h"
#include "compiler/settings.h"

namespace vmx {
namespace {

constexpr size_t kLineBytes = 999;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool is_key_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

size_t skip_blanks(std::string_view text, size_t i) {
  while (i < text.size() && is_blank(text[i])) ++i;
  return i;
}

// Reads one line as fgets would into a 1000-byte buffer: up to and including the line feed, or
// 999 bytes. A CR directly before LF is dropped first, as text mode did.
bool read_line(std::FILE* in, std::string& line) {
  line.clear();
  int c;
  while (line.size() < kLineBytes && (c = std::fgetc(in)) != EOF) {
    if (c == '\r') {
      int next = std::fgetc(in);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, in);
      }
    }
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  return !line.empty();
}

}  // namespace

void read_limit_size(std::string_view text) {
  int32_t values[2] = {settings().max_width, settings().max_height};
  scan_ints(text, values, 2);
  settings().max_width = values[0];
  settings().max_height = values[1];
}

void apply_config_line(std::string_view line) {
  // The line is a C string to the rules it was written for: a zero byte ends it.
  line = line.substr(0, line.find('\0'));
  size_t start = skip_blanks(line, 0);
  if (start < line.size() && line[start] == '#') return;
  size_t equals = line.find('=', start);
  if (equals == std::string_view::npos) return;

  std::string value(line.substr(skip_blanks(line, equals + 1)));
  size_t key_end = start;
  while (key_end < equals && is_key_char(line[key_end])) ++key_end;
  std::string key(line.substr(start, key_end - start));
  if (!value.empty() && value.back() == '\n') value.pop_back();

  Settings& s = settings();
  if (equals_ascii_nocase(key, "listen_port")) {
    s.listen_port = to_int(value);
  } else if (equals_ascii_nocase(key, "input_dir")) {
    s.input_dir = value;
  } else if (equals_ascii_nocase(key, "output_dir")) {
    s.output_dir = value;
  } else if (equals_ascii_nocase(key, "magick_log")) {
    s.magick_log = value;
  } else if (equals_ascii_nocase(key, "limit_seqid")) {
    s.limit_seqid = to_int(value);
  } else if (equals_ascii_nocase(key, "limit_size")) {
    read_limit_size(value);
  } else {
    log_message("@vxf_read_config: invalid config key name(%s=>%s).\n", key.c_str(),
                value.c_str());
  }
}

int32_t vxf_read_config(const std::string& program_name) {
  // The name is used exactly as the program was started, never cut.
  std::string file_name = program_name + ".ini";
  std::FILE* in = open_input(file_name);
  if (!in) {
    log_message("@vxf_read_config: open config file failed(%s).\n", file_name.c_str());
    return kNoConfig;
  }
  std::string line;
  while (read_line(in, line)) apply_config_line(line);
  std::fclose(in);
  return kOk;
}

}  // namespace vmx
