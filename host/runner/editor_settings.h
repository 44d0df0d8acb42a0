// The photo editor's registration on this system: a small settings file of the user's.
//
//   $XDG_CONFIG_HOME/vimox/settings.ini   ($XDG_CONFIG_HOME defaults to $HOME/.config)
//
//   [Software\Vimox]
//   Install Path=/opt/vimox
//
// Section and key names are matched without regard to ASCII case; blanks around them and around
// the value are ignored, as are empty lines and lines starting with ";" or "#".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/runner/env.h"

namespace vmx::host {

inline constexpr std::string_view kEditorSettingsSection = "Software\\Vimox";
inline constexpr std::string_view kEditorInstallPathKey = "Install Path";

// The settings file's path; nullopt when neither $XDG_CONFIG_HOME (absolute) nor $HOME is set.
std::optional<std::string> EditorSettingsPath(const EnvLookup& env);

// The "Install Path" value of the editor's section in the file's text; "" when missing.
std::string InstallPathFromSettings(std::string_view text);

}  // namespace vmx::host
