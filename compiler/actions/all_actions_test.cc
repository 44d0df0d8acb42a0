// Every action name through the built vmxmk: one record per action, each of its exact size and
// type id, and refused actions skipped with their messages while the compile goes on.
#include <gtest/gtest.h>

#include <set>

#include "compiler/records/action_table.h"
#include "compiler/records/bytes.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

struct Expected {
  const char* name;
  const char* params;
  int32_t type;
  size_t size;
};

// Sizes and type ids as the frame files carry them; the parameters make the refusing builders
// accept.
const Expected kAll[] = {
    {"rgb", "<red>1</red>", 2, 25},
    {"hsv", "", 3, 28},
    {"hue", "", 15, 16},
    {"color_level", "<channel>rgb</channel>", 5, 28},
    {"color_balance", "", 6, 29},
    {"gamma", "", 4, 28},
    {"rotate", "<angle>90.5</angle>", 1, 17},
    {"filter", "<KSize>2</KSize><kernel>1,2,3,4</kernel>", 13, 128},
    {"histogram_stretch", "", 18, 24},
    {"jitter", "", 19, 16},
    {"repair", "", 20, 20},
    {"nosie", "", 21, 16},
    {"median", "", 22, 16},
    {"threshold", "", 23, 13},
    {"gaussian_blur", "", 24, 16},
    {"text_blur", "", 25, 17},
    {"selective_blur", "", 26, 17},
    {"mix_pixel", "", 27, 16},
    {"circle_transform", "", 28, 24},
    {"edge", "", 16, 16},
    {"dilate", "", 34, 16},
    {"erode", "", 17, 16},
    {"photographicsstudio_style", "", 8, 16},
    {"mix_layer", "<method>add</method>", 62, 16},
    {"face_detect", "", 41, 20},
    {"lomo_style", "", 9, 12},
    {"sketch_style", "", 10, 12},
    {"auto_contrast", "", 11, 12},
    {"color_enhance", "", 12, 12},
    {"negative", "", 14, 12},
    {"flip", "", 30, 12},
    {"mirror", "", 31, 12},
    {"rotate_left", "", 32, 12},
    {"rotate_right", "", 33, 12},
    {"auto_white_balance", "", 7, 12},
    {"gray_scale", "", 29, 12},
    {"pcl_posterize", "", 42, 16},
    {"pcl_ribbon", "", 43, 20},
    {"pcl_splash", "", 44, 16},
    {"pcl_mosaic", "", 45, 16},
    {"pcl_oilpaint", "", 46, 16},
    {"pcl_3dgrid", "", 47, 20},
    {"pcl_emboss", "", 48, 16},
    {"pcl_shift", "", 49, 16},
    {"pcl_illusion", "", 53, 16},
    {"pcl_wave", "", 50, 28},
    {"pcl_video", "", 51, 16},
    {"pcl_blinds", "", 52, 21},
    {"pcl_ripple", "", 54, 21},
    {"pcl_fractal", "", 55, 16},
    {"pcl_zoom_blur", "", 58, 16},
    {"pcl_radial_blur", "", 59, 16},
    {"pcl_whirl_pinch", "", 56, 28},
    {"pcl_noise", "", 60, 17},
    {"text", "<context>Hello</context><font_name>Arial</font_name>", 35, 121},
    {"round", "<radius>8</radius>", 40, 16},
    {"round2", "<radius>8</radius>", 63, 16},
    {"shadow", "", 39, 32},
    {"fill_color", "", 61, 16},
};

// Each refused action sits before the kAll entry of the same index and says what it logs.
const struct {
  const char* action;
  const char* log;
} kRefused[] = {
    {"<action name='color_level' id='900'><channel>purple</channel></action>",
     "parser_action_color_level: invalid color channel(purple)!\n"},
    {"<action name='mix_layer' id='901'><method>normal</method></action>", ""},
    {"<action name='filter' id='902'><KSize>0</KSize></action>",
     "parser_action_filter: invalid filter size(0)!\n"},
    {"<action name='filter' id='903'><KSize>2</KSize><kernel>1,2,3</kernel></action>",
     "parser_action_filter: invalid filter kernel(1,2,3)！"},
    {"<action name='text' id='904'><font_name>Arial</font_name></action>", ""},
};

int32_t id_of(size_t index) {
  // The ribbon keeps the id of its worked example.
  return std::string_view(kAll[index].name) == "pcl_ribbon" ? 7 : int32_t(100 + index);
}

TEST(AllActions, CompileIntoOneRecordEach) {
  ASSERT_EQ(std::size(kAll), action_kinds().size());
  std::set<std::string_view> names;
  for (const Expected& e : kAll) names.insert(e.name);
  for (const ActionKind& kind : action_kinds()) EXPECT_TRUE(names.count(kind.name)) << kind.name;

  std::string actions;
  std::string expected_log;
  for (size_t i = 0; i < std::size(kAll); ++i) {
    if (i < std::size(kRefused)) {
      actions += kRefused[i].action;
      expected_log += kRefused[i].log;
    }
    actions += "<action name='" + std::string(kAll[i].name) + "' id='" + std::to_string(id_of(i)) +
               "'>" + kAll[i].params + "</action>";
  }
  testing::TempDir dir;
  testing::write_file(
      dir / "all.xml",
      testing::definition("<element left='0' top='0' width='8' height='8'/>", actions));
  testing::RunResult run = testing::run_vmxmk({"-if", dir / "all.xml", "-o", dir / "all.vmf"});
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find(expected_log), std::string::npos) << run.output;

  std::vector<uint8_t> file = testing::read_bytes(dir / "all.vmf");
  ASSERT_GE(file.size(), 29u);
  EXPECT_EQ(get_i32(file, 21), int32_t(std::size(kAll)));  // action count
  size_t at = get_u32(file, 25);                           // first action record
  for (size_t i = 0; i < std::size(kAll); ++i) {
    SCOPED_TRACE(kAll[i].name);
    ASSERT_LE(at + 12, file.size());
    size_t size = get_u32(file, at);
    ASSERT_EQ(size, kAll[i].size);
    ASSERT_LE(at + size, file.size());
    std::vector<uint8_t> record = testing::unscrambled(
        std::vector<uint8_t>(file.begin() + at, file.begin() + at + size), 4, size);
    EXPECT_EQ(get_i32(record, 4), id_of(i));
    EXPECT_EQ(get_i32(record, 8), kAll[i].type);
    if (std::string_view(kAll[i].name) == "pcl_ribbon") {
      const std::vector<uint8_t> ribbon = {
          0x14, 0x00, 0x00, 0x00,  // size = 20
          0x07, 0x00, 0x00, 0x00,  // action id = 7
          0x2B, 0x00, 0x00, 0x00,  // type = 43
          0x19, 0x00, 0x00, 0x00,  // swing = 25
          0x23, 0x00, 0x00, 0x00,  // frequency = 35
      };
      EXPECT_EQ(record, ribbon);
    }
    if (kAll[i].type == 40 || kAll[i].type == 63) {
      EXPECT_EQ(get_i32(record, 12), 8);  // "round2" is the "round" record
    }
    at += size;
  }
  EXPECT_EQ(at, file.size());  // no image: the last record ends the file
}

}  // namespace
}  // namespace vmx
