// Drawing records: the "text" record with its brushes and position, "shadow", "round" and
// "fill_color".
#include <gtest/gtest.h>

#include "compiler/actions/builder_testing.h"
#include "compiler/actions/builders.h"

namespace vmx {
namespace {

using testing::build;
using testing::Built;
using testing::hex;

Record slice(const Record& r, size_t from, size_t to) {
  return Record(r.begin() + from, r.begin() + to);
}

TEST(DrawingRecords, GoldenBytes) {
  const testing::Golden cases[] = {
      {"text: context and font name only",
       build_text,
       "<context>Hi</context><font_name>Arial</font_name>",
       {
           0x76, 0x00, 0x00, 0x00,                // size = 116 + 2 = 118
           0x00, 0x00, 0x00, 0x00,                // action id, written by the dispatcher
           0x23, 0x00, 0x00, 0x00,                // type = 35
           0x00,                                  // ani_type = 0
           0x01,                                  // ani_loop = 1
           0x00,                                  // ani_power = 0
           0x00,                                  // sta_type = 0
           0x00,                                  // sta_power = 0
           'A',  'r',  'i',  'a',  'l', 0, 0, 0,  // font_name "Arial", bytes 17 to 24
           0,    0,    0,    0,    0,   0, 0, 0,  // font_name, 25 to 32
           0,    0,    0,    0,    0,   0, 0, 0,  // font_name, 33 to 40
           0,    0,    0,    0,    0,   0, 0, 0,  // font_name, 41 to 48
           0x0E, 0x00, 0x00, 0x00,                // font_size = 14
           0x00, 0x00, 0x00, 0x00,                // font_style = 0
           0x86, 0x00, 0x00, 0x00,                // charset = 134
           0x00, 0x00, 0x00, 0x00,                // angle = 0.0f
           0x00,                                  // front brush type (no front_brush)
           0x00, 0x00, 0x00, 0x00,                // front brush colour 1
           0x00, 0x00, 0x00, 0x00,                // front brush colour 2
           0x00, 0x00, 0x00, 0x00,                // front brush image index
           0x00,                                  // back brush type (no back_brush)
           0x00, 0x00, 0x00, 0x00,                // back brush colour 1
           0x00, 0x00, 0x00, 0x00,                // back brush colour 2
           0x00, 0x00, 0x00, 0x00,                // back brush image index
           0x00, 0x00, 0x00, 0x00,                // left = 0
           0x00, 0x00, 0x00, 0x00,                // top = 0
           0x00, 0x00, 0x00, 0x00,                // width = 0
           0x00, 0x00, 0x00, 0x00,                // height = 0
           0xFF, 0xFF, 0xFF, 0xFF,                // string_index = -1
           0x02, 0x00, 0x00, 0x00,                // context length = 2
           'H',  'i',                             // context
           0x00,                                  // terminator
       }},
      {"shadow: the angle is read as an integer",
       build_shadow,
       "<shadow_size>5</shadow_size><power>50</power><x>-3</x><y>4</y><angle>30.9</angle>",
       {
           0x20, 0x00, 0x00, 0x00,  // size = 32
           0x00, 0x00, 0x00, 0x00,  // action id
           0x27, 0x00, 0x00, 0x00,  // type = 39
           0x05, 0x00, 0x00, 0x00,  // shadow_size = 5
           0x32, 0x00, 0x00, 0x00,  // power = 50
           0xFD, 0xFF, 0xFF, 0xFF,  // x = -3
           0x04, 0x00, 0x00, 0x00,  // y = 4
           0x00, 0x00, 0xF0, 0x41,  // angle = 30.0f
       }},
      {"round",
       build_round,
       "<radius>12</radius>",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x28, 0x00, 0x00, 0x00,  // type = 40; the dispatcher stamps 63 for "round2"
           0x0C, 0x00, 0x00, 0x00,  // radius = 12
       }},
      {"fill_color from a colour text",
       build_fill_color,
       "<color>255,0,0</color>",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x3D, 0x00, 0x00, 0x00,  // type = 61
           0x00,                    // blue = 0
           0x00,                    // green = 0
           0xFF,                    // red = 255
           0xFF,                    // alpha = 255 (preset)
       }},
  };
  for (const auto& g : cases) testing::expect_golden(g);
}

TEST(DrawingRecords, TextScalarsFromChildren) {
  Built b = build(build_text,
                  "<context>x</context><font_name>F</font_name><ani_type>300</ani_type>"
                  "<ani_loop>0</ani_loop><ani_power>2</ani_power><sta_type>3</sta_type>"
                  "<sta_power>-1</sta_power><font_size>-9</font_size><font_style>3</font_style>"
                  "<charset>0</charset><angle>0.1</angle><string_index>5</string_index>");
  ASSERT_TRUE(b.record.has_value());
  const Record& r = *b.record;
  ASSERT_EQ(r.size(), 117u);
  EXPECT_EQ(hex(slice(r, 12, 17)), hex({0x2C, 0x00, 0x02, 0x03, 0xFF}));
  EXPECT_EQ(get_i32(r, 49), -9);
  EXPECT_EQ(get_i32(r, 53), 3);
  EXPECT_EQ(get_i32(r, 57), 0);
  EXPECT_EQ(hex(slice(r, 61, 65)), hex({0xCD, 0xCC, 0xCC, 0x3D}));  // 0.1f
  EXPECT_EQ(get_i32(r, 107), 5);
}

