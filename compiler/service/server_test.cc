// The request server over real loopback sockets: replies, lasting limits, clients that misbehave,
// a load of concurrent clients, descriptors, binding, and the "-server" command line.
#include "compiler/service/server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <future>
#include <iostream>
#include <thread>

#include "compiler/result_codes.h"
#include "compiler/settings.h"
#include "compiler/service/descriptor.h"
#include "compiler/testing/loopback_client.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::write_file;

std::string job_definition(const std::string& name) {
  return testing::definition("<element left='1' top='2' width='30' height='40'/>",
                             "<action name='negative' id='9'/>", "<name>" + name + "</name>");
}

int connect_to(uint16_t port) { return testing::connect_to(port, 10); }
using testing::read_to_end;

enum class Then { kWait, kCloseWrite };

// Sends one request and returns the whole reply; nullopt when nothing listens. kCloseWrite ends
// the client's side after the request, as a client that sends nothing and closes does.
std::optional<std::string> ask(uint16_t port, std::string_view request, Then then = Then::kWait) {
  Descriptor client(connect_to(port));
  if (client.get() < 0) return std::nullopt;
  if (!request.empty()) ::send(client.get(), request.data(), request.size(), MSG_NOSIGNAL);
  if (then == Then::kCloseWrite) ::shutdown(client.get(), SHUT_WR);
  return read_to_end(client.get());
}

// Connects, optionally sends, and resets the connection at once (no reply is read): the server's
// reply then goes to a connection that no longer exists.
void reset_after(uint16_t port, std::string_view request) {
  Descriptor client(connect_to(port));
  if (!request.empty()) ::send(client.get(), request.data(), request.size(), MSG_NOSIGNAL);
  linger abort_on_close{1, 0};
  ::setsockopt(client.get(), SOL_SOCKET, SO_LINGER, &abort_on_close, sizeof abort_on_close);
}

size_t open_descriptors() {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

// Runs run_request_server in a thread of the test process on a port the system picks, with a
// short receive timeout, and always stops it again.
class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings() = Settings{};
    settings().listen_port = 0;
    settings().input_dir = dir / "in";
    settings().output_dir = dir / "out";
    fs::create_directories(dir / "in");
    fs::create_directories(dir / "out");
    // Jobs log every step; keep that out of the test report unless something failed.
    ::testing::internal::CaptureStdout();
  }

  void TearDown() override {
    stop();
    std::string log = ::testing::internal::GetCapturedStdout();
    if (HasFailure()) std::cerr << log;  // gtest's own failure lines were captured as well
    settings() = Settings{};
  }

  // Starts the server; returns its port, or 0 when it did not come up.
  uint16_t start(std::chrono::milliseconds receive_timeout = 200ms) {
    auto listening = std::make_shared<std::promise<uint16_t>>();
    std::future<uint16_t> port = listening->get_future();
    ServerOptions options;
    options.receive_timeout = receive_timeout;
    options.on_listening = [listening](uint16_t p) { listening->set_value(p); };
    result_ = std::async(std::launch::async, [options] { return run_request_server(options); });
    for (int i = 0; i < 500; ++i) {
      if (port.wait_for(20ms) == std::future_status::ready) return port_ = port.get();
      if (result_.wait_for(0ms) == std::future_status::ready) break;
    }
    ADD_FAILURE() << "the server did not start";
    return 0;
  }

  // Sends "quit" until the server has ended; returns its result.
  int32_t stop() {
    if (!result_.valid()) return -1;
    for (int i = 0; i < 50 && result_.wait_for(0ms) != std::future_status::ready; ++i) {
      ask(port_, "quit");
      result_.wait_for(200ms);
    }
    if (result_.wait_for(0ms) != std::future_status::ready) {
      std::cerr << "the server does not stop; giving up\n";
      std::abort();
    }
    return result_.get();
  }

  // What the jobs logged so far.
  std::string take_log() {
    std::string log = ::testing::internal::GetCapturedStdout();
    ::testing::internal::CaptureStdout();
    return log;
  }

  testing::TempDir dir;
  uint16_t port_ = 0;
  std::future<int32_t> result_;
};

