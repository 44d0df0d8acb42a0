// Which page the host shows and whether it runs in batch mode, chosen from the command line.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vmx::host {

// The local batch page used when "-bat" names no page. Relative: it resolves against the current
// directory, as every local page given on the command line does.
inline constexpr std::string_view kDefaultBatchPage = "../../../html/zuvuzedu_ol_bat.html";

struct StartPage {
  bool batch_mode = false;
  // The online page's address, or a local page exactly as the command line gave it.
  std::string address;
  bool is_local = false;  // true: `address` is a file path still to be resolved
};

// `args` are the arguments after the program name. Batch mode needs "-bat" (ASCII letters in any
// case) as the first argument; the page is then the second argument unchanged, or the default
// batch page when it is empty or absent. Anything else shows `online_address`.
StartPage ChooseStartPage(std::span<const std::string> args, std::string_view online_address);

// `path` made absolute against `cwd` (an absolute path stays as it is). The result is not
// normalised; "." and ".." stay for the web view's address parsing to resolve.
std::string AbsolutePath(std::string_view cwd, std::string_view path);

}  // namespace vmx::host
