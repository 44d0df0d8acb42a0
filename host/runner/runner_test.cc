// Tests of the compiler runner through the recording fake platform.
#include "host/runner/runner.h"

#include <gtest/gtest.h>

#include "host/runner/messages.h"
#include "host/runner/site.h"
#include "host/runner/testing/fake_platform.h"

namespace vmx::host {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

const std::string kDef = "<frame/>";
const std::string kTemp = "/run/user/1000/vimox";
const std::string kDefFile = kTemp + "/vimoxvmf.xml";
const std::string kCompiler = kTemp + "/vmxmk0.exe";
const std::string kPhoto = "/home/u/pics/a.jpg";
const std::string kPhotoAddress = "file://" + kPhoto;
const std::string kOut = "/home/u/out.vmf";

std::string Error(std::string_view text) { return "error " + std::string(text); }
std::string Debug(std::string_view text) { return "debug " + std::string(text); }
std::string Ask(std::string_view text) { return "ask 提示: " + std::string(text); }
std::string RunLine(const std::string& photo, const std::string& out,
                    const std::string& compiler = kCompiler) {
  return "run " + compiler + " -if " + kDefFile + " -ii " + photo + " -o " + out;
}

class RunnerTest : public ::testing::Test {
 protected:
  RunnerTest() { fake.existing.insert(kPhoto); }
  FakePlatform fake;
};

TEST_F(RunnerTest, InteractiveCompileRunsEveryStepInOrder) {
  fake.tick_count = 1'234'567;
  fake.existing.insert(kOut);  // a stale output is removed before the compiler runs
  fake.install_path = "/opt/vimox";
  fake.existing.insert("/opt/vimox/vimox.exe");

  EXPECT_EQ(FinishMake(fake, "<a>\n<b/>\n</a>", kPhotoAddress), 0);

  const std::string compiler = kTemp + "/vmxmk67.exe";
  EXPECT_EQ(fake.log, (Log{
                          "write " + kDefFile,
                          "write_exe " + compiler,
                          "save_dialog",
                          "delete " + kOut,
                          RunLine(kPhoto, kOut, compiler),
                          "delete " + compiler,
                          Ask(kQuestionApplyNow),
                          "open " + kOut,
                      }));
  // Line feeds stay as they are, and the terminating zero goes with the text.
  EXPECT_EQ(fake.files[kDefFile], std::string("<a>\n<b/>\n</a>\0", 14));
  ASSERT_EQ(fake.save_dialogs.size(), 1u);
  EXPECT_EQ(fake.save_dialogs[0].filter_name, ".vmf");
  EXPECT_EQ(fake.save_dialogs[0].filter_pattern, "*.vmf");
  EXPECT_EQ(fake.save_dialogs[0].default_extension, "vmf");
  EXPECT_TRUE(fake.save_dialogs[0].confirm_overwrite);
}

TEST_F(RunnerTest, CompilerIsWrittenByteForByteUnderTheTickName) {
  fake.compiler_bytes = {0x7f, 'E', 'L', 'F', 0, 1, 2};
  fake.save_path = std::nullopt;  // stop before the compiler runs and is removed
  for (uint32_t tick : {0u, 99u, 100u, 1'234'567u, 4'294'967'295u}) {
    SCOPED_TRACE(tick);
    fake.tick_count = tick;
    FinishMake(fake, kDef, kPhotoAddress);
    std::string path = kTemp + "/vmxmk" + std::to_string(tick % 100) + ".exe";
    EXPECT_EQ(fake.Logged("write_exe").back(), "write_exe " + path);
  }
  EXPECT_EQ(TempCompilerName(1'234'567), "vmxmk67.exe");
  EXPECT_EQ(fake.files[kTemp + "/vmxmk95.exe"], std::string("\x7f"
                                                            "ELF\0\1\2",
                                                            7));
}

TEST_F(RunnerTest, AfterSuccessTheOfferDependsOnTheEditor) {
  const std::string download = SiteAddress(std::nullopt, "/download.html");
  struct Case {
    const char* trace;
    std::string install_path;  // "" when not registered
    bool editor_present;
    bool yes;
    std::optional<std::string> site_override;
    Log tail;
  } cases[] = {
      {"installed, yes", "/opt/vimox", true, true, {}, {Ask(kQuestionApplyNow), "open " + kOut}},
      {"installed, no", "/opt/vimox/", true, false, {}, {Ask(kQuestionApplyNow)}},
      {"registered, program missing",
       "/opt/vimox",
       false,
       true,
       {},
       {Ask(kQuestionDownloadEditor), "open " + download}},
      {"not registered, no", "", false, false, {}, {Ask(kQuestionDownloadEditor)}},
      // An empty registration looks for the program at the root, as the formatted name says.
      {"not registered, program at the root",
       "",
       true,
       true,
       {},
       {Ask(kQuestionApplyNow), "open " + kOut}},
      {"site from the environment",
       "",
       false,
       true,
       "http://mirror.example/vimox/",
       {Ask(kQuestionDownloadEditor), "open http://mirror.example/vimox/download.html"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trace);
    FakePlatform fake;
    fake.existing.insert(kPhoto);
    fake.install_path = c.install_path;
    if (c.editor_present) {
      fake.existing.insert(c.install_path.empty() ? "/vimox.exe" : "/opt/vimox/vimox.exe");
    }
    fake.answer_yes = c.yes;
    if (c.site_override) fake.env[kSiteBaseVariable] = *c.site_override;

    EXPECT_EQ(FinishMake(fake, kDef, kPhotoAddress), 0);
    ASSERT_GE(fake.log.size(), c.tail.size());
    EXPECT_EQ(Log(fake.log.end() - c.tail.size(), fake.log.end()), c.tail);
    EXPECT_EQ(fake.log[fake.log.size() - c.tail.size() - 1], "delete " + kCompiler);
  }
  EXPECT_TRUE(download.starts_with("https://"));
  EXPECT_TRUE(download.ends_with(".example/download.html"));
}

// Both forms check the same things first; the interactive one shows the message in a box.
TEST_F(RunnerTest, InputChecksStopBeforeAnythingIsWritten) {
  const std::string long_path = "/home/u/" + std::string(1100, 'x') + ".jpg";
  struct Case {
    std::string definition;
    std::string address;
    std::optional<std::string_view> error;  // nullopt: accepted
    std::string photo;                      // the photo path the compiler receives
  } cases[] = {
      {"", "not an address", kErrorEmptyDefinition, ""},  // only message 1
      {std::string("\0<frame/>", 9), kPhotoAddress, kErrorEmptyDefinition, ""},
      {kDef, "FILE:///home/u/pics/a.jpg", std::nullopt, kPhoto},
      {kDef, "file:///home/u/My%20Pics/a+b.jpg", std::nullopt, "/home/u/My Pics/a b.jpg"},
      {kDef, "file:///home/u/%2541.jpg", std::nullopt, "/home/u/%41.jpg"},
      {kDef, "file:///home/u/%4G.jpg", std::nullopt, "/home/u/%4G.jpg"},
      {kDef, "file:///home/u/a.jp%67", std::nullopt, "/home/u/a.jpg"},
      {kDef, "file:///home/u/pics/a.jpg%00.png", std::nullopt, kPhoto},
      {kDef, "file://" + long_path, std::nullopt, long_path},  // no silent cut at 1,023 bytes
      {kDef, "file://home/u/pics/a.jpg", kErrorNotFileAddress, ""},
      {kDef, "https://example.com/a.jpg", kErrorNotFileAddress, ""},
      {kDef, "", kErrorNotFileAddress, ""},
      {kDef, "file:///", kErrorNoPhoto, ""},
      {kDef, "file:///home/u/pics/missing.jpg", kErrorNoPhoto, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    FakePlatform fake;
    fake.existing = {
        kPhoto,   "/home/u/My Pics/a b.jpg", "/home/u/%41.jpg", "/home/u/%4G.jpg", "/home/u/a.jpg",
        long_path};
    EXPECT_EQ(FinishMake(fake, c.definition, c.address), 0);
    if (c.error) {
      EXPECT_EQ(fake.log, Log{Error(*c.error)});
    } else {
      ASSERT_EQ(fake.runs.size(), 1u);
      EXPECT_EQ(fake.runs[0][3], c.photo);
    }
  }
}

TEST_F(RunnerTest, BatchReportsToDebugOutputOnly) {
  FinishMakeBat(fake, true, "f", "", kPhotoAddress);
  FinishMakeBat(fake, true, "f", kDef, "file://x");
  FinishMakeBat(fake, true, "f", kDef, "file:///");
  EXPECT_EQ(fake.log,
            (Log{Debug(kErrorEmptyDefinition), Debug(kErrorNotFileAddress), Debug(kErrorNoPhoto)}));
}

TEST_F(RunnerTest, BatchModeOffDoesNothing) {
  EXPECT_EQ(FinishMakeBat(fake, false, "frame01", kDef, kPhotoAddress), -1);
  EXPECT_EQ(FinishMakeBat(fake, false, "", "", "junk"), -1);
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(RunnerTest, BatchWritesBesideThePhoto) {
  fake.existing.insert("/home/u/pics/frame01.vmf");
  EXPECT_EQ(FinishMakeBat(fake, true, "frame01", kDef, kPhotoAddress), 0);
  EXPECT_EQ(fake.log, (Log{
                          "write " + kDefFile,
                          "write_exe " + kCompiler,
                          "delete /home/u/pics/frame01.vmf",
                          RunLine(kPhoto, "/home/u/pics/frame01.vmf"),
                          "delete " + kCompiler,
                      }));

  FakePlatform at_root;
  at_root.existing.insert("/a.jpg");
  FinishMakeBat(at_root, true, "frame01", kDef, "file:///a.jpg");
  EXPECT_EQ(at_root.runs.at(0)[5], "/frame01.vmf");
}

// What the user sees after a failed run, and which temporary files are left behind.
TEST_F(RunnerTest, FailedRunsReportFiveAndLeaveTheRightFiles) {
  struct Case {
    const char* trace;
    bool batch;
    std::optional<int> exit_code;
    std::string message;
    bool compiler_stays;
  } cases[] = {
      {"interactive, exit 7", false, 7, Error(kErrorCompileFailed), true},
      {"interactive, exit -1 (usage)", false, 255, Error(kErrorCompileFailed), true},
      {"interactive, cannot start", false, std::nullopt, Error(kErrorCompileFailed), true},
      {"batch, exit 7", true, 7, Debug(kErrorCompileFailed), false},
      {"batch, cannot start", true, std::nullopt, Debug(kErrorCompileFailed), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trace);
    FakePlatform fake;
    fake.existing.insert(kPhoto);
    fake.exit_code = c.exit_code;
    int32_t result = c.batch ? FinishMakeBat(fake, true, "f", kDef, kPhotoAddress)
                             : FinishMake(fake, kDef, kPhotoAddress);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fake.log.back(), c.message);
    EXPECT_EQ(fake.existing.count(kCompiler), c.compiler_stays ? 1u : 0u);
    EXPECT_EQ(fake.existing.count(kDefFile), 1u);  // kept for the next compile to overwrite
    EXPECT_TRUE(fake.Logged("ask").empty());
    EXPECT_TRUE(fake.Logged("open").empty());
  }
  // The step functions themselves tell failure from success.
  FakePlatform fake;
  fake.exit_code = 7;
  EXPECT_EQ(MakeFrame(fake, kDef, kPhoto), -1);
  EXPECT_EQ(MakeFrameBat(fake, "f", kDef, kPhoto), -1);
  fake.exit_code = 0;
  EXPECT_EQ(MakeFrameBat(fake, "f", kDef, kPhoto), 0);
}

TEST_F(RunnerTest, CancelledSaveDialogEndsSilently) {
  fake.save_path = std::nullopt;
  EXPECT_EQ(FinishMake(fake, kDef, kPhotoAddress), 0);
  EXPECT_EQ(fake.log, (Log{"write " + kDefFile, "write_exe " + kCompiler, "save_dialog"}));
  EXPECT_EQ(MakeFrame(fake, kDef, kPhoto), -1);
}

TEST_F(RunnerTest, TemporaryFilesThatCannotBeWritten) {
  struct Case {
    const char* trace;
    bool batch;
    std::function<void(FakePlatform&)> setup;
    Log log;
  } cases[] = {
      {"no private temporary directory", false, [](FakePlatform& f) { f.temp_dir.reset(); }, {}},
      {"definition file",
       false,
       [](FakePlatform& f) { f.unwritable.insert(kDefFile); },
       {"write " + kDefFile}},
      {"compiler, interactive",
       false,
       [](FakePlatform& f) { f.unwritable.insert(kCompiler); },
       {"write " + kDefFile, "write_exe " + kCompiler, Error(kErrorCompilerNotWritten)}},
      {"compiler, batch",
       true,
       [](FakePlatform& f) { f.unwritable.insert(kCompiler); },
       {"write " + kDefFile, "write_exe " + kCompiler, Debug(kErrorCompilerNotWritten)}},
      {"no compiler carried",
       false,
       [](FakePlatform& f) { f.compiler_bytes.clear(); },
       {"write " + kDefFile, Error(kErrorCompilerNotWritten)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trace);
    FakePlatform fake;
    fake.existing.insert(kPhoto);
    c.setup(fake);
    int32_t result = c.batch ? FinishMakeBat(fake, true, "f", kDef, kPhotoAddress)
                             : FinishMake(fake, kDef, kPhotoAddress);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(fake.log, c.log);
  }
}

TEST_F(RunnerTest, PathsWithBlanksAndQuotesStayWholeArguments) {
  const std::string photo = "/home/u/My \"Best\" Pics/a b.jpg";
  fake.existing.insert(photo);
  fake.save_path = "/home/u/out -o x.vmf";
  FinishMake(fake, kDef, "file://" + photo);
  ASSERT_EQ(fake.runs.size(), 1u);
  EXPECT_EQ(fake.runs[0], (Log{"-if", kDefFile, "-ii", photo, "-o", "/home/u/out -o x.vmf"}));
}

}  // namespace
}  // namespace vmx::host
