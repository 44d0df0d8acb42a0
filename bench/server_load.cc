// Load on the request server: concurrent clients sending job requests over loopback, with a
// silent client and clients that vanish before their reply mixed in. Prints throughput and
// latency; exits 1 when a reply, a frame file or the descriptor count is wrong.
//
//   server_load [clients] [requests per client] [distinct jobs]
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "compiler/service/server.h"
#include "compiler/settings.h"
#include "compiler/testing/loopback_client.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kHeaderSize = 253;
constexpr size_t kRecordsSize = 40 + 12;  // one element record, one parameterless action

std::string definition(int job) {
  return "<frame><header><version>1</version><name>job " + std::to_string(job) +
         "</name></header><elements><element left='1' top='2' width='30' height='40'/>"
         "</elements><actions><action name='negative' id='9'/></actions></frame>";
}

size_t photo_size(int job) { return 1024 + size_t(job) * 16; }

void write_file(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

int connect_to(uint16_t port) { return vmx::testing::connect_to(port, 30); }

// One request, the whole reply; empty when the connection failed.
std::string ask(uint16_t port, const std::string& request) {
  int fd = connect_to(port);
  if (fd < 0) return "";
  if (!request.empty()) ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
  std::string reply = vmx::testing::read_to_end(fd);
  ::close(fd);
  return reply;
}

// Sends a request and resets the connection without waiting for the reply.
void vanish(uint16_t port, const std::string& request) {
  int fd = connect_to(port);
  if (fd < 0) return;
  ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
  linger abort_on_close{1, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort_on_close, sizeof abort_on_close);
  ::close(fd);
}

size_t open_descriptors() {
  size_t n = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

bool frame_is_right(const fs::path& path, int job) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != kHeaderSize + kRecordsSize + photo_size(job)) return false;
  return std::string(bytes.c_str() + 53) == "job " + std::to_string(job);
}

double percentile(std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  return sorted[std::min(sorted.size() - 1, size_t(p * double(sorted.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  int clients = argc > 1 ? std::atoi(argv[1]) : 8;
  int requests = argc > 2 ? std::atoi(argv[2]) : 200;
  int jobs = argc > 3 ? std::atoi(argv[3]) : 100;
  if (clients < 1 || requests < 1 || jobs < 1) {
    std::fprintf(stderr, "usage: %s [clients] [requests per client] [distinct jobs]\n", argv[0]);
    return 2;
  }

  std::string pattern = (fs::temp_directory_path() / "vmxmk-bench-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 2;
  fs::path dir = pattern;
  vmx::Settings& s = vmx::settings();
  s.listen_port = 0;
  s.limit_seqid = 10;
  s.input_dir = (dir / "in").string();
  s.output_dir = (dir / "out").string();
  for (int n = 0; n < jobs; ++n) {
    std::string bucket = std::to_string(n / s.limit_seqid);
    fs::create_directories(dir / "in" / bucket);
    fs::create_directories(dir / "out" / bucket);
    write_file(dir / "in" / bucket / (std::to_string(n) + ".xml"), definition(n));
    write_file(dir / "in" / bucket / (std::to_string(n) + ".jpg"),
               std::string(photo_size(n), char(n)));
  }

  // Every job logs its steps to standard output; the figures are what this run is for.
  std::fflush(stdout);
  int saved_stdout = ::dup(1);
  int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  ::dup2(null, 1);
  ::close(null);

  size_t descriptors = open_descriptors();
  std::promise<uint16_t> listening;
  vmx::ServerOptions options;
  options.receive_timeout = std::chrono::milliseconds(500);
  options.on_listening = [&listening](uint16_t port) { listening.set_value(port); };
  auto server =
      std::async(std::launch::async, [&options] { return vmx::run_request_server(options); });
  auto port_future = listening.get_future();
  if (port_future.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ::dup2(saved_stdout, 1);
    std::printf("the server did not start (result %d)\n", server.get());
    return 1;
  }
  uint16_t port = port_future.get();

  std::atomic<int> wrong{0};
  std::vector<std::vector<double>> latencies(static_cast<size_t>(clients));
  Clock::time_point start = Clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back([&, c] {
      for (int k = 0; k < requests; ++k) {
        int job = (c * requests + k) % jobs;
        Clock::time_point sent = Clock::now();
        std::string reply = ask(port, "seqid=" + std::to_string(job));
        latencies[size_t(c)].push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        if (reply != "0,") ++wrong;
      }
    });
  }
  // Nuisances: a silent client (answered "9," after the receive timeout) and clients that go
  // away before their reply. The service has to carry on regardless.
  std::thread nuisance([&] {
    if (ask(port, "") != "9,") ++wrong;
    for (int i = 0; i < 10; ++i) vanish(port, "seqid=" + std::to_string(i % jobs));
  });
  for (std::thread& t : threads) t.join();
  nuisance.join();
  double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

  if (ask(port, "quit") != "1,") ++wrong;
  int32_t result = server.get();
  size_t leaked = open_descriptors() - descriptors;

  int bad_frames = 0;
  for (int n = 0; n < jobs && n < clients * requests; ++n) {
    std::string bucket = std::to_string(n / s.limit_seqid);
    if (!frame_is_right(dir / "out" / bucket / (std::to_string(n) + ".vmf"), n)) ++bad_frames;
  }
  fs::remove_all(dir);

  ::dup2(saved_stdout, 1);
  ::close(saved_stdout);
  std::vector<double> all;
  for (const auto& l : latencies) all.insert(all.end(), l.begin(), l.end());
  std::sort(all.begin(), all.end());
  int total = clients * requests;
  std::printf("clients %d, requests %d, distinct jobs %d\n", clients, total, jobs);
  std::printf("elapsed %.3f s, %.0f requests/s\n", elapsed, double(total) / elapsed);
  std::printf("latency ms: p50 %.2f  p95 %.2f  p99 %.2f  max %.2f\n", percentile(all, 0.50),
              percentile(all, 0.95), percentile(all, 0.99), all.empty() ? 0.0 : all.back());
  std::printf("wrong replies %d, bad frames %d, leaked descriptors %zu, server result %d\n",
              wrong.load(), bad_frames, leaked, result);
  return wrong == 0 && bad_frames == 0 && leaked == 0 && result == 0 ? 0 : 1;
}
