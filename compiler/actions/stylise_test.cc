// Stylising effect records: golden bytes of the "pcl_" actions and the "pcl_blinds" colour.
#include <gtest/gtest.h>

#include "compiler/actions/builder_testing.h"
#include "compiler/actions/builders.h"

namespace vmx {
namespace {

using testing::build;
using testing::Built;
using testing::hex;

TEST(StyliseRecords, GoldenBytes) {
  const testing::Golden cases[] = {
      {"pcl_posterize defaults",
       build_pcl_posterize,
       "",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id, written by the dispatcher
           0x2A, 0x00, 0x00, 0x00,  // type = 42
           0x03, 0x00, 0x00, 0x00,  // level = 3
       }},
      {"pcl_ribbon defaults",
       build_pcl_ribbon,
       "",
       {
           0x14, 0x00, 0x00, 0x00,  // size = 20
           0x00, 0x00, 0x00, 0x00,  // action id
           0x2B, 0x00, 0x00, 0x00,  // type = 43
           0x19, 0x00, 0x00, 0x00,  // swing = 25
           0x23, 0x00, 0x00, 0x00,  // frequency = 35
       }},
      {"pcl_3dgrid",
       build_pcl_3dgrid,
       "<depth>4</depth><size>-6</size>",
       {
           0x14, 0x00, 0x00, 0x00,  // size = 20
           0x00, 0x00, 0x00, 0x00,  // action id
           0x2F, 0x00, 0x00, 0x00,  // type = 47
           0x04, 0x00, 0x00, 0x00,  // depth = 4
           0xFA, 0xFF, 0xFF, 0xFF,  // size = -6
       }},
      {"pcl_emboss: the angle is read as an integer",
       build_pcl_emboss,
       "<angle>2.9</angle>",
       {
           0x10, 0x00, 0x00, 0x00,  // size = 16
           0x00, 0x00, 0x00, 0x00,  // action id
           0x30, 0x00, 0x00, 0x00,  // type = 48
           0x02, 0x00, 0x00, 0x00,  // angle = 2
       }},
      {"pcl_wave: two reserved words",
       build_pcl_wave,
       "<wave_length>5</wave_length><amplitude>6</amplitude>",
       {
           0x1C, 0x00, 0x00, 0x00,  // size = 28
           0x00, 0x00, 0x00, 0x00,  // action id
           0x32, 0x00, 0x00, 0x00,  // type = 50
           0x05, 0x00, 0x00, 0x00,  // wave_length = 5
           0x06, 0x00, 0x00, 0x00,  // amplitude = 6
           0x00, 0x00, 0x00, 0x00,  // reserved
           0x00, 0x00, 0x00, 0x00,  // reserved
       }},
      {"pcl_blinds: unaligned width, colour from the attribute",
       build_pcl_blinds,
       "<blind_x>300</blind_x><width>70000</width>",
       {
           0x15, 0x00, 0x00, 0x00,  // size = 21
           0x00, 0x00, 0x00, 0x00,  // action id
           0x34, 0x00, 0x00, 0x00,  // type = 52
           0x2C,                    // blind_x = 300 & 0xFF
           0x70, 0x11, 0x01, 0x00,  // width = 70000, at 13
           0x00, 0x00, 0x00, 0xFF,  // colour "255,0,0,0" reversed: 0xFF000000
       }},
      {"pcl_ripple: sin_type is the last byte",
       build_pcl_ripple,
       "<sin_type>1</sin_type>",
       {
           0x15, 0x00, 0x00, 0x00,  // size = 21
           0x00, 0x00, 0x00, 0x00,  // action id
           0x36, 0x00, 0x00, 0x00,  // type = 54
           0x1E, 0x00, 0x00, 0x00,  // wave_length = 30
           0x0A, 0x00, 0x00, 0x00,  // amplitude = 10
           0x01,                    // sin_type = 1
       }},
      {"pcl_whirl_pinch: doubles kept at double precision",
       build_pcl_whirl_pinch,
       "<whirl>0.3</whirl>",
       {
           0x1C, 0x00, 0x00, 0x00,                          // size = 28
           0x00, 0x00, 0x00, 0x00,                          // action id
           0x38, 0x00, 0x00, 0x00,                          // type = 56
           0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0xD3, 0x3F,  // whirl = 0.3
           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F,  // pinch = 0.5
       }},
      {"pcl_whirl_pinch defaults",
       build_pcl_whirl_pinch,
       "",
       {
           0x1C, 0x00, 0x00, 0x00,                          // size = 28
           0x00, 0x00, 0x00, 0x00,                          // action id
           0x38, 0x00, 0x00, 0x00,                          // type = 56
           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2E, 0x40,  // whirl = 15.0
           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F,  // pinch = 0.5
       }},
      {"pcl_noise: random is the last byte",
       build_pcl_noise,
       "<level>-3</level><random>257</random>",
       {
           0x11, 0x00, 0x00, 0x00,  // size = 17
           0x00, 0x00, 0x00, 0x00,  // action id
           0x3C, 0x00, 0x00, 0x00,  // type = 60
           0xFD, 0xFF, 0xFF, 0xFF,  // level = -3
           0x01,                    // random = 257 & 0xFF
       }},
  };
  for (const auto& g : cases) testing::expect_golden(g);
}

TEST(StyliseRecords, OneIntegerRecords) {
  const testing::OneInt cases[] = {
      {build_pcl_posterize, "level", 42, 16, 3},    {build_pcl_splash, "block", 44, 16, 5},
      {build_pcl_mosaic, "block", 45, 16, 5},       {build_pcl_oilpaint, "radius", 46, 16, 2},
      {build_pcl_emboss, "angle", 48, 16, 2},       {build_pcl_shift, "amount", 49, 16, 2},
      {build_pcl_video, "type", 51, 16, 1},         {build_pcl_illusion, "amount", 53, 16, 3},
      {build_pcl_fractal, "depth", 55, 16, 3},      {build_pcl_zoom_blur, "length", 58, 16, 7},
      {build_pcl_radial_blur, "angle", 59, 16, 10},
  };
  for (const auto& c : cases) testing::expect_one_int(c);
}

// The colour is the "color" attribute, stored reversed; numbers it lacks keep 255, 0, 0, 0.
TEST(StyliseRecords, BlindsColour) {
  const struct {
    const char* action;
    Record bytes;
  } cases[] = {
      {"<action color='10,20,30,40'/>", {40, 30, 20, 10}},
      {"<action color='10,20'/>", {0, 0, 20, 10}},
      {"<action color=''/>", {0, 0, 0, 255}},
      {"<action color='300,-1'/>", {0, 0, 255, 44}},
      {"<action><color>10,20,30,40</color></action>", {0, 0, 0, 255}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    auto doc = testing::parse(c.action);
    std::optional<Record> r = build_pcl_blinds(testing::root(*doc));
    ASSERT_TRUE(r.has_value());
    ASSERT_EQ(r->size(), 21u);
    EXPECT_EQ(hex(Record(r->begin() + 17, r->end())), hex(c.bytes));
  }
}

}  // namespace
}  // namespace vmx
