// Filter and blur records: golden bytes, the "filter" kernel and its refusals.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "compiler/actions/builder_testing.h"
#include "compiler/actions/builders.h"

namespace vmx {
namespace {

using testing::build;
using testing::Built;
using testing::hex;

TEST(FilterRecords, GoldenBytes) {
  const testing::Golden cases[] = {
      {"rotate: the angle is an unaligned float",
       build_rotate,
       "<flag>257</flag><angle>90.5</angle>",
       {
           0x11, 0x00, 0x00, 0x00,  // size = 17
           0x00, 0x00, 0x00, 0x00,  // action id, written by the dispatcher
           0x01, 0x00, 0x00, 0x00,  // type = 1
           0x01,                    // flag = 257 & 0xFF
           0x00, 0x00, 0xB5, 0x42,  // angle = 90.5f, at 13
       }},
      {"repair defaults",
       build_repair,
       "",
       {
           0x14, 0x00, 0x00, 0x00,  // size = 20
           0x00, 0x00, 0x00, 0x00,  // action id
           0x14, 0x00, 0x00, 0x00,  // type = 20
           0x00, 0x00, 0x80, 0x3E,  // radius = 0.25f
           0x01, 0x00, 0x00, 0x00,  // niterations = 1
       }},
      {"gaussian_blur",
       build_gaussian_blur,
       "<radius>2.5</radius>",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x18, 0x00, 0x00, 0x00,  // type = 24
           0x00, 0x00, 0x20, 0x40,  // radius = 2.5f
       }},
      {"text_blur defaults",
       build_text_blur,
       "",
       {
           0x11, 0x00, 0x00, 0x00,  // size = 17
           0x00, 0x00, 0x00, 0x00,  // action id
           0x19, 0x00, 0x00, 0x00,  // type = 25
           0x64,                    // threshold = 100
           0x64,                    // decay = 100
           0x05,                    // max_depth = 5
           0x01,                    // bBlurHorizontal = 1
           0x01,                    // bBlurVertical = 1
       }},
      {"text_blur",
       build_text_blur,
       "<threshold>1</threshold><decay>2</decay><max_depth>3</max_depth>"
       "<bBlurHorizontal>0</bBlurHorizontal><bBlurVertical>-1</bBlurVertical>",
       {
           0x11, 0x00, 0x00, 0x00,  // size = 17
           0x00, 0x00, 0x00, 0x00,  // action id
           0x19, 0x00, 0x00, 0x00,  // type = 25
           0x01,                    // threshold = 1
           0x02,                    // decay = 2
           0x03,                    // max_depth = 3
           0x00,                    // bBlurHorizontal = 0
           0xFF,                    // bBlurVertical = -1 & 0xFF
       }},
      {"selective_blur defaults",
       build_selective_blur,
       "",
       {
           0x11, 0x00, 0x00, 0x00,  // size = 17
           0x00, 0x00, 0x00, 0x00,  // action id
           0x1A, 0x00, 0x00, 0x00,  // type = 26
           0x00, 0x00, 0x80, 0x3F,  // radius = 1.0f
           0x19,                    // threshold = 25
       }},
      {"circle_transform",
       build_circle_transform,
       "<type>2</type><rmax>-1</rmax>",
       {
           0x18, 0x00, 0x00, 0x00,  // size = 24
           0x00, 0x00, 0x00, 0x00,  // action id
           0x1C, 0x00, 0x00, 0x00,  // type = 28
           0x02, 0x00, 0x00, 0x00,  // type = 2
           0xFF, 0xFF, 0xFF, 0xFF,  // rmax = -1
           0x00, 0x00, 0x80, 0x3F,  // Koeff = 1.0f (default)
       }},
      {"face_detect defaults: 20 bytes",
       build_face_detect,
       "",
       {
           0x14, 0x00, 0x00, 0x00,  // size = 20
           0x00, 0x00, 0x00, 0x00,  // action id
           0x29, 0x00, 0x00, 0x00,  // type = 41
           0xFF, 0xFF, 0xFF, 0xFF,  // face_index = -1
           0x00, 0x00, 0x00, 0x00,  // always 0
       }},
  };
  for (const auto& g : cases) testing::expect_golden(g);
}

TEST(FilterRecords, OneIntegerRecords) {
  const testing::OneInt cases[] = {
      {build_jitter, "radius", 19, 16, 2},
      {build_nosie, "level", 21, 16, 0},
      {build_median, "KSize", 22, 16, 3},
      {build_edge, "KSize", 16, 16, 2},
      {build_dilate, "KSize", 34, 16, 2},
      {build_erode, "KSize", 17, 16, 2},
      {build_photographicsstudio_style, "style", 8, 16, 0},
      {build_face_detect, "face_index", 41, 20, -1},
  };
  for (const auto& c : cases) testing::expect_one_int(c);
}

TEST(FilterRecords, KernelGolden) {
  Built b = build(build_filter,
                  "<KSize>3</KSize><Kfactor>1</Kfactor><Koffset>-2</Koffset>"
                  "<kernel>0,-1,0,-1,5,-1,0,-1,0</kernel>");
  ASSERT_TRUE(b.record.has_value());
  const Record head = {
      0x20, 0x01, 0x00, 0x00,  // size = 32 × 3² = 288
      0x00, 0x00, 0x00, 0x00,  // action id
      0x0D, 0x00, 0x00, 0x00,  // type = 13
      0x03, 0x00, 0x00, 0x00,  // KSize = 3
      0x01, 0x00, 0x00, 0x00,  // Kfactor = 1
      0xFE, 0xFF, 0xFF, 0xFF,  // Koffset = -2
      0x00, 0x00, 0x00, 0x00,  // kernel[0] = 0
      0xFF, 0xFF, 0xFF, 0xFF,  // kernel[1] = -1
      0x00, 0x00, 0x00, 0x00,  // kernel[2] = 0
      0xFF, 0xFF, 0xFF, 0xFF,  // kernel[3] = -1
      0x05, 0x00, 0x00, 0x00,  // kernel[4] = 5
      0xFF, 0xFF, 0xFF, 0xFF,  // kernel[5] = -1
      0x00, 0x00, 0x00, 0x00,  // kernel[6] = 0
      0xFF, 0xFF, 0xFF, 0xFF,  // kernel[7] = -1
      0x00, 0x00, 0x00, 0x00,  // kernel[8] = 0
  };
  Record expected = head;
  expected.resize(288, 0);  // 60 to 287 are 0
  EXPECT_EQ(hex(*b.record), hex(expected));
  EXPECT_EQ(b.log, "");
}

TEST(FilterRecords, KernelValues) {
  const std::string zeros(199, '0');
  const struct {
    const char* what;
    int32_t ksize;
    std::string kernel;
    std::vector<int32_t> values;
  } cases[] = {
      {"surplus ignored", 3, "1,2,3,4,5,6,7,8,9,10", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"empty token is 0", 2, "1,,3,4", {1, 0, 3, 4}},
      {"leading comma is a 0", 2, ",2,3,4", {0, 2, 3, 4}},
      {"text after a number", 2, "1px, 2 ,+3,-4x", {1, 2, 3, -4}},
      {"one cell", 1, "7", {7}},
      {"negative KSize stored as read", -2, "1,2,3,4", {1, 2, 3, 4}},
      {"token cut to 199 characters", 2, zeros + "5," + zeros.substr(1) + "5,1,1", {0, 5, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Built b = build(build_filter, "<KSize>" + std::to_string(c.ksize) + "</KSize><kernel>" +
                                      c.kernel + "</kernel>");
    ASSERT_TRUE(b.record.has_value());
    const Record& r = *b.record;
    size_t size = 32 * c.values.size();
    ASSERT_EQ(r.size(), size);
    EXPECT_EQ(get_i32(r, 0), int32_t(size));
    EXPECT_EQ(get_i32(r, 12), c.ksize);
    for (size_t i = 0; i < c.values.size(); ++i) EXPECT_EQ(get_i32(r, 24 + 4 * i), c.values[i]);
    for (size_t i = 24 + 4 * c.values.size(); i < size; ++i) EXPECT_EQ(r[i], 0) << "byte " << i;
  }
}

TEST(FilterRecords, Refusals) {
  const struct {
    const char* body;
    const char* log;
  } cases[] = {
      {"<KSize>3</KSize><kernel>1,2,3,4,5,6,7,8</kernel>",
       "parser_action_filter: invalid filter kernel(1,2,3,4,5,6,7,8)！"},
      {"<KSize>3</KSize><kernel>1,2,3,4,5,6,7,8,</kernel>",
       "parser_action_filter: invalid filter kernel(1,2,3,4,5,6,7,8,)！"},
      // A line break is condensed to a blank inside the token "2 3", which reads as 2.
      {"<KSize>2</KSize><kernel>1,2\n3,4</kernel>",
       "parser_action_filter: invalid filter kernel(1,2 3,4)！"},
      {"<KSize>1</KSize>", "parser_action_filter: invalid filter kernel()！"},
      {"<KSize>1</KSize><kernel/>", "parser_action_filter: invalid filter kernel()！"},
      // Refused on the count alone: 32 × 8191² bytes are never asked for.
      {"<KSize>8191</KSize><kernel>1,2,3</kernel>",
       "parser_action_filter: invalid filter kernel(1,2,3)！"},
      {"<kernel>1</kernel>", "parser_action_filter: invalid filter size(0)!\n"},
      {"<KSize>abc</KSize><kernel>1</kernel>", "parser_action_filter: invalid filter size(0)!\n"},
      {"<KSize>8192</KSize>", "parser_action_filter: invalid filter size(8192)!\n"},
      {"<KSize>-8192</KSize>", "parser_action_filter: invalid filter size(-8192)!\n"},
      {"<KSize>-2147483648</KSize>", "parser_action_filter: invalid filter size(-2147483648)!\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    Built b = build(build_filter, c.body);
    EXPECT_FALSE(b.record.has_value());
    EXPECT_EQ(b.log, c.log);
  }
}

#if !defined(__SANITIZE_ADDRESS__)
// Bytes of address space this process has mapped.
size_t mapped_bytes() {
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0;
  statm >> pages;
  return pages * size_t(sysconf(_SC_PAGESIZE));
}

// In a child of the death test: builds under an address-space limit of 16 MiB above what is
// mapped now, with standard output sent where the death test reads it.
[[noreturn]] void build_with_little_memory(const TiXmlElement& action) {
  std::fflush(stdout);
  dup2(2, 1);
  rlim_t limit = mapped_bytes() + (rlim_t(16) << 20);
  rlimit rl = {limit, limit};
  setrlimit(RLIMIT_AS, &rl);
  bool built = build_filter(action).has_value();
  std::fflush(stdout);
  _exit(built ? 1 : 0);
}
#endif

TEST(FilterRecordsDeathTest, RecordThatCannotBeAllocatedIsDropped) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator aborts where the C++ allocator throws";
#else
  // KSize 1024: a 2 MiB kernel text and a 32 MiB record.
  std::string kernel;
  for (int i = 0; i < 1024 * 1024; ++i) kernel += "1,";
  auto doc = testing::parse("<action><KSize>1024</KSize><kernel>" + kernel + "</kernel></action>");
  kernel.clear();
  kernel.shrink_to_fit();
  EXPECT_EXIT(build_with_little_memory(testing::root(*doc)), ::testing::ExitedWithCode(0),
              "parser_action_filter: out of memory for filter size\\(1024\\)!");
#endif
}

}  // namespace
}  // namespace vmx