TEST(DrawingRecords, TextRequiresContextAndFontName) {
  for (const char* body :
       {"", "<font_name>Arial</font_name>", "<context>Hi</context>",
        "<context>Hi</context><font_name/>", "<context/><font_name>Arial</font_name>",
        "<context>  </context><font_name>Arial</font_name>"}) {
    SCOPED_TRACE(body);
    Built b = build(build_text, body);
    EXPECT_FALSE(b.record.has_value());
    EXPECT_EQ(b.log, "");
  }
}

TEST(DrawingRecords, TextLengths) {
  const std::string font40 = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
  Built b = build(build_text,
                  "<context>你好\n      world</context><font_name>" + font40 + "</font_name>");
  ASSERT_TRUE(b.record.has_value());
  const Record& r = *b.record;
  // The line break and indentation arrive condensed to one blank: 6 + 1 + 5 bytes.
  const std::string context = "你好 world";
  ASSERT_EQ(r.size(), 116 + context.size());
  EXPECT_EQ(get_i32(r, 0), int32_t(r.size()));
  EXPECT_EQ(get_i32(r, 111), int32_t(context.size()));
  EXPECT_EQ(std::string(r.begin() + 115, r.end() - 1), context);
  EXPECT_EQ(r.back(), 0);
  // The font name fills its 32 bytes with no terminator; font_size follows at once.
  EXPECT_EQ(std::string(r.begin() + 17, r.begin() + 49), font40.substr(0, 32));
  EXPECT_EQ(get_i32(r, 49), 14);
}

// Bytes 65 to 90: front type, colour 1, colour 2, image index; then the same for the back brush.
TEST(DrawingRecords, TextBrushes) {
  const struct {
    const char* what;
    std::string body;
    Record bytes;
  } cases[] = {
      {"empty front brush takes its defaults",
       "<front_brush/>",
       {0, /**/ 0, 0, 0, 0xFF, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0,
        0, /**/ 0, 0, 0, 0,    /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
      {"missing numbers of a colour are 0",
       "<front_brush><color1>128</color1></front_brush>",
       {0, /**/ 0, 0, 0, 0x80, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0,
        0, /**/ 0, 0, 0, 0,    /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
      {"colours stored reversed",
       "<front_brush><type>300</type><color1>255,10,20,30</color1><color2>1,2,3,4</color2>"
       "<image_index>-2</image_index></front_brush>",
       {0x2C, /**/ 0x1E, 0x14, 0x0A, 0xFF, /**/ 4, 3, 2, 1, /**/ 0xFE, 0xFF, 0xFF, 0xFF,
        0,    /**/ 0,    0,    0,    0,    /**/ 0, 0, 0, 0, /**/ 0,    0,    0,    0}},
      {"back brush: hatch_style has no field, image_index fills the parameter",
       "<back_brush><type>2</type><color1>1,2,3,4</color1><hatch_style>5</hatch_style>"
       "<image_index>7</image_index></back_brush>",
       {0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0,
        2, /**/ 4, 3, 2, 1, /**/ 0, 0, 0, 0, /**/ 7, 0, 0, 0}},
      {"brush colours are children of the brush, not of the action",
       "<color1>9,9,9,9</color1><back_brush/>",
       {0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0,
        0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0, /**/ 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Built b = build(build_text, "<context>Hi</context><font_name>Arial</font_name>" + c.body);
    ASSERT_TRUE(b.record.has_value());
    EXPECT_EQ(hex(slice(*b.record, 65, 91)), hex(c.bytes));
  }
}

TEST(DrawingRecords, TextPosition) {
  const struct {
    const char* body;
    int32_t left, top, width, height;
  } cases[] = {
      {"<postion>10,20,300,40</postion><left>5</left>", 10, 20, 300, 40},
      {"<postion>10,20</postion><width>7</width>", 10, 20, 0, 0},
      {"<postion>abc</postion><left>5</left>", 0, 0, 0, 0},
      {"<postion/><left>5</left><top>6</top><width>7</width><height>8</height>", 5, 6, 7, 8},
      {"<position>1,2,3,4</position><left>5</left>", 5, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    Built b =
        build(build_text, std::string("<context>Hi</context><font_name>A</font_name>") + c.body);
    ASSERT_TRUE(b.record.has_value());
    const Record& r = *b.record;
    EXPECT_EQ(get_i32(r, 91), c.left);
    EXPECT_EQ(get_i32(r, 95), c.top);
    EXPECT_EQ(get_i32(r, 99), c.width);
    EXPECT_EQ(get_i32(r, 103), c.height);
  }
}

// Bytes 12 to 15: blue, green, red, alpha.
TEST(DrawingRecords, FillColorSources) {
  const struct {
    const char* body;
    Record bytes;
  } cases[] = {
      {"", {0xFF, 0xFF, 0xFF, 0xFF}},
      {"<green>128</green>", {0xFF, 0x80, 0xFF, 0xFF}},
      {"<red>1</red><green>2</green><blue>3</blue><alpha>300</alpha>", {3, 2, 1, 44}},
      {"<color>1,2,3,4</color><blue>9</blue>", {3, 2, 1, 4}},
      {"<color>10</color>", {0xFF, 0xFF, 10, 0xFF}},
      {"<color/><red>1</red>", {0xFF, 0xFF, 1, 0xFF}},
      {"<color>none</color><red>1</red>", {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    Built b = build(build_fill_color, c.body);
    ASSERT_TRUE(b.record.has_value());
    ASSERT_EQ(b.record->size(), 16u);
    EXPECT_EQ(hex(slice(*b.record, 12, 16)), hex(c.bytes));
  }
}

}  // namespace
}  // namespace vmx
