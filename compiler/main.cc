// vmxmk: compiles a frame definition and a photo into a frame file; the exit status is the result.
#include "compiler/command_line.h"

int main(int argc, char** argv) { return vmx::run_vmxmk(argc, argv); }
