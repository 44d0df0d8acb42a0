// PosixPlatform: files through descriptors with every write checked, children through posix_spawn.
#include "host/runner/posix_platform.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/runner/editor_settings.h"
#include "host/runner/paths.h"
#include "host/runner/private_temp_dir.h"

extern char** environ;

namespace vmx::host {
namespace {

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Writes, then closes; a failed close (delayed write error) is a failed write.
bool WriteAndClose(int fd, std::span<const uint8_t> bytes) {
  bool ok = WriteAll(fd, bytes);
  return close(fd) == 0 && ok;
}

std::vector<char*> Argv(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  return argv;
}

int WaitForExit(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return 1;  // an exit code that cannot be read counts as a failure
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return 1;
}

}  // namespace

PosixPlatform::PosixPlatform(std::span<const uint8_t> compiler_bytes, EnvLookup env)
    : compiler_bytes_(compiler_bytes), env_(std::move(env)) {}

std::optional<std::string> PosixPlatform::TempDirectory() {
  return PrivateTempDir(env_, geteuid());
}

uint32_t PosixPlatform::TickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
  return static_cast<uint32_t>(ms);  // wraps, as a millisecond tick counter does
}

bool PosixPlatform::WriteFile(const std::string& path, std::span<const uint8_t> bytes) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  return WriteAndClose(fd, bytes);
}

bool PosixPlatform::WriteExecutable(const std::string& path, std::span<const uint8_t> bytes) {
  // Written under a fresh name and renamed into place: the result holds exactly these bytes even
  // when an older, longer file was there, and a copy another host process is still running is
  // replaced rather than written into (which would fail with ETXTBSY).
  std::string temp = path + ".XXXXXX";
  int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = fchmod(fd, 0700) == 0 && WriteAll(fd, bytes);
  ok = close(fd) == 0 && ok;
  if (ok && rename(temp.c_str(), path.c_str()) == 0) return true;
  unlink(temp.c_str());
  return false;
}

bool PosixPlatform::PathExists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0;
}

void PosixPlatform::DeleteFile(const std::string& path) { unlink(path.c_str()); }

std::optional<int> PosixPlatform::RunAndWait(const std::string& program,
                                             const std::vector<std::string>& args) {
  std::vector<char*> argv = Argv(program, args);
  pid_t pid;
  // posix_spawn reports a program that cannot be executed as an error, not as a child exiting 127.
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    return std::nullopt;
  }
  return WaitForExit(pid);
}

std::string PosixPlatform::EditorInstallPath() {
  std::optional<std::string> path = EditorSettingsPath(env_);
  if (!path) return "";
  std::ifstream file(*path, std::ios::binary);
  if (!file) return "";
  std::ostringstream text;
  text << file.rdbuf();
  return InstallPathFromSettings(text.str());
}

void PosixPlatform::DebugOutput(const std::string& text) {
  // One write per line, so lines of different sources do not interleave mid-line.
  std::string line = text + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void PosixPlatform::OpenWithDefaultApp(const std::string& file_or_address) {
  const std::string opener = "xdg-open";
  std::vector<char*> argv = Argv(opener, {file_or_address});
  pid_t pid;
  if (posix_spawnp(&pid, opener.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return;
  // The launcher may stay until the opened program ends; reap it aside so the caller never waits
  // and no zombie is left.
  std::thread([pid] { WaitForExit(pid); }).detach();
}

}  // namespace vmx::host
