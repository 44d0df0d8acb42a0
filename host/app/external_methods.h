// The page's external methods as the injected script offers them.
#pragma once

#include "host/browser/bridge_protocol.h"

namespace vmx::host {

// Names and argument counts of CExternal's method table; the script matches names without regard
// to case and refuses another number of arguments before the host is asked.
inline constexpr BridgeMethod kExternalMethods[] = {
    {"ShowDialog", 2},
    {"FinishMake", 2},
    {"FinishMakeBat", 3},
};

}  // namespace vmx::host
