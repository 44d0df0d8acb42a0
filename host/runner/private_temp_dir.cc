// Finding, creating and checking the private temporary directory.
#include "host/runner/private_temp_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vmx::host {
namespace {

bool IsAbsolute(const std::optional<std::string>& path) {
  return path && !path->empty() && (*path)[0] == '/';
}

bool OwnedAndPrivate(const struct stat& st, uid_t uid) {
  return S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 077) == 0;
}

// A parent in which entries of other users cannot be renamed or removed: not writable by group
// or others, or sticky like /tmp.
bool SafeParent(const std::string& parent) {
  struct stat st;
  if (stat(parent.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return (st.st_mode & 022) == 0 || (st.st_mode & S_ISVTX) != 0;
}

std::optional<std::string> Ensure(const std::string& parent, const std::string& dir, uid_t uid) {
  if (!SafeParent(parent)) return std::nullopt;
  if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  struct stat st;
  if (lstat(dir.c_str(), &st) != 0 || !OwnedAndPrivate(st, uid)) return std::nullopt;
  // A restrictive umask may have left the owner without write or search access.
  if ((st.st_mode & 0700) != 0700 && chmod(dir.c_str(), 0700) != 0) return std::nullopt;
  return dir;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::optional<std::string> PrivateTempDir(const EnvLookup& env, uid_t uid) {
  std::optional<std::string> runtime = env("XDG_RUNTIME_DIR");
  if (IsAbsolute(runtime)) {
    std::string base = WithoutTrailingSlashes(*runtime);
    struct stat st;
    if (stat(base.c_str(), &st) == 0 && OwnedAndPrivate(st, uid)) {
      if (auto dir = Ensure(base, base + "/vimox", uid)) return dir;
    }
  }
  std::optional<std::string> tmpdir = env("TMPDIR");
  std::string base = WithoutTrailingSlashes(IsAbsolute(tmpdir) ? *tmpdir : "/tmp");
  if (base == "/") base.clear();
  return Ensure(base.empty() ? "/" : base, base + "/vimox-" + std::to_string(uid), uid);
}

}  // namespace vmx::host
