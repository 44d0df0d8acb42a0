// The compiler's process-wide settings, filled with defaults at start and then changed by the
// configuration file, the command line and server requests. Every compile reads what stands then.
#pragma once

#include <cstdint>
#include <string>

namespace vmx {

struct Settings {
  int32_t listen_port = 1637;  // its low 16 bits are the TCP port
  std::string input_dir;       // held in full: a cut directory would name another place
  std::string output_dir;
  std::string magick_log;      // stored only; nothing reads it
  int32_t limit_seqid = 0;     // taken as unsigned when it divides
  int32_t max_width = 0;
  int32_t max_height = 0;
};

// The one record of the process.
Settings& settings();

}  // namespace vmx
