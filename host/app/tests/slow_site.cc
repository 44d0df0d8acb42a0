// A local web site for the wait panel test, on 127.0.0.1 only. The page answers at once; an image
// on it never answers, so the page itself never completes; its frame answers once the release
// file exists.
//
// Usage: slow_site PORT_FILE RELEASE_FILE   (writes the port it listens on to PORT_FILE)
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

constexpr char kPage[] =
    "<!DOCTYPE html><html><body style=\"margin:0\">"
    "<img src=\"/never.png\" style=\"position:absolute;left:0;top:400px\">"
    "<iframe src=\"/frame.html\" style=\"position:absolute;left:0;top:300px;border:0\"></iframe>"
    "</body></html>";
constexpr char kFrame[] = "<!DOCTYPE html><html><body>frame</body></html>";

void Serve(int client, std::string release_file) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    ssize_t n = read(client, buffer, sizeof buffer);
    if (n <= 0) {
      close(client);
      return;
    }
    request.append(buffer, static_cast<size_t>(n));
  }
  std::string path = request.substr(4, request.find(' ', 4) - 4);  // after "GET "
  if (path == "/never.png") {
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));  // until the test ends us
  }
  std::string body = kPage;
  if (path == "/frame.html") {
    struct stat info;
    while (stat(release_file.c_str(), &info) != 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    body = kFrame;
  }
  std::string response =
      "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
      "Content-Length: " +
      std::to_string(body.size()) + "\r\n\r\n" + body;
  for (size_t sent = 0; sent < response.size();) {
    ssize_t n = write(client, response.data() + sent, response.size() - sent);
    if (n <= 0) break;
    sent += static_cast<size_t>(n);
  }
  close(client);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: slow_site PORT_FILE RELEASE_FILE\n");
    return 2;
  }
  int server = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(server, 16) != 0 ||
      getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    std::perror("slow_site");
    return 1;
  }
  // Written to a temporary name first, so the test never reads half a number.
  std::string port_file = argv[1];
  FILE* out = std::fopen((port_file + ".part").c_str(), "w");
  if (!out) return 1;
  std::fprintf(out, "%d\n", ntohs(address.sin_port));
  std::fclose(out);
  std::rename((port_file + ".part").c_str(), port_file.c_str());

  for (;;) {
    int client = accept(server, nullptr, nullptr);
    if (client < 0) continue;
    std::thread(Serve, client, std::string(argv[2])).detach();
  }
}
