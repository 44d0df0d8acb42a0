// A bounded TCP client for 127.0.0.1, shared by the request server's tests and its benchmark.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdint>
#include <string>

namespace vmx::testing {

// Connects to 127.0.0.1:port; -1 when nothing listens. Every wait of the client is bounded by
// `seconds`, so a server that never answers fails the caller instead of hanging it.
inline int connect_to(uint16_t port, time_t seconds) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  timeval limit{seconds, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Everything the peer sends until it closes (or the wait runs out).
inline std::string read_to_end(int fd) {
  std::string reply;
  char buffer[64];
  ssize_t n;
  while ((n = ::recv(fd, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, size_t(n));
  return reply;
}

}  // namespace vmx::testing
