// Loading a definition file into a TinyXML document.
#pragma once

#include <tinyxml.h>

#include <string>

namespace vmx {

// TinyXML's LoadFile with its default encoding, except for a directory: opening one for reading
// succeeds here, and the library would then size its buffer from the directory's seek end and
// try to allocate gigabytes. A directory is left unread, as a file that cannot be opened is.
bool load_definition(TiXmlDocument& document, const std::string& path);

}  // namespace vmx
