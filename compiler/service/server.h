// The loopback request server for numbered jobs.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace vmx {

struct ServerOptions {
  // How long an accepted client may take to send its request. A client that stays silent longer
  // is answered as an empty request, so it cannot hold up the clients queued behind it.
  std::chrono::milliseconds receive_timeout{5000};
  // Called once the socket listens, with the port it is bound to (a listen_port of 0 lets the
  // system choose one, which is how tests find a free port).
  std::function<void(uint16_t port)> on_listening;
};

// Serves requests on 127.0.0.1:listen_port, one connection at a time, until "quit". Returns 0
// then, 6 when the socket cannot be created, 7 when it cannot be bound or cannot listen.
int32_t run_request_server(const ServerOptions& options = {});

}  // namespace vmx
