// Numbered jobs: where a job's files live, and what a job reports when it cannot run.
#include "compiler/service/jobs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "compiler/records/bytes.h"
#include "compiler/result_codes.h"
#include "compiler/settings.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

namespace fs = std::filesystem;
using testing::write_file;

const std::string kDefinition = testing::definition(
    "<element left='1' top='2' width='30' height='40'/>", "<action name='negative' id='9'/>");

TEST(JobPaths, BucketsAndNumbers) {
  const struct {
    const char* in;
    int32_t limit;
    uint32_t seqid;
    const char* definition;
    const char* output;
  } cases[] = {
      {"D:/in", 0, 42, "D:/in/42.xml", "D:/out/42.vmf"},
      {"D:/in", 100, 42, "D:/in/0/42.xml", "D:/out/0/42.vmf"},
      {"D:/in", 100, 4217, "D:/in/42/4217.xml", "D:/out/42/4217.vmf"},
      {"D:/in", 1000, 999, "D:/in/0/999.xml", "D:/out/0/999.vmf"},
      {"D:/in", 1000, 1000, "D:/in/1/1000.xml", "D:/out/1/1000.vmf"},
      // Numbers are written signed, but the bucket is an unsigned quotient.
      {"D:/in", 0, uint32_t(-5), "D:/in/-5.xml", "D:/out/-5.vmf"},
      {"D:/in", 100, uint32_t(-5), "D:/in/42949672/-5.xml", "D:/out/42949672/-5.vmf"},
      {"D:/in", -1, 7, "D:/in/0/7.xml", "D:/out/0/7.vmf"},
      {"D:/in", 1, uint32_t(-1), "D:/in/-1/-1.xml", "D:/out/-1/-1.vmf"},
      // The directory is joined as written, separator and all.
      {"D:/in/", 0, 3, "D:/in//3.xml", "D:/out/3.vmf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.definition);
    Settings s;
    s.input_dir = c.in;
    s.output_dir = "D:/out";
    s.limit_seqid = c.limit;
    JobPaths paths = job_paths(s, c.seqid);
    EXPECT_EQ(paths.definition, c.definition);
    EXPECT_EQ(paths.output, c.output);
  }
}

class JobsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings() = Settings{};
    settings().input_dir = dir / "in";
    settings().output_dir = dir / "out";
    fs::create_directories(dir / "in");
    fs::create_directories(dir / "out");
  }
  void TearDown() override { settings() = Settings{}; }

  // Runs job `seqid`; returns its code and what it logged.
  std::pair<int32_t, std::string> run(uint32_t seqid) {
    ::testing::internal::CaptureStdout();
    int32_t code = vxf_make_by_seqid(seqid);
    return {code, ::testing::internal::GetCapturedStdout()};
  }
  testing::TempDir dir;
};

TEST_F(JobsTest, NothingRunsWithoutBothDirectories) {
  write_file(dir / "in/5.xml", kDefinition);
  const struct { std::string in, out; } cases[] = {{"", dir / "out"}, {dir / "in", ""}, {"", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in + " -> " + c.out);
    settings().input_dir = c.in;
    settings().output_dir = c.out;
    auto [code, log] = run(5);
    EXPECT_EQ(code, kNoJobDirs);
    EXPECT_EQ(log, "");
  }
  EXPECT_FALSE(fs::exists(dir / "out/5.vmf"));
}

TEST_F(JobsTest, UnreadableDefinitionIsCodeTwo) {
  write_file(dir / "in/8.xml", "<frame><header>");  // not well-formed
  fs::create_directory(dir / "in/9.xml");            // a folder, not a file
  for (uint32_t seqid : {7u, 8u, 9u}) {
    std::string path = dir / ("in/" + std::to_string(seqid) + ".xml");
    SCOPED_TRACE(path);
    auto [code, log] = run(seqid);
    EXPECT_EQ(code, kJobUnreadable);
    EXPECT_EQ(log, "vxf_make_by_seqid: can't read image file(" + path + ")!\n");
  }
  EXPECT_TRUE(fs::is_empty(dir / "out"));
}

TEST_F(JobsTest, JobInBucketEmbedsThePhotoBesideIt) {
  settings().limit_seqid = 100;
  fs::create_directories(dir / "in/42");
  fs::create_directories(dir / "out/42");
  write_file(dir / "in/42/4217.xml", kDefinition);
  write_file(dir / "in/42/4217.png", std::string(123, 'p'));
  write_file(dir / "in/42/4216.jpg", "not this job's photo");

  auto [code, log] = run(4217);
  ASSERT_EQ(code, kOk) << log;
  EXPECT_NE(log.find("@Make: crate frame(" + (dir / "out/42/4217.vmf") + ") successed!\n"),
            std::string::npos)
      << log;
  std::vector<uint8_t> frame = testing::read_bytes(dir / "out/42/4217.vmf");
  ASSERT_GE(frame.size(), 253u);
  EXPECT_EQ(get_i32(frame, 41), 123);  // image size: the .png beside the definition
  EXPECT_EQ(frame.size(), size_t(get_i32(frame, 37)) + 123);
}

TEST_F(JobsTest, LongDirectoriesAreUsedInFull) {
  // Well past 500 bytes: a directory cut short would name some other place.
  std::string deep = "in";
  for (int i = 0; i < 6; ++i) deep += "/" + std::string(100, char('a' + i));
  fs::create_directories(dir / deep);
  fs::create_directories(dir / (deep + "-out"));
  settings().input_dir = dir / deep;
  settings().output_dir = dir / (deep + "-out");
  ASSERT_GT(settings().input_dir.size(), 600u);
  write_file(dir / (deep + "/9.xml"), kDefinition);

  auto [code, log] = run(9);
  EXPECT_EQ(code, kOk) << log;
  EXPECT_TRUE(fs::exists(dir / (deep + "-out/9.vmf")));
}

TEST(JobCommandLine, SeqidRunsTheJobFromTheConfiguredDirectories) {
  testing::TempDir dir;
  fs::create_directories(dir / "in");
  fs::create_directories(dir / "out");
  write_file(dir / "in/42.xml", kDefinition);

  // No directories configured: 12, and the job says nothing.
  write_file(dir / "vmxmk.ini", "listen_port=1\n");
  testing::RunResult r = testing::run_vmxmk({"-seqid", "5"}, dir.path(), dir / "vmxmk");
  EXPECT_EQ(r.status, kNoJobDirs);
  EXPECT_EQ(r.output, "");

  write_file(dir / "vmxmk.ini", "input_dir=in\noutput_dir=out\n");
  r = testing::run_vmxmk({"-seqid", "42"}, dir.path(), dir / "vmxmk");
  EXPECT_EQ(r.status, kOk) << r.output;
  EXPECT_TRUE(fs::exists(dir / "out/42.vmf"));
}

}  // namespace
}  // namespace vmx
