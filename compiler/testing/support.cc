// Test helpers for the compiler tree.
#include "compiler/testing/support.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace vmx::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path p = fs::temp_directory_path() / ("vmxmk-test-" + std::to_string(rd()));
    if (fs::create_directory(p)) {
      path_ = p;
      return;
    }
  }
  ADD_FAILURE() << "cannot create a temporary directory";
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<uint8_t> read_bytes(const std::string& path) {
  std::string s = read_file(path);
  return {s.begin(), s.end()};
}

std::unique_ptr<TiXmlDocument> parse(const std::string& xml) {
  auto doc = std::make_unique<TiXmlDocument>();
  doc->Parse(xml.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  EXPECT_FALSE(doc->Error()) << doc->ErrorDesc() << " in " << xml;
  return doc;
}

const TiXmlElement& root(const TiXmlDocument& doc) {
  static const TiXmlElement empty("empty");
  const TiXmlElement* e = doc.FirstChildElement();
  return e ? *e : empty;
}

std::string definition(const std::string& elements, const std::string& actions,
                       const std::string& header_extra) {
  return "<frame><header><version>1</version>" + header_extra + "</header><elements>" + elements +
         "</elements><actions>" + actions + "</actions></frame>";
}

RunResult run_vmxmk(const std::vector<std::string>& args, const std::string& cwd,
                    const std::string& argv0, long file_size_limit) {
  int fds[2];
  if (pipe(fds) != 0) return {-2000, ""};
  pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], 1);
    close(fds[0]);
    close(fds[1]);
    if (chdir(cwd.c_str()) != 0) _exit(127);
    if (file_size_limit >= 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit limit{rlim_t(file_size_limit), rlim_t(file_size_limit)};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(argv0.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(VMXMK_PATH, argv.data());
    _exit(127);
  }
  close(fds[1]);
  std::string output;
  char buffer[4096];
  ssize_t n;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) output.append(buffer, size_t(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  int code = WIFEXITED(status) ? int(int8_t(WEXITSTATUS(status))) : -1000 - WTERMSIG(status);
  return {code, output};
}

std::vector<uint8_t> unscrambled(const std::vector<uint8_t>& bytes, size_t from, size_t to) {
  std::vector<uint8_t> out = bytes;
  for (size_t i = from; i < to && i < out.size(); ++i) out[i] ^= 0x5A;
  return out;
}

}  // namespace vmx::testing
