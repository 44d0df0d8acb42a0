// The compiler's front door: usage text, configuration file, command-line scan.
#pragma once

#include <cstdint>
#include <span>

namespace vmx {

// The whole run: usage when there are no arguments, else configuration file and scan.
// Returns the exit status.
int32_t run_vmxmk(int argc, char** argv);

// Scans arguments 1.. and runs the compile, the numbered job or the server they ask for.
int32_t parse_command_line(std::span<char* const> args);

void print_usage();

}  // namespace vmx
