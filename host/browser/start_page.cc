// Start page and batch mode from the command line.
#include "host/browser/start_page.h"

namespace vmx::host {
namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

StartPage ChooseStartPage(std::span<const std::string> args, std::string_view online_address) {
  StartPage page;
  if (!args.empty() && EqualsIgnoringAsciiCase(args[0], "-bat")) {
    page.batch_mode = true;
    page.is_local = true;
    page.address = args.size() > 1 && !args[1].empty() ? args[1] : std::string(kDefaultBatchPage);
  } else {
    page.address = online_address;
  }
  return page;
}

std::string AbsolutePath(std::string_view cwd, std::string_view path) {
  if (path.starts_with('/')) return std::string(path);
  std::string out(cwd);
  if (!out.ends_with('/')) out += '/';
  out += path;
  return out;
}

}  // namespace vmx::host