TEST_F(ServerTest, RepliesInOrderAndLimitsLast) {
  write_file(dir / "in/42.xml", job_definition("a"));
  write_file(dir / "in/0.xml", job_definition("b"));
  uint16_t port = start();
  // clang-format off
  const struct { const char* request; const char* reply; } steps[] = {
      {"seqid=42", "0,"},
      {"seqid=7", "2,"},           // no such job
      {"seqid=0", "0,"},           // job 0 is a job like any other here
      {"SEQID=42", "9,"},
      {" seqid=42", "9,"},
      {"QUIT", "9,"},
      {"hello", "9,"},
      {"seqid=42,800,600", "9,"},  // limits only
      {"seqid=42\n", "0,"},        // compiled with 800 x 600
      {"seqid=1,1024", "9,"},      // width only
  };
  // clang-format on
  for (const auto& step : steps) {
    SCOPED_TRACE(step.request);
    EXPECT_EQ(ask(port, step.request), step.reply);
  }
  EXPECT_EQ(stop(), kOk);

  EXPECT_TRUE(fs::exists(dir / "out/42.vmf"));
  EXPECT_TRUE(fs::exists(dir / "out/0.vmf"));
  EXPECT_EQ(settings().max_width, 1024);
  EXPECT_EQ(settings().max_height, 600);
  std::string log = take_log();
  std::string limited = "@CZUVUzedu: m_nMaxWidth = 800, m_nMaxHeight = 600\n";
  size_t at = log.find(limited);
  EXPECT_NE(at, std::string::npos) << log;
  EXPECT_EQ(log.find(limited, at + 1), std::string::npos) << "only the last job had the limits";
}

TEST_F(ServerTest, AnythingBeginningWithQuitEndsTheServer) {
  for (const char* request : {"quit", "quit\n", "quitting"}) {
    SCOPED_TRACE(request);
    uint16_t port = start();
    EXPECT_EQ(ask(port, request), "1,");
    EXPECT_EQ(stop(), kOk);
    EXPECT_EQ(ask(port, "seqid=1"), std::nullopt) << "still listening";
  }
}

TEST_F(ServerTest, ClientsThatSendNothingOrVanishDoNotStopTheService) {
  write_file(dir / "in/42.xml", job_definition("a"));
  uint16_t port = start();

  // Connects and closes without a word: the reply is "9,".
  EXPECT_EQ(ask(port, "", Then::kCloseWrite), "9,");
  { Descriptor gone(connect_to(port)); }

  // Connects and stays silent: answered "9," after the receive timeout, and the client queued
  // behind it is served.
  auto silent = std::async(std::launch::async, [port] { return ask(port, ""); });
  auto behind = std::async(std::launch::async, [port] { return ask(port, "seqid=42"); });
  EXPECT_EQ(silent.get(), "9,");
  EXPECT_EQ(behind.get(), "0,");

  // Resets before the reply: sending it must not take the server down (SIGPIPE would end this
  // whole test process).
  reset_after(port, "");
  reset_after(port, "seqid=42");
  reset_after(port, "seqid=7");
  EXPECT_EQ(ask(port, "seqid=42"), "0,");
  EXPECT_EQ(stop(), kOk);
}

TEST_F(ServerTest, SocketsAreCloseOnExec) {
  start(5s);
  // Hold a connection open so the accepted socket exists while we look.
  Descriptor client(connect_to(port_));
  ASSERT_GE(client.get(), 0);
  auto sockets = [] {
    std::vector<int> fds;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
      int fd = std::stoi(entry.path().filename().string());
      struct stat st;
      if (::fstat(fd, &st) == 0 && S_ISSOCK(st.st_mode)) fds.push_back(fd);
    }
    return fds;
  };
  std::vector<int> fds;
  for (int i = 0; i < 500 && (fds = sockets()).size() < 3; ++i) std::this_thread::sleep_for(10ms);
  ASSERT_EQ(fds.size(), 3u) << "listener, accepted connection, our client";
  for (int fd : fds) EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC) << "descriptor " << fd;
}

