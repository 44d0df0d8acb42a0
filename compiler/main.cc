// vmxmk: compiles a frame definition and a photo into a frame file; the exit status is the result.
#include <csignal>

#include "compiler/command_line.h"

int main(int argc, char** argv) {
  // A reader that goes away (a closed pipe on standard output, a server client that hung up)
  // must not kill a compile halfway through writing its file; writes then simply fail.
  std::signal(SIGPIPE, SIG_IGN);
  return vmx::run_vmxmk(argc, argv);
}
