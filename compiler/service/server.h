// The loopback request server for numbered jobs.
#pragma once

#include <cstdint>

namespace vmx {

// Serves requests on 127.0.0.1:listen_port until "quit"; 0 then, 6 or 7 when it cannot start.
int32_t run_request_server();

}  // namespace vmx