TEST_F(ServerTest, ConcurrentClientsGetEveryJobRightAndLeakNothing) {
  // Jobs in buckets of 10, each with its own name and photo, so a job answered or written under
  // the wrong number shows.
  constexpr int kClients = 4, kRequests = 25;
  settings().limit_seqid = 10;
  for (int n = 0; n < kClients * kRequests; ++n) {
    std::string bucket = std::to_string(n / 10);
    fs::create_directories(dir / ("in/" + bucket));
    fs::create_directories(dir / ("out/" + bucket));
    std::string stem = dir / ("in/" + bucket + "/" + std::to_string(n));
    write_file(stem + ".xml", job_definition("job " + std::to_string(n)));
    write_file(stem + ".gif", std::string(size_t(n), char(n)));
  }
  size_t descriptors = open_descriptors();
  uint16_t port = start();

  std::vector<std::future<std::vector<std::string>>> clients;
  for (int c = 0; c < kClients; ++c) {
    clients.push_back(std::async(std::launch::async, [port, c] {
      std::vector<std::string> replies;
      for (int k = 0; k < kRequests; ++k)
        replies.push_back(
            ask(port, "seqid=" + std::to_string(c * kRequests + k)).value_or("no connection"));
      return replies;
    }));
  }
  auto nuisance = std::async(std::launch::async, [port] {
    std::optional<std::string> silent = ask(port, "");
    reset_after(port, "seqid=3");
    return silent;
  });
  for (auto& client : clients)
    for (const std::string& reply : client.get()) EXPECT_EQ(reply, "0,");
  EXPECT_EQ(nuisance.get(), "9,");
  EXPECT_EQ(stop(), kOk);
  EXPECT_EQ(open_descriptors(), descriptors);

  for (int n = 0; n < kClients * kRequests; ++n) {
    SCOPED_TRACE(n);
    std::vector<uint8_t> frame = testing::read_bytes(
        dir / ("out/" + std::to_string(n / 10) + "/" + std::to_string(n) + ".vmf"));
    ASSERT_GE(frame.size(), 253u);
    std::string name(reinterpret_cast<const char*>(frame.data() + 53));
    EXPECT_EQ(name, "job " + std::to_string(n));
    EXPECT_EQ(frame.size(), 253u + 40 + 12 + size_t(n));  // one element, one action, the photo
  }
}

TEST_F(ServerTest, PortInUseIsSevenAndARestartBindsAtOnce) {
  uint16_t port = start();
  ASSERT_NE(port, 0);
  EXPECT_EQ(ask(port, "seqid=7"), "2,");

  // A second live server on the port, through the command line.
  write_file(dir / "vmxmk.ini", "listen_port=" + std::to_string(port) + "\n");
  testing::RunResult second = testing::run_vmxmk({"-server"}, dir.path(), dir / "vmxmk");
  EXPECT_EQ(second.status, kNoBind);
  EXPECT_EQ(second.output, "");

  // The connections just closed linger in TIME_WAIT on the port; a new server still binds.
  EXPECT_EQ(stop(), kOk);
  settings().listen_port = port;
  EXPECT_EQ(start(), port);
  EXPECT_EQ(ask(port, "seqid=7"), "2,");
}

// The real vmxmk started with "-server"; killed when the test did not end it.
class ServerProcess {
 public:
  ServerProcess(const std::string& argv0, const std::string& log_path) {
    pid_ = ::fork();
    if (pid_ == 0) {
      int log = ::open(log_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ::dup2(log, 1);
      const char* argv[] = {argv0.c_str(), "-server", nullptr};
      ::execv(VMXMK_PATH, const_cast<char* const*>(argv));
      ::_exit(127);
    }
  }
  ~ServerProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  // The exit status, or nullopt when it is still running after about five seconds.
  std::optional<int> wait() {
    for (int i = 0; i < 250; ++i) {
      int status;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
      }
      std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
  }

 private:
  pid_t pid_;
};

uint16_t free_port() {
  Descriptor probe(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(probe.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(probe.get(), reinterpret_cast<sockaddr*>(&address), &length);
  return ntohs(address.sin_port);
}

TEST(ServerCommandLine, ServesJobsUntilQuit) {
  testing::TempDir dir;
  fs::create_directories(dir / "in");
  fs::create_directories(dir / "out");
  write_file(dir / "in/42.xml", job_definition("a"));
  uint16_t port = free_port();
  write_file(dir / "vmxmk.ini", "listen_port=" + std::to_string(port) + "\ninput_dir=" +
                                    (dir / "in") + "\noutput_dir=" + (dir / "out") + "\n");
  ServerProcess server(dir / "vmxmk", dir / "log.txt");

  std::optional<std::string> first;
  for (int i = 0; i < 250 && !(first = ask(port, "seqid=42")); ++i)
    std::this_thread::sleep_for(20ms);
  EXPECT_EQ(first, "0,");
  EXPECT_EQ(ask(port, "seqid=42,800,600"), "9,");
  EXPECT_EQ(ask(port, "seqid=42"), "0,");
  EXPECT_EQ(ask(port, "quit\n"), "1,");
  EXPECT_EQ(server.wait(), kOk);

  std::string log = testing::read_file(dir / "log.txt");
  EXPECT_NE(log.find("@CZUVUzedu: m_nMaxWidth = 0, m_nMaxHeight = 0\n"), std::string::npos) << log;
  EXPECT_NE(log.find("@CZUVUzedu: m_nMaxWidth = 800, m_nMaxHeight = 600\n"), std::string::npos)
      << log;
  EXPECT_TRUE(fs::exists(dir / "out/42.vmf"));
}

}  // namespace
}  // namespace vmx
