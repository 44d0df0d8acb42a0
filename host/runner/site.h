// Addresses on the system's web site: the editor's download page and the online authoring page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vmx::host {

inline constexpr std::string_view kDownloadPagePath = "/download.html";
inline constexpr std::string_view kOnlinePagePath = "/html/zuvuzedu_ol.html";

// The environment variable that replaces the site's base address chosen at build time.
inline constexpr const char* kSiteBaseVariable = "VIMOX_SITE_BASE";

// The base address (the override when it is set and not empty, else the build's), without a
// trailing "/", followed by `path`.
std::string SiteAddress(const std::optional<std::string>& base_override, std::string_view path);

}  // namespace vmx::host
