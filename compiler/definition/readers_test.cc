// Conversions and readers: the cases where the frame format's rules differ from the C library's.
#include "compiler/definition/readers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "compiler/definition/convert.h"
#include "compiler/testing/support.h"

namespace vmx {
namespace {

TEST(Convert, IntegerWrapsAndStopsAtFirstOtherCharacter) {
  const struct { const char* text; int32_t value; } cases[] = {
      {"0x1F", 0},         {"010", 10},          {" \t\n+7 ", 7},   {"12px", 12},
      {"1.9", 1},          {"-5", -5},           {"abc", 0},        {"", 0},
      {"4294967297", 1},   {"-2147483648", INT32_MIN}, {"2147483648", INT32_MIN},
      {"99999999999", 1215752191}, {"+-3", 0},   {"- 3", 0},        {"\v\f\r9", 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(to_int(c.text), c.value);
  }
}

TEST(Convert, FloatIsNearestDoubleOfDecimalPrefix) {
  const struct { const char* text; double value; } cases[] = {
      {"1.5e1", 15.0}, {"1d2", 100.0}, {"1D-2", 0.01}, {".5", 0.5},   {"1,5", 1.0},
      {"inf", 0.0},    {"nan", 0.0},   {"0x10", 0.0},  {"5.", 5.0},   {"-2.5", -2.5},
      {"  +3e", 3.0},  {"1e+", 1.0},   {".", 0.0},     {"0.3", 0.3},  {"2.7abc", 2.7},
      {"1e999", HUGE_VAL}, {"1e-999", 0.0}, {"0.1e1d", 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(to_double(c.text), c.value);
  }
  // Zero's sign reaches float fields byte for byte: only a real "-0" is negative.
  for (const char* text : {"-", "-abc", "-.", "+"}) EXPECT_FALSE(std::signbit(to_double(text))) << text;
  EXPECT_TRUE(std::signbit(to_double("-0")));
  // Out of range whichever way the written exponent points: the magnitude decides.
  EXPECT_EQ(to_double("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(to_double("-0." + std::string(400, '0') + "1e5"), 0.0);
  EXPECT_EQ(to_double("1" + std::string(500, '0') + "e-100"), HUGE_VAL);
  EXPECT_EQ(to_double("-1" + std::string(500, '0') + "d-100"), -HUGE_VAL);
}

TEST(Convert, ScanIntsStopsAtFirstMismatch) {
  const struct { const char* text; int count; int32_t a, b, c, d; } cases[] = {
      {"12,34", 2, 12, 34, 0, 0},      {"255, 0, 0, 0", 4, 255, 0, 0, 0},
      {"255 ,0,0,0", 1, 255, 0, 0, 0}, {"red", 0, 255, 0, 0, 0},
      {"300,-1,0,0", 4, 300, -1, 0, 0}, {"1,2,3,4,5", 4, 1, 2, 3, 4},
      {"1,,3", 1, 1, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t v[4] = {255, 0, 0, 0};
    EXPECT_EQ(scan_ints(c.text, v, 4), c.count);
    EXPECT_EQ((std::array<int32_t, 4>{v[0], v[1], v[2], v[3]}),
              (std::array<int32_t, 4>{c.a, c.b, c.c, c.d}));
  }
}

TEST(Readers, DefaultOnlyWhenNothingIsFound) {
  auto doc = testing::parse(
      "<action id='' name='x'>"
      "<level>abc</level><empty/><blank>   </blank><radius/><radius>3</radius>"
      "<Radius>9</Radius><nested><inner>4</inner></nested><commented><!-- c -->5</commented>"
      "<f>1.5e1</f><t> two  words </t><cdata><![CDATA[ 8 ]]></cdata></action>");
  const TiXmlElement& a = testing::root(*doc);
  EXPECT_EQ(ChildInt(a, "level", 42), 0);  // found, not a number
  EXPECT_EQ(ChildInt(a, "empty", 42), 42);
  EXPECT_EQ(ChildInt(a, "blank", 42), 42);
  EXPECT_EQ(ChildInt(a, "radius", 42), 42);  // only the first "radius" counts
  EXPECT_EQ(ChildInt(a, "Radius", 42), 9);
  EXPECT_EQ(ChildInt(a, "nested", 42), 42);
  EXPECT_EQ(ChildInt(a, "inner", 42), 42);  // grandchildren are not looked at
  EXPECT_EQ(ChildInt(a, "commented", 42), 42);
  EXPECT_EQ(ChildInt(a, "cdata", 42), 8);
  EXPECT_EQ(ChildFloat(a, "f", 0.25f), 15.0);
  EXPECT_EQ(ChildFloat(a, "missing", 0.25f), 0.25);
  EXPECT_STREQ(ChildText(a, "t", "d"), "two words");
  EXPECT_STREQ(ChildText(a, "missing", "d"), "d");
  EXPECT_EQ(AttrInt(a, "id", 7), 0);  // present but empty
  EXPECT_STREQ(AttrText(a, "id", "d"), "");
  EXPECT_EQ(AttrInt(a, "nothing", 7), 7);
  EXPECT_STREQ(AttrText(a, "name", "d"), "x");
}

TEST(Readers, ColourKeepsPresetsForNumbersNotRead) {
  EXPECT_EQ(read_colour("12,34", {255, 0, 0, 0}), (std::array<int32_t, 4>{12, 34, 0, 0}));
  EXPECT_EQ(read_colour(nullptr, {255, 0, 0, 0}), (std::array<int32_t, 4>{255, 0, 0, 0}));
}

}  // namespace
}  // namespace vmx
