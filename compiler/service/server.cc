// The request server: a thin socket loop around parse_request and vxf_make_by_seqid. One
// connection at a time, one receive, one reply "<code>,", then close.
#include "compiler/service/server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <thread>

#include "compiler/result_codes.h"
#include "compiler/service/descriptor.h"
#include "compiler/service/jobs.h"
#include "compiler/service/request.h"
#include "compiler/settings.h"

namespace vmx {
namespace {

constexpr int kBacklog = 50;
constexpr size_t kRequestBytes = 500;
constexpr int32_t kQuitReply = 1;
// After a failed accept (out of descriptors, say) the same failure usually repeats at once; the
// pause keeps the loop from spinning while it lasts.
constexpr std::chrono::milliseconds kAcceptPause{100};

int32_t answer(std::string_view text, bool& quit) {
  Request request = parse_request(text);
  switch (request.kind) {
    case Request::Kind::kJob:
      return vxf_make_by_seqid(static_cast<uint32_t>(request.seqid));
    case Request::Kind::kLimits:
      // The limits stay for every later job of the process.
      settings().max_width = *request.max_width;
      if (request.max_height) settings().max_height = *request.max_height;
      return kBadRequest;
    case Request::Kind::kQuit:
      quit = true;
      return kQuitReply;
    case Request::Kind::kUnknown:
      break;
  }
  return kBadRequest;
}

// Receives once and answers. A silent client runs into the receive timeout and, like one that
// closed first or failed, is answered as an empty request.
int32_t serve(int connection, bool& quit) {
  char buffer[kRequestBytes];
  ssize_t received;
  do {
    received = ::recv(connection, buffer, sizeof buffer, 0);
  } while (received < 0 && errno == EINTR);
  if (received <= 0) return kBadRequest;
  return answer(std::string_view(buffer, static_cast<size_t>(received)), quit);
}

void reply(int connection, int32_t code) {
  std::string text = std::to_string(code) + ",";
  // The client may have gone already; without MSG_NOSIGNAL that would raise SIGPIPE and end the
  // whole server. What the send returns changes nothing: the connection is closed either way.
  (void)::send(connection, text.data(), text.size(), MSG_NOSIGNAL);
}

}  // namespace

int32_t run_request_server(const ServerOptions& options) {
  // Close-on-exec everywhere: a compile must never hand the listener to a child process.
  Descriptor listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP));
  if (listener.get() < 0) return kNoSocket;

  // Lets a restarted server bind while connections of its predecessor linger in TIME_WAIT; a
  // second live listener on the port is still refused.
  int on = 1;
  ::setsockopt(listener.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);

  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(settings().listen_port & 0xFFFF));
  if (::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return kNoBind;
  // A socket that does not listen fails every accept, so the loop below would never end.
  if (::listen(listener.get(), kBacklog) != 0) return kNoBind;

  if (options.on_listening) {
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    ::getsockname(listener.get(), reinterpret_cast<sockaddr*>(&bound), &length);
    options.on_listening(ntohs(bound.sin_port));
  }

  auto timeout_us =
      std::chrono::duration_cast<std::chrono::microseconds>(options.receive_timeout).count();
  timeval receive_timeout{};
  receive_timeout.tv_sec = static_cast<time_t>(timeout_us / 1000000);
  receive_timeout.tv_usec = static_cast<suseconds_t>(timeout_us % 1000000);

  bool quit = false;
  while (!quit) {
    int fd = ::accept4(listener.get(), nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno != EINTR) std::this_thread::sleep_for(kAcceptPause);
      continue;
    }
    Descriptor connection(fd);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &receive_timeout, sizeof receive_timeout);
    reply(fd, serve(fd, quit));
  }
  return kOk;
}

}  // namespace vmx
