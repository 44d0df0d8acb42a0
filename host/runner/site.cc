// Web site addresses.
#include "host/runner/site.h"

#ifndef VMX_SITE_BASE
#define VMX_SITE_BASE "https://www.vimox.example"
#endif

namespace vmx::host {

std::string SiteAddress(const std::optional<std::string>& base_override, std::string_view path) {
  std::string base = base_override && !base_override->empty() ? *base_override : VMX_SITE_BASE;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + std::string(path);
}

}  // namespace vmx::host
