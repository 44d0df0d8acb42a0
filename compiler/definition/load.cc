// Definition files are handed to TinyXML as they are; only directories are kept from it.
#include "compiler/definition/load.h"

#include <sys/stat.h>

namespace vmx {

bool load_definition(TiXmlDocument& document, const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return false;
  return document.LoadFile(path.c_str(), TIXML_DEFAULT_ENCODING);
}

}  // namespace vmx
