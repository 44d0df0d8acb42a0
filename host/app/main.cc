// Trelvan: the authoring host. Shows the authoring page and compiles the frames it hands over.
#include <string>
#include <vector>

#include "host/app/application.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  vmx::host::TrelvanApp app(std::move(args));
  return app.Run();
}
