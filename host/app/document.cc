// Document file, title and caption.
#include "host/app/document.h"

namespace vmx::host {

std::optional<std::string> DocumentFileArgument(std::span<const std::string> args) {
  for (const std::string& arg : args) {
    if (!arg.empty() && arg[0] != '-') return arg;
  }
  return std::nullopt;
}

std::string DocumentTitle(const std::optional<std::string>& file) {
  if (!file) return std::string(kNewDocumentTitle);
  size_t slash = file->find_last_of('/');
  return slash == std::string::npos ? *file : file->substr(slash + 1);
}

std::string WindowCaption(std::string_view document_title) {
  std::string caption(document_title);
  caption += " - ";
  caption += kFrameTitle;
  return caption;
}

}  // namespace vmx::host
