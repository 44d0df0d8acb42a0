// Tests of the real file and process operations, and one compile with the real compiler as child.
#include "host/runner/posix_platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "host/runner/messages.h"
#include "host/runner/runner.h"
#include "host/runner/testing/fake_env.h"
#include "host/runner/testing/scripted_posix_platform.h"
#include "host/runner/testing/temp_folder.h"

namespace vmx::host {
namespace {

namespace fs = std::filesystem;
using testing::FakeEnv;
using testing::ReadText;
using testing::ScriptedPosixPlatform;
using testing::TempFolder;
using testing::WriteText;

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

class PosixPlatformTest : public ::testing::Test {
 protected:
  TempFolder tmp;
  ScriptedPosixPlatform platform{{}, FakeEnv({{"TMPDIR", tmp.path()}})};
};

TEST_F(PosixPlatformTest, WritesReplaceLongerFilesExactly) {
  const std::string data = tmp / "data";
  const std::string program = tmp / "program";
  for (const std::string& path : {data, program}) WriteText(path, std::string(1000, 'x'));

  EXPECT_TRUE(platform.WriteFile(data, Bytes(std::string("ab\n\0", 4))));
  EXPECT_TRUE(platform.WriteExecutable(program, Bytes("#!/bin/sh\n")));
  EXPECT_EQ(ReadText(data), std::string("ab\n\0", 4));  // no tail of the old file, no CR added
  EXPECT_EQ(ReadText(program), "#!/bin/sh\n");
  EXPECT_EQ(ModeOf(program), 0700u);
  // Nothing is left beside them from writing under a temporary name.
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 2);

  EXPECT_FALSE(platform.WriteFile(tmp / "missing/data", Bytes("a")));
  EXPECT_FALSE(platform.WriteExecutable(tmp / "missing/program", Bytes("a")));
}

TEST_F(PosixPlatformTest, ExistsAndDelete) {
  WriteText(tmp / "f", "");
  EXPECT_TRUE(platform.PathExists(tmp / "f"));
  EXPECT_TRUE(platform.PathExists(tmp.path()));
  EXPECT_FALSE(platform.PathExists(""));
  platform.DeleteFile(tmp / "f");
  EXPECT_FALSE(platform.PathExists(tmp / "f"));
}

TEST_F(PosixPlatformTest, ChildGetsItsArgumentsWholeAndItsExitCodeIsRead) {
  // The script exits 3 only when both arguments arrived unsplit and unchanged.
  const std::string check =
      "[ \"$#\" = 2 ] && [ \"$1\" = 'a \"b\" c' ] && [ \"$2\" = \"it's; \\$HOME\" ] && exit 3; "
      "exit 9";
  EXPECT_EQ(platform.RunAndWait("/bin/sh", {"-c", check, "sh", "a \"b\" c", "it's; $HOME"}), 3);
  EXPECT_EQ(platform.RunAndWait("/bin/sh", {"-c", "exit 0"}), 0);
  std::optional<int> killed = platform.RunAndWait("/bin/sh", {"-c", "kill -9 $$"});
  ASSERT_TRUE(killed.has_value());
  EXPECT_NE(*killed, 0);

  EXPECT_EQ(platform.RunAndWait(tmp / "missing", {}), std::nullopt);
  WriteText(tmp / "not-executable", "#!/bin/sh\nexit 0\n");
  EXPECT_EQ(platform.RunAndWait(tmp / "not-executable", {}), std::nullopt);
}

std::vector<uint8_t> BuiltCompiler() {
  std::string bytes = ReadText(VMXMK_PATH);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// The whole interactive path with real files and the real compiler as the child: written to the
// private temporary directory, started, waited for, its exit code judged.
TEST(RealCompilerTest, InteractiveCompileProducesTheFrameFile) {
  TempFolder tmp;
  const std::vector<uint8_t> compiler = BuiltCompiler();
  ASSERT_GT(compiler.size(), 1000u);
  ScriptedPosixPlatform platform(
      compiler, FakeEnv({{"TMPDIR", tmp.path()}, {"XDG_CONFIG_HOME", tmp / "cfg"}}));
  const std::string photo = tmp / "my photo.jpg";
  WriteText(photo, "not decoded, only carried");
  const std::string output = tmp / "out frame.vmf";
  WriteText(output, "stale");
  platform.save_path = output;
  const std::string definition =
      "<frame><header><version>1</version></header><elements>"
      "<element left=\"0\" top=\"0\" width=\"10\" height=\"10\" actions=\"1\"/></elements>"
      "<actions><action name=\"auto_contrast\" id=\"1\"/></actions></frame>";

  EXPECT_EQ(FinishMake(platform, definition, "file://" + photo), 0);

  EXPECT_EQ(platform.log, (std::vector<std::string>{
                              "save_dialog", "ask " + std::string(kQuestionDownloadEditor)}));
  std::string frame = ReadText(output);
  EXPECT_GT(frame.size(), 253u + 25u);  // header, records and the carried photo
  const std::string private_dir = tmp / ("vimox-" + std::to_string(geteuid()));
  EXPECT_EQ(ReadText(private_dir + "/vimoxvmf.xml"), definition + std::string(1, '\0'));
  // Only the definition file stays; the temporary compiler is gone after success.
  EXPECT_EQ(std::distance(fs::directory_iterator(private_dir), fs::directory_iterator()), 1);
}

TEST(RealCompilerTest, RejectedDefinitionIsMessageFiveAndKeepsTheCompiler) {
  TempFolder tmp;
  const std::vector<uint8_t> compiler = BuiltCompiler();
  ScriptedPosixPlatform platform(compiler, FakeEnv({{"TMPDIR", tmp.path()}}));
  WriteText(tmp / "a.jpg", "x");
  platform.save_path = tmp / "out.vmf";

  FinishMake(platform, "<frame><header><version>2</version></header></frame>",
             "file://" + tmp / "a.jpg");

  EXPECT_EQ(platform.log,
            (std::vector<std::string>{"save_dialog", "error " + std::string(kErrorCompileFailed)}));
  EXPECT_FALSE(fs::exists(tmp / "out.vmf"));
  const std::string private_dir = tmp / ("vimox-" + std::to_string(geteuid()));
  EXPECT_EQ(std::distance(fs::directory_iterator(private_dir), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace vmx::host
