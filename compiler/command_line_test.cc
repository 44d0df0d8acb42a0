// The real vmxmk from the outside: usage, the scan's order of tests, configuration file name.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

#include "compiler/records/bytes.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

namespace fs = std::filesystem;
using testing::definition;
using testing::run_vmxmk;
using testing::write_file;

const std::string kElement = "<element width='10' height='10'/>";

// A definition whose only action id tells which file was compiled.
std::string tagged(int id) {
  return definition(kElement, "<action name='flip' id='" + std::to_string(id) + "'/>");
}

// The action id of the first action record of a frame file, or 0 when there is no file.
int32_t tag_of(const std::string& frame) {
  std::vector<uint8_t> f = testing::read_bytes(frame);
  if (f.size() < 305) return 0;
  return get_i32(testing::unscrambled(f, 297, 301), 297);
}

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(dir / "a.xml", tagged(1));
    write_file(dir / "b.xml", tagged(2));
    write_file(dir / "a.txt", tagged(3));
    write_file(dir / "A.XML", tagged(4));
    write_file(dir / "a.xml.bak", tagged(5));
  }
  // Runs in the temporary folder; argument 0 names a program there, so "vmxmk.ini" is looked
  // for beside it.
  testing::RunResult run(const std::vector<std::string>& args) {
    return run_vmxmk(args, dir.path().string(), dir / "vmxmk");
  }
  testing::TempDir dir;
};

TEST_F(CommandLine, UsageWithoutArgumentsReadsNoConfiguration) {
  auto r = run({});
  EXPECT_EQ(r.status, -1);
  EXPECT_EQ(r.output,
            "vimox frame maker v0.1 (20081130)\n"
            "\t-is path     \tinput string of the define frame xml\n"
            "\t-if path     \tinput path of the define frame xml\n"
            "\t-ii path     \tinput image path\n"
            "\t-o path      \toutput frame path\n"
            "\t-seqid number\tinput seqid id\n"
            "\t-server      \tstart server accept request\n"
            "\t-limit_size width,[height]\n"
            "\t-limit_seqid seqid\n");
}

TEST_F(CommandLine, WhichDefinitionAndOutputTheScanPicks) {
  const struct {
    std::vector<std::string> args;
    std::string output;  // the frame file expected, relative to the folder
    int32_t tag;         // which definition it was compiled from
  } cases[] = {
      {{"-if", "a.xml", "-if", "b.xml"}, "a.vmf", 1},
      {{"a.xml", "b.xml"}, "a.vmf", 1},
      {{"-IF", "a.xml"}, "a.vmf", 1},
      {{"A.XML"}, "A.vmf", 4},
      {{"a.xml.bak", "-if", "a.txt"}, "a.vmf", 3},
      {{"a.xml", "-o"}, "a.vmf", 1},
      {{"-o", "-ii", "a.xml"}, "-ii", 1},
      {{"a.xml", "-seqid", "0", "-o", "out.vmf"}, "a.vmf", 1},
      {{"-o", "x.vmf", "-is", tagged(6), "-if", "a.xml"}, "x.vmf", 6},
      {{"-o", "y.vmf", "-is"}, "", 0},  // no definition at all: nothing is written
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    for (const char* f : {"a.vmf", "A.vmf", "-ii", "x.vmf", "y.vmf", "out.vmf"})
      fs::remove(dir / f);
    auto r = run(c.args);
    if (c.output.empty()) {
      EXPECT_EQ(r.status, 13) << r.output;
      EXPECT_FALSE(fs::exists(dir / "y.vmf"));
      continue;
    }
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(tag_of(dir / c.output), c.tag);
    EXPECT_FALSE(fs::exists(dir / "out.vmf"));
  }
}

// "-seqid n" and "-server" run at once and end the scan: a definition named before them is
// dropped, one after them never seen, and only the options before them take effect.
TEST_F(CommandLine, SeqidAndServerEndTheScan) {
  // Holding the port makes the server's bind fail, so "-server" returns at once with 7.
  int holder = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(::bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length);
  write_file(dir / "vmxmk.ini", "listen_port=" + std::to_string(ntohs(address.sin_port)) + "\n");

  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"a.xml", "-seqid", "12"}, 12},  // no job directories configured
      {{"-seqid", "12", "a.xml"}, 12},
      {{"a.xml", "-server"}, 7},
      {{"-server", "a.xml"}, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    auto r = run(c.args);
    EXPECT_EQ(r.status, c.status) << r.output;
    EXPECT_EQ(r.output, "");
    EXPECT_FALSE(fs::exists(dir / "a.vmf"));
  }
  ::close(holder);
}

TEST_F(CommandLine, InlineDefinitionWithoutOutputFailsWithNull) {
  auto r = run({"-is", tagged(1), "-if", "a.xml"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.output.find("Make: create file ((null)) failed!\n"), std::string::npos) << r.output;
}

TEST_F(CommandLine, ConfigurationFileIsArgumentZeroPlusIni) {
  auto r = run({"a.xml"});
  EXPECT_EQ(r.output.rfind("@vxf_read_config: open config file failed(" + (dir / "vmxmk.ini") +
                               ").\n",
                           0),
            0u)
      << r.output;
  write_file(dir / "vmxmk.ini", "limit_size=640,480\n");
  r = run({"a.xml", "-limit_size", "800"});
  EXPECT_NE(r.output.find("@CZUVUzedu: m_nMaxWidth = 800, m_nMaxHeight = 480\n"),
            std::string::npos)
      << r.output;
  EXPECT_EQ(r.output.find("vxf_read_config"), std::string::npos);
}

// Reading a folder as a definition must end as an unreadable definition does, not in a crash.
TEST_F(CommandLine, FolderAsDefinitionHasNoRoot) {
  fs::create_directory(dir / "folder.xml");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"folder.xml", "-o", "f.vmf"},
        std::vector<std::string>{"-if", "folder.xml", "-o", "f.vmf"}}) {
    auto r = run(args);
    EXPECT_EQ(r.status, 13) << r.output;
    EXPECT_NE(r.output.find("Make: xml lose 'root' node!\n"), std::string::npos);
  }
}

TEST_F(CommandLine, MissingImageIsCodeTen) {
  auto r = run({"a.xml", "-ii", "nothing.jpg"});
  EXPECT_EQ(r.status, 10);
  EXPECT_NE(r.output.find("main: can't read image file(nothing.jpg)!\n"), std::string::npos);
}

}  // namespace
}  // namespace vmx
