// Tone and colour records: golden bytes, the channel and blend-mode names, the colour placement
// of "mix_pixel", and the actions that are refused.
#include <gtest/gtest.h>

#include "compiler/actions/builder_testing.h"
#include "compiler/actions/builders.h"

namespace vmx {
namespace {

using testing::build;
using testing::Built;
using testing::hex;

TEST(ToneRecords, GoldenBytes) {
  const testing::Golden cases[] = {
      {"rgb: int32 colours unclamped, gray keeps its low 8 bits",
       build_rgb,
       "<red>-1</red><green>70000</green><blue>3</blue><gray>300</gray>",
       {
           0x19, 0x00, 0x00, 0x00,  // size = 25
           0x00, 0x00, 0x00, 0x00,  // action id, written by the dispatcher
           0x02, 0x00, 0x00, 0x00,  // type = 2
           0xFF, 0xFF, 0xFF, 0xFF,  // red = -1
           0x70, 0x11, 0x01, 0x00,  // green = 70000
           0x03, 0x00, 0x00, 0x00,  // blue = 3
           0x2C,                    // gray = 300 & 0xFF = 44
       }},
      {"hsv",
       build_hsv,
       "<hue>180</hue><sat>-50</sat><val>25</val><render>1</render>",
       {
           0x1C, 0x00, 0x00, 0x00,  // size = 28
           0x00, 0x00, 0x00, 0x00,  // action id
           0x03, 0x00, 0x00, 0x00,  // type = 3
           0xB4, 0x00, 0x00, 0x00,  // hue = 180
           0xCE, 0xFF, 0xFF, 0xFF,  // sat = -50
           0x19, 0x00, 0x00, 0x00,  // val = 25
           0x01, 0x00, 0x00, 0x00,  // render = 1
       }},
      {"hue",
       build_hue,
       "<hue>90</hue>",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x0F, 0x00, 0x00, 0x00,  // type = 15
           0x5A, 0x00, 0x00, 0x00,  // hue = 90
       }},
      {"color_level: rounded gamma, negative high",
       build_color_level,
       "<gamma>0.1</gamma><low>16</low><high>-5</high><channel>Rgba</channel>",
       {
           0x1C, 0x00, 0x00, 0x00,  // size = 28
           0x00, 0x00, 0x00, 0x00,  // action id
           0x05, 0x00, 0x00, 0x00,  // type = 5
           0xCD, 0xCC, 0xCC, 0x3D,  // gamma = 0.1f
           0x10, 0x00, 0x00, 0x00,  // low = 16
           0xFB, 0xFF, 0xFF, 0xFF,  // high = -5
           0x0F, 0x00, 0x00, 0x00,  // channel = "Rgba" = 15
       }},
      {"color_level defaults",
       build_color_level,
       "<channel>gray</channel>",
       {
           0x1C, 0x00, 0x00, 0x00,  // size = 28
           0x00, 0x00, 0x00, 0x00,  // action id
           0x05, 0x00, 0x00, 0x00,  // type = 5
           0x00, 0x00, 0x80, 0x3F,  // gamma = 1.0f
           0x00, 0x00, 0x00, 0x00,  // low = 0
           0xFF, 0x00, 0x00, 0x00,  // high = 255
           0x10, 0x00, 0x00, 0x00,  // channel = "gray" = 16
       }},
      {"color_balance: unaligned int32 fields",
       build_color_balance,
       "<cyna_red>-2</cyna_red><magenta_green>258</magenta_green><yellow_blue>7</yellow_blue>",
       {
           0x1D, 0x00, 0x00, 0x00,  // size = 29
           0x00, 0x00, 0x00, 0x00,  // action id
           0x06, 0x00, 0x00, 0x00,  // type = 6
           0x01,                    // preserve_luminosity = 1 (default)
           0x01, 0x00, 0x00, 0x00,  // transfer_mode = 1 (default), at 13
           0xFE, 0xFF, 0xFF, 0xFF,  // cyna_red = -2, at 17
           0x02, 0x01, 0x00, 0x00,  // magenta_green = 258, at 21
           0x07, 0x00, 0x00, 0x00,  // yellow_blue = 7, at 25
       }},
      {"gamma",
       build_gamma,
       "<bright>10</bright><contrast>-20</contrast><gamma>2.2</gamma>",
       {
           0x1C, 0x00, 0x00, 0x00,  // size = 28
           0x00, 0x00, 0x00, 0x00,  // action id
           0x04, 0x00, 0x00, 0x00,  // type = 4
           0x0A, 0x00, 0x00, 0x00,  // bright = 10
           0xEC, 0xFF, 0xFF, 0xFF,  // contrast = -20
           0x00, 0x00, 0x00, 0x00,  // solarize = 0 (default)
           0xCD, 0xCC, 0x0C, 0x40,  // gamma = 2.2f
       }},
      {"histogram_stretch: the threshold is an integer stored as a double",
       build_histogram_stretch,
       "<method>2</method><threshold>12.7</threshold>",
       {
           0x18, 0x00, 0x00, 0x00,                          // size = 24
           0x00, 0x00, 0x00, 0x00,                          // action id
           0x12, 0x00, 0x00, 0x00,                          // type = 18
           0x02, 0x00, 0x00, 0x00,                          // method = 2
           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x28, 0x40,  // threshold = 12.0
       }},
      {"threshold: level 256 wraps to 0",
       build_threshold,
       "<level>256</level>",
       {
           0x0D, 0x00, 0x00, 0x00,  // size = 13
           0x00, 0x00, 0x00, 0x00,  // action id
           0x17, 0x00, 0x00, 0x00,  // type = 23
           0x00,                    // level = 256 & 0xFF
       }},
      {"mix_pixel without a colour",
       build_mix_pixel,
       "",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x1B, 0x00, 0x00, 0x00,  // type = 27
           0xFF, 0x00, 0x00, 0xFF,  // first, third, fourth, first of "255,0,0,0"
       }},
      {"mix_layer",
       build_mix_layer,
       "<method>overlay</method><clr_alpha>300</clr_alpha>",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x3E, 0x00, 0x00, 0x00,  // type = 62
           0xFF,                    // alpha = 255 (default)
           0x11, 0x00,              // method = "overlay" = 17, uint16 at 13
           0x2C,                    // clr_alpha = 300 & 0xFF
       }},
  };
  for (const auto& g : cases) testing::expect_golden(g);
}

