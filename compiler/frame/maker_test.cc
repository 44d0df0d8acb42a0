// The compile driver end to end in-process: header bytes, section offsets, default paths, and
// every failure with its code, its messages and the removal of the output.
#include "compiler/frame/maker.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "compiler/records/bytes.h"
#include "compiler/result_codes.h"
#include "compiler/settings.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

namespace fs = std::filesystem;
using testing::definition;
using testing::read_bytes;
using testing::write_file;

const std::string kOneElement = "<element left='1' top='2' width='30' height='40'/>";
const std::string kOneAction = "<action name='negative' id='9'/>";

struct Compiled {
  int32_t code;
  std::string log;
};

Compiled compile(const std::string& xml, const Path& def, const Path& image, const Path& out) {
  auto doc = std::make_unique<TiXmlDocument>();
  doc->Parse(xml.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  ::testing::internal::CaptureStdout();
  int32_t code = make_by_path(*doc, def, image, out);
  return {code, ::testing::internal::GetCapturedStdout()};
}

class MakerTest : public ::testing::Test {
 protected:
  void SetUp() override { settings() = Settings{}; }
  testing::TempDir dir;
};

TEST_F(MakerTest, HeaderAndSectionsOfAFullFrame) {
  std::string image(1000, '\0');
  for (size_t i = 0; i < image.size(); ++i) image[i] = char(i * 7);
  write_file(dir / "photo.bin", image);
  std::string header_extra =
      "<image_width>640</image_width><image_height>-480</image_height><frame_count>3</frame_count>"
      "<name>N</name><author>A</author><email>E</email>";
  auto r = compile(definition(kOneElement, kOneAction, header_extra), std::nullopt,
                   dir / "photo.bin", dir / "out.vmf");
  ASSERT_EQ(r.code, kOk) << r.log;
  EXPECT_EQ(r.log, "@CZUVUzedu: m_nMaxWidth = 0, m_nMaxHeight = 0\n@Make begin!\n"
                   "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\n"
                   "@AppendImage: open file(" + (dir / "photo.bin") + ") successed!\n"
                   "@Make: crate frame(" + (dir / "out.vmf") + ") successed!\n");

  std::vector<uint8_t> f = read_bytes(dir / "out.vmf");
  ASSERT_EQ(f.size(), 1305u);
  EXPECT_EQ(std::string(f.begin(), f.begin() + 5), "vimox");
  EXPECT_EQ(get_i32(f, 5), 253);     // header size
  EXPECT_EQ(get_i32(f, 9), 1);       // version
  EXPECT_EQ(get_i32(f, 13), 1);      // element count
  EXPECT_EQ(get_i32(f, 17), 253);    // element records offset
  EXPECT_EQ(get_i32(f, 21), 1);      // action count
  EXPECT_EQ(get_i32(f, 25), 293);    // action records offset: 253 + 40
  EXPECT_EQ(get_i32(f, 29), 640);    // image width, as the definition gives it
  EXPECT_EQ(get_i32(f, 33), -480);   // image height
  EXPECT_EQ(get_i32(f, 37), 305);    // image offset: 293 + 12
  EXPECT_EQ(get_i32(f, 41), 1000);   // image size
  EXPECT_EQ(get_i32(f, 45), 3);      // frame count
  EXPECT_EQ(get_i32(f, 49), 0);      // reserved
  EXPECT_EQ(f[53], 'N');
  EXPECT_EQ(f[54], 0);
  EXPECT_EQ(f[153], 'A');
  EXPECT_EQ(f[203], 'E');

  // Element record: plain size word, then scrambled fields.
  EXPECT_EQ(get_i32(f, 253), 40);
  std::vector<uint8_t> clear = testing::unscrambled(f, 257, 293);
  EXPECT_EQ(get_i32(clear, 257), -1);  // photo index default
  EXPECT_EQ(get_i32(clear, 273), 1);   // left
  EXPECT_EQ(get_i32(clear, 277), 2);   // top
  EXPECT_EQ(get_i32(clear, 281), 30);  // width
  EXPECT_EQ(get_i32(clear, 285), 40);  // height
  EXPECT_EQ(get_i32(clear, 289), 0);   // end of the id list

  // Action record: size 12 plain, id and type scrambled.
  EXPECT_EQ(get_i32(f, 293), 12);
  clear = testing::unscrambled(f, 297, 305);
  EXPECT_EQ(get_i32(clear, 297), 9);
  EXPECT_EQ(get_i32(clear, 301), 14);

  for (size_t i = 0; i < image.size(); ++i)
    ASSERT_EQ(f[305 + i], uint8_t(image[i]) ^ 0x5A) << "payload byte " << i;
}

TEST_F(MakerTest, DefaultsWithoutImageAndHeaderTextCuts) {
  std::string name(150, 'n'), author49(49, 'a'), email50(50, 'e');
  auto r = compile(definition(kOneElement, kOneAction,
                              "<name>" + name + "</name><author>" + author49 +
                                  "</author><email>" + email50 + "</email>"),
                   std::nullopt, std::nullopt, dir / "out.vmf");
  ASSERT_EQ(r.code, kOk) << r.log;
  std::vector<uint8_t> f = read_bytes(dir / "out.vmf");
  ASSERT_EQ(f.size(), 305u);  // nothing after the last action record
  EXPECT_EQ(get_i32(f, 37), 0);  // image offset
  EXPECT_EQ(get_i32(f, 41), 0);  // image size
  EXPECT_EQ(get_i32(f, 45), 1);  // frame count default
  EXPECT_EQ(get_i32(f, 29), 0);
  EXPECT_EQ(std::string(f.begin() + 53, f.begin() + 152), name.substr(0, 99));
  EXPECT_EQ(f[152], 0);
  EXPECT_EQ(std::string(f.begin() + 153, f.begin() + 202), author49);  // whole
  EXPECT_EQ(std::string(f.begin() + 203, f.begin() + 252), email50.substr(0, 49));
  EXPECT_EQ(f[252], 0);
}

TEST_F(MakerTest, EmptyImageGivesEmptyPayload) {
  write_file(dir / "empty.jpg", "");
  auto r = compile(definition(kOneElement, kOneAction), std::nullopt, dir / "empty.jpg",
                   dir / "out.vmf");
  ASSERT_EQ(r.code, kOk) << r.log;
  std::vector<uint8_t> f = read_bytes(dir / "out.vmf");
  EXPECT_EQ(f.size(), 305u);
  EXPECT_EQ(get_i32(f, 37), 305);
  EXPECT_EQ(get_i32(f, 41), 0);
}

TEST_F(MakerTest, DefaultImageAndOutputPathsFromTheDefinitionPath) {
  const struct {
    const char* definition;          // relative to the temp dir
    std::vector<const char*> files;  // present beside it
    const char* image;               // expected image, "" for none
    const char* output;
  } cases[] = {
      {"f1.xml", {"f1.jpg", "f1.png"}, "f1.jpg", "f1.vmf"},
      {"f1.xml", {"f1.jpeg"}, "f1.jpeg", "f1.vmf"},
      {"f1.xml", {"f1.gif", "f1.png"}, "f1.gif", "f1.vmf"},
      {"f1.xml", {}, "", "f1.vmf"},
      {"frame", {"frame.bmp"}, "frame.bmp", "frame.vmf"},
      {"my.dir/frame", {"my.bmp"}, "my.bmp", "my.vmf"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.definition);
    testing::TempDir d;
    fs::create_directory(d.path() / "my.dir");
    for (const char* file : c.files) write_file(d / file, std::string("IMG:") + file);
    auto r = compile(definition(kOneElement, kOneAction), d / c.definition, std::nullopt,
                     std::nullopt);
    ASSERT_EQ(r.code, kOk) << r.log;
    std::vector<uint8_t> f = read_bytes(d / c.output);
    ASSERT_GE(f.size(), 305u);
    std::string payload(f.begin() + 305, f.end());
    for (char& ch : payload) ch ^= 0x5A;
    EXPECT_EQ(payload, *c.image ? std::string("IMG:") + c.image : "");
  }
}

TEST_F(MakerTest, FailuresReportTheirCodeAndRemoveTheOutput) {
  write_file(dir / "photo.jpg", "x");
  fs::create_directory(dir / "folder");
  std::string out = dir / "out.vmf";
  std::string e101;
  for (int i = 0; i < 101; ++i) e101 += kOneElement;
  const std::string tail = "Make: create frame(" + out + ") failed! now delete.\n";
  const struct {
    const char* what;
    std::string xml;
    Path image;
    int32_t code;
    std::string messages;  // between "@Make begin!\n" and the deletion line
  } cases[] = {
      {"no root", "", std::nullopt, kNoRoot, "Make: xml lose 'root' node!\n"},
      // The partial tree a syntax error leaves is what gets compiled.
      {"not well-formed", "<frame><header>", std::nullopt, kBadVersion,
       "Make: vmf header version(0) was invalid!\n"},
      {"no header", "<frame/>", std::nullopt, kNoHeader, "Make: xml lose 'header' node!\n"},
      {"no version", "<f><header/></f>", std::nullopt, kBadVersion,
       "Make: vmf header version(0) was invalid!\n"},
      {"version 2", "<f><header><version>2</version></header></f>", std::nullopt, kBadVersion,
       "Make: vmf header version(2) was invalid!\n"},
      {"no elements", "<f><header><version>1</version></header></f>", std::nullopt, kBadElements,
       "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\n"},
      {"zero elements", definition("", kOneAction), std::nullopt, kBadElements,
       "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\nMake: element count was invalid(0)!\n"},
      {"101 elements", definition(e101, kOneAction), std::nullopt, kBadElements,
       "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\nMake: element count was invalid(101)!\n"},
      {"no actions",
       "<f><header><version>1</version></header><elements>" + kOneElement + "</elements></f>",
       std::nullopt, kBadElements,
       "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\nMake: loss element node!\n"},
      {"no usable action", definition(kOneElement, "<action name='negative'/>"), std::nullopt,
       kNoActions,
       "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\n"
       "parser_actions: action id isn't zero!(negative, zero)"},
      {"image is a directory", definition(kOneElement, kOneAction), dir / "folder", kFileFailed,
       "@Make: m_nMaxWidth = 0, m_nMaxHeight = 0\nAppendImage: open file(" + (dir / "folder") +
           ") failed!\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    write_file(out, "an older frame");  // deleted even when this run never opened it
    auto r = compile(c.xml, std::nullopt, c.image, out);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.log, "@CZUVUzedu: m_nMaxWidth = 0, m_nMaxHeight = 0\n@Make begin!\n" +
                         c.messages + tail);
    EXPECT_FALSE(fs::exists(out));
  }
}

TEST_F(MakerTest, MissingImageLeavesTheOutputAlone) {
  write_file(dir / "out.vmf", "keep");
  auto r = compile(definition(kOneElement, kOneAction), std::nullopt, dir / "nope.jpg",
                   dir / "out.vmf");
  EXPECT_EQ(r.code, kNoImage);
  EXPECT_EQ(r.log, "main: can't read image file(" + (dir / "nope.jpg") + ")!\n");
  EXPECT_EQ(testing::read_file(dir / "out.vmf"), "keep");
}

TEST_F(MakerTest, OutputNamingAnInputIsRefusedAndBothStayIntact) {
  write_file(dir / "p.jpg", "photo");
  fs::create_symlink(dir / "p.jpg", dir / "link.jpg");
  write_file(dir / "def.vmf", definition(kOneElement, kOneAction));
  const struct { Path definition, image, output; } cases[] = {
      {std::nullopt, dir / "p.jpg", dir / "p.jpg"},
      {std::nullopt, dir / "p.jpg", dir / "link.jpg"},
      {dir / "def.vmf", dir / "p.jpg", std::nullopt},  // the derived output is the definition
  };
  for (const auto& c : cases) {
    auto r = compile(definition(kOneElement, kOneAction), c.definition, c.image, c.output);
    EXPECT_EQ(r.code, kFileFailed);
    std::string out = c.output ? *c.output : dir / "def.vmf";
    EXPECT_EQ(r.log, "main: output file(" + out + ") is an input file!\n");
    EXPECT_EQ(testing::read_file(dir / "p.jpg"), "photo");
    EXPECT_EQ(testing::read_file(dir / "def.vmf"), definition(kOneElement, kOneAction));
  }
}

TEST_F(MakerTest, NoOutputPathFailsWithNullInMessages) {
  auto r = compile(definition(kOneElement, kOneAction), std::nullopt, std::nullopt,
                   std::nullopt);
  EXPECT_EQ(r.code, kFileFailed);
  EXPECT_NE(r.log.find("Make: create file ((null)) failed!\n"), std::string::npos) << r.log;
  EXPECT_NE(r.log.find("Make: create frame((null)) failed! now delete.\n"), std::string::npos);
}

TEST_F(MakerTest, FailureNeverRemovesADirectoryAtTheOutputPath) {
  fs::create_directory(dir / "out.vmf");
  auto r = compile("<frame/>", std::nullopt, std::nullopt, dir / "out.vmf");
  EXPECT_EQ(r.code, kNoHeader);
  EXPECT_TRUE(fs::is_directory(dir / "out.vmf"));
}

TEST_F(MakerTest, LimitsReachTheMakerAndTheImageIsEmbeddedUnchanged) {
  settings().max_width = 800;
  settings().max_height = 600;
  write_file(dir / "p.jpg", "photo");
  auto r = compile(definition(kOneElement, kOneAction), std::nullopt, dir / "p.jpg",
                   dir / "out.vmf");
  ASSERT_EQ(r.code, kOk) << r.log;
  EXPECT_EQ(r.log.rfind("@CZUVUzedu: m_nMaxWidth = 800, m_nMaxHeight = 600\n", 0), 0u);
  EXPECT_EQ(get_i32(read_bytes(dir / "out.vmf"), 41), 5);
}

// A full disk must not look like success: with a file-size limit below the frame's size, every
// write past it fails, and the compile reports it and deletes what it wrote.
TEST_F(MakerTest, FailedWritesFailTheCompile) {
  write_file(dir / "big.jpg", std::string(8192, 'p'));
  write_file(dir / "def.xml", definition(kOneElement, kOneAction));
  testing::RunResult r = testing::run_vmxmk(
      {"-if", dir / "def.xml", "-ii", dir / "big.jpg", "-o", dir / "out.vmf"}, ".", VMXMK_PATH,
      4096);
  EXPECT_EQ(r.status, kFileFailed) << r.output;
  const std::string& log = r.output;
  std::string out = dir / "out.vmf";
  EXPECT_NE(log.find("Make: write file (" + out + ") failed!\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Make: create frame(" + out + ") failed! now delete.\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace vmx
