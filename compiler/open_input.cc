// Input files are regular reads; directories are refused up front.
#include "compiler/open_input.h"

#include <sys/stat.h>

namespace vmx {

std::FILE* open_input(const std::string& path) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  struct stat st;
  if (in && (::fstat(fileno(in), &st) != 0 || S_ISDIR(st.st_mode))) {
    std::fclose(in);
    return nullptr;
  }
  return in;
}

}  // namespace vmx
