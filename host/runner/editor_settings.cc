// Reading the photo editor's registration from the user's settings file.
#include "host/runner/editor_settings.h"

#include "host/runner/ascii.h"

namespace vmx::host {
namespace {

std::string_view Trimmed(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t\r");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t\r");
  return text.substr(begin, end - begin + 1);
}

}  // namespace

std::optional<std::string> EditorSettingsPath(const EnvLookup& env) {
  // Relative values are ignored, as the base directory rules ask.
  std::optional<std::string> config = env("XDG_CONFIG_HOME");
  if (config && !config->empty() && (*config)[0] == '/') return *config + "/vimox/settings.ini";
  std::optional<std::string> home = env("HOME");
  if (home && !home->empty()) return *home + "/.config/vimox/settings.ini";
  return std::nullopt;
}

std::string InstallPathFromSettings(std::string_view text) {
  if (text.starts_with("\xef\xbb\xbf")) text.remove_prefix(3);  // editors on some systems add one
  bool in_section = false;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = Trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      in_section =
          line.back() == ']' &&
          EqualsIgnoringAsciiCase(Trimmed(line.substr(1, line.size() - 2)), kEditorSettingsSection);
      continue;
    }
    size_t equals = line.find('=');
    if (!in_section || equals == std::string_view::npos) continue;
    if (EqualsIgnoringAsciiCase(Trimmed(line.substr(0, equals)), kEditorInstallPathKey)) {
      return std::string(Trimmed(line.substr(equals + 1)));
    }
  }
  return "";
}

}  // namespace vmx::host
