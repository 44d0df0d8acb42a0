// The single settings record of the process.
#include "compiler/settings.h"

namespace vmx {

Settings& settings() {
  static Settings instance;
  return instance;
}

}  // namespace vmx
