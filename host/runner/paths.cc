// Path text helpers.
#include "host/runner/paths.h"

namespace vmx::host {

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

std::string RemoveFileSpec(std::string_view path) {
  size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return "";
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string AddDefaultExtension(std::string_view path, std::string_view extension) {
  size_t slash = path.rfind('/');
  std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::string result(path);
  if (extension.empty() || last.empty() || last.find('.') != std::string_view::npos) return result;
  result += '.';
  result += extension;
  return result;
}

}  // namespace vmx::host