TEST(ToneRecords, ColorLevelChannels) {
  const struct {
    const char* text;
    int32_t channel;
  } accepted[] = {
      {"red", 1},   {"GREEN", 2}, {"Blue", 4}, {"alpha", 8}, {"RGB", 7},
      {"Rgba", 15}, {"Gray", 16}, {"3", 3},    {"16x", 16},  {"4294967297", 1},
  };
  for (const auto& c : accepted) {
    SCOPED_TRACE(c.text);
    Built b = build(build_color_level, std::string("<channel>") + c.text + "</channel>");
    ASSERT_TRUE(b.record.has_value());
    EXPECT_EQ(get_i32(*b.record, 24), c.channel);
    EXPECT_EQ(b.log, "");
  }

  // Names are whole words; a sign is not a digit, so "-1" is an unknown name.
  const struct {
    const char* body;
    const char* log;
  } refused[] = {
      {"", "parser_action_color_level: invalid color channel()!\n"},
      {"<channel/>", "parser_action_color_level: invalid color channel()!\n"},
      {"<channel>0</channel>", "parser_action_color_level: invalid color channel(0)!\n"},
      {"<channel>-1</channel>", "parser_action_color_level: invalid color channel(-1)!\n"},
      {"<channel>reds</channel>", "parser_action_color_level: invalid color channel(reds)!\n"},
      {"<channel>4294967296</channel>",
       "parser_action_color_level: invalid color channel(4294967296)!\n"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.body);
    Built b = build(build_color_level, c.body);
    EXPECT_FALSE(b.record.has_value());
    EXPECT_EQ(b.log, c.log);
  }
}

TEST(ToneRecords, MixLayerBlendModes) {
  const struct {
    const char* method;
    uint16_t value;
  } accepted[] = {
      {"add", 1},         {"ADD", 1},       {"alpha", 12},          {"filter", 19},
      {"grainmerge", 31}, {"Multiply", 32}, {"multiply_alpha", 33}, {"40", 40},
      {"65537", 1},       {"65535", 65535},
  };
  for (const auto& c : accepted) {
    SCOPED_TRACE(c.method);
    Built b = build(build_mix_layer, std::string("<method>") + c.method + "</method>");
    ASSERT_TRUE(b.record.has_value());
    EXPECT_EQ((*b.record)[13] | (*b.record)[14] << 8, c.value);
  }

  // Refused silently: the dispatcher adds nothing either.
  for (const char* body : {"", "<method/>", "<method>0</method>", "<method>65536</method>",
                           "<method>normal</method>", "<method>-1</method>"}) {
    SCOPED_TRACE(body);
    Built b = build(build_mix_layer, body);
    EXPECT_FALSE(b.record.has_value());
    EXPECT_EQ(b.log, "");
  }
}

// Frame files of type 27 carry the first number in 12 and 15, the third in 13, the fourth in 14;
// the second is nowhere.
TEST(ToneRecords, MixPixelKeepsTheStoredPlacement) {
  const struct {
    const char* rgb;
    Record bytes;
  } cases[] = {
      {"10,20,30,40", {10, 30, 40, 10}},
      {"12", {12, 0, 0, 12}},
      {"300,-1,-1,256", {44, 255, 0, 44}},
      {"red", {255, 0, 0, 255}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rgb);
    Built b = build(build_mix_pixel, std::string("<rgb>") + c.rgb + "</rgb>");
    ASSERT_TRUE(b.record.has_value());
    EXPECT_EQ(hex(Record(b.record->begin() + 12, b.record->end())), hex(c.bytes));
  }
}

}  // namespace
}  // namespace vmx
