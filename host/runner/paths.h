// Path text helpers of the runner: joining, the folder of a file, the save dialog's default
// extension.
#pragma once

#include <string>
#include <string_view>

namespace vmx::host {

// `folder` + "/" + `name`, without doubling a separator that `folder` already ends with. An empty
// folder gives "/" + name, as formatting "%s/%s" would.
std::string JoinPath(std::string_view folder, std::string_view name);

// The path with its last component removed: "/home/u/a.jpg" gives "/home/u", "/a.jpg" keeps the
// root "/", and a path without any separator gives "".
std::string RemoveFileSpec(std::string_view path);

// Appends "." + `extension` when the last component of `path` has no extension, as a save
// dialog with a default extension does with a typed name.
std::string AddDefaultExtension(std::string_view path, std::string_view extension);

}  // namespace vmx::host
