// Tests of finding, creating and checking the private temporary directory.
#include "host/runner/private_temp_dir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "host/runner/testing/fake_env.h"
#include "host/runner/testing/temp_folder.h"

namespace vmx::host {
namespace {

using testing::FakeEnv;
using testing::TempFolder;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  lstat(path.c_str(), &st);
  return st.st_mode & 07777;
}

class PrivateTempDirTest : public ::testing::Test {
 protected:
  TempFolder tmp;
  uid_t uid = geteuid();
  std::string own = tmp / ("vimox-" + std::to_string(geteuid()));
};

TEST_F(PrivateTempDirTest, CreatedPrivateUnderTmpdirAndReused) {
  ASSERT_EQ(PrivateTempDir(FakeEnv({{"TMPDIR", tmp.path() + "/"}}), uid), own);
  EXPECT_EQ(ModeOf(own), 0700u);
  EXPECT_EQ(PrivateTempDir(FakeEnv({{"TMPDIR", tmp.path()}}), uid), own);
}

TEST_F(PrivateTempDirTest, RuntimeDirWhenItIsPrivate) {
  std::string runtime = tmp / "run";
  ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
  auto env = FakeEnv({{"XDG_RUNTIME_DIR", runtime}, {"TMPDIR", tmp.path()}});
  EXPECT_EQ(PrivateTempDir(env, uid), runtime + "/vimox");
  EXPECT_EQ(ModeOf(runtime + "/vimox"), 0700u);

  // A runtime directory that others can enter is passed over for the temporary one.
  ASSERT_EQ(chmod(runtime.c_str(), 0755), 0);
  EXPECT_EQ(PrivateTempDir(env, uid), own);
  // So is a relative one.
  EXPECT_EQ(PrivateTempDir(FakeEnv({{"XDG_RUNTIME_DIR", "run"}, {"TMPDIR", tmp.path()}}), uid),
            own);
}

TEST_F(PrivateTempDirTest, OwnerWithoutAccessIsGivenItBack) {
  ASSERT_EQ(mkdir(own.c_str(), 0500), 0);
  ASSERT_EQ(chmod(own.c_str(), 0500), 0);
  EXPECT_EQ(PrivateTempDir(FakeEnv({{"TMPDIR", tmp.path()}}), uid), own);
  EXPECT_EQ(ModeOf(own), 0700u);
}

// Whatever someone else may have prepared under the expected name is refused, never repaired.
TEST_F(PrivateTempDirTest, RefusesWhatOthersCouldHavePrepared) {
  struct Case {
    const char* trace;
    std::function<void(const std::string& own, const std::string& tmp)> prepare;
  } cases[] = {
      {"open to others",
       [](auto& own, auto&) {
         mkdir(own.c_str(), 0700);
         chmod(own.c_str(), 0777);
       }},
      {"readable by group",
       [](auto& own, auto&) {
         mkdir(own.c_str(), 0700);
         chmod(own.c_str(), 0750);
       }},
      {"symbolic link to a private directory",
       [](auto& own, auto& tmp) {
         mkdir((tmp + "/elsewhere").c_str(), 0700);
         symlink((tmp + "/elsewhere").c_str(), own.c_str());
       }},
      {"a file", [](auto& own, auto&) { close(creat(own.c_str(), 0600)); }},
      {"parent writable by all, not sticky", [](auto&, auto& tmp) { chmod(tmp.c_str(), 0777); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trace);
    TempFolder tmp;
    std::string own = tmp / ("vimox-" + std::to_string(uid));
    c.prepare(own, tmp.path());
    EXPECT_EQ(PrivateTempDir(FakeEnv({{"TMPDIR", tmp.path()}}), uid), std::nullopt);
    EXPECT_NE(ModeOf(own), 0700u);
  }
  // A parent like /tmp, writable by all but sticky, is fine.
  ASSERT_EQ(chmod(tmp.path().c_str(), 01777), 0);
  EXPECT_EQ(PrivateTempDir(FakeEnv({{"TMPDIR", tmp.path()}}), uid), own);
}

TEST_F(PrivateTempDirTest, RefusesADirectoryOfAnotherUser) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a directory away needs root";
  ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
  ASSERT_EQ(chown(own.c_str(), 12345, 12345), 0);
  EXPECT_EQ(PrivateTempDir(FakeEnv({{"TMPDIR", tmp.path()}}), uid), std::nullopt);
}

}  // namespace
}  // namespace vmx::host
