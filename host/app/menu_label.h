// Access keys in menu and button texts.
#pragma once

#include <string>
#include <string_view>

namespace vmx::host {

// Turns a text written with "&" before its access key ("文件(&F)") into a GTK mnemonic label
// ("文件(_F)"), keeping what the user sees: "&&" is a literal "&", and a "_" of the text is
// doubled so GTK does not take it for an access key.
std::string MenuLabel(std::string_view text);

}  // namespace vmx::host
