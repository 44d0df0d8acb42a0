// The configuration file: line, key and value rules, and what reaches the settings.
#include "compiler/service/config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "compiler/result_codes.h"
#include "compiler/settings.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { settings() = Settings{}; }

  // Writes `text` as the program's configuration file and reads it; returns the log.
  std::string read(const std::string& text, int32_t expected = kOk) {
    testing::write_file(dir / "vmxmk.ini", text);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(vxf_read_config(dir / "vmxmk"), expected);
    return ::testing::internal::GetCapturedStdout();
  }
  testing::TempDir dir;
};

TEST_F(ConfigTest, MissingFileKeepsDefaults) {
  std::filesystem::create_directory(dir / "folder.ini");  // cannot be read as a file either
  for (const char* name : {"none", "folder"}) {
    SCOPED_TRACE(name);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(vxf_read_config(dir / name), kNoConfig);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "@vxf_read_config: open config file failed(" + (dir / name) + ".ini).\n");
  }
  const Settings& s = settings();
  EXPECT_EQ(s.listen_port, 1637);
  EXPECT_EQ(s.input_dir, "");
  EXPECT_EQ(s.max_width, 0);
}

TEST_F(ConfigTest, KeysValuesAndComments) {
  std::string log = read(
      "# listen_port=1\n"
      "  \t# input_dir=/commented\n"
      "LISTEN_PORT=2000\n"
      "listen_port:x = 2001\n"
      "input_dir = /jobs/in #old\r\n"
      "output_dir=\t/jobs/out  \n"
      "magick_log=\n"
      "limit_seqid= 100\n"
      "limit_size=800,600\n"
      "limit_size=1024\n"
      "no equals sign here\n"
      "speed=3\n"
      "=5\n"
      "input-dir=x\n"
      "limit_seqid=12abc");
  EXPECT_EQ(log,
            "@vxf_read_config: invalid config key name(speed=>3).\n"
            "@vxf_read_config: invalid config key name(=>5).\n"
            "@vxf_read_config: invalid config key name(input=>x).\n");
  const Settings& s = settings();
  EXPECT_EQ(s.listen_port, 2001);           // the key stops at its first non-key character
  EXPECT_EQ(s.input_dir, "/jobs/in #old");  // carriage return dropped with the line feed
  EXPECT_EQ(s.output_dir, "/jobs/out  ");   // trailing blanks stay
  EXPECT_EQ(s.magick_log, "");
  EXPECT_EQ(s.limit_seqid, 12);  // last line wins, even without a line end
  EXPECT_EQ(s.max_width, 1024);
  EXPECT_EQ(s.max_height, 600);  // "limit_size=1024" leaves the height alone
}

TEST_F(ConfigTest, LongLinesAreReadInPiecesAndValuesKeptWhole) {
  std::string long_dir = "/" + std::string(700, 'd');
  std::string log = read("input_dir=" + long_dir + "\n" + std::string(999, 'x') + "speed=1\n");
  EXPECT_EQ(settings().input_dir, long_dir);  // never cut
  EXPECT_EQ(log, "@vxf_read_config: invalid config key name(speed=>1).\n");
}

}  // namespace
}  // namespace vmx
