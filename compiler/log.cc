// log_message writes straight to standard output and flushes, so that lines keep their order
// with anything a parent process or test interleaves.
#include "compiler/log.h"

#include <cstdarg>
#include <cstdio>

namespace vmx {

void log_message(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vfprintf(stdout, format, args);
  va_end(args);
  std::fflush(stdout);
}

}  // namespace vmx
