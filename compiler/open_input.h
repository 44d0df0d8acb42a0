// Opening an input file (photo, configuration) for binary reading.
#pragma once

#include <cstdio>
#include <string>

namespace vmx {

// fopen, except that a directory counts as a file that cannot be opened: fopen accepts one on
// this platform and only the first read fails, which would pass for an empty file.
std::FILE* open_input(const std::string& path);

}  // namespace vmx
