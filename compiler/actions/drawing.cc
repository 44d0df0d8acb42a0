// Drawing action records: "text", "shadow", "round" (also "round2") and "fill_color".
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <span>

#include "compiler/actions/builders.h"
#include "compiler/definition/convert.h"
#include "compiler/definition/readers.h"
#include "compiler/log.h"
#include "compiler/records/layout.h"

namespace vmx {
namespace {

// Each table is a record's field table, row for row: offset, width, child element, reader,
// default. The builders below add only what a row cannot say.

// The shadow's angle is read as an integer and stored as a float: "30.9" is 30.0.
// clang-format off
constexpr Field kShadowFields[] = {
    {12, Width::I32, "shadow_size", Read::Int, 0},
    {16, Width::I32, "power", Read::Int, 0},
    {20, Width::I32, "x", Read::Int, 0},
    {24, Width::I32, "y", Read::Int, 0},
    {28, Width::F32, "angle", Read::Int, 0},
};
// clang-format on
constexpr Layout kShadow = {"shadow", 39, 32, kShadowFields};
static_assert(fits(kShadow));

// "round2" is this record; the dispatcher stamps its type id 63.
constexpr Field kRoundFields[] = {{12, Width::I32, "radius", Read::Int, 0}};
constexpr Layout kRound = {"round", 40, 16, kRoundFields};
static_assert(fits(kRound));

// Read as the little-endian word at 12 the colour is 0xAARRGGBB. A non-empty "color" child
// replaces all four rows.
constexpr Field kFillColorFields[] = {
    {12, Width::U8, "blue", Read::Int, 255},
    {13, Width::U8, "green", Read::Int, 255},
    {14, Width::U8, "red", Read::Int, 255},
    {15, Width::U8, "alpha", Read::Int, 255},
};
constexpr Layout kFillColor = {"fill_color", 61, 16, kFillColorFields};
static_assert(fits(kFillColor));

// "text" is 116 + L bytes, L the byte length of "context"; the size here is that of L = 0.
//   17: "font_name", 32 bytes, cut without a terminator
//   65 to 90: the two brushes (kBrushes)
//   91 to 106: the position (kPositionFields, or "postion")
//   111: L, int32; 115: the context's L bytes; 115 + L: 0
constexpr Field kTextFields[] = {
    {12, Width::U8, "ani_type", Read::Int, 0},
    {13, Width::U8, "ani_loop", Read::Int, 1},
    {14, Width::U8, "ani_power", Read::Int, 0},
    {15, Width::U8, "sta_type", Read::Int, 0},
    {16, Width::U8, "sta_power", Read::Int, 0},
    {49, Width::I32, "font_size", Read::Int, 14},
    {53, Width::I32, "font_style", Read::Int, 0},
    {57, Width::I32, "charset", Read::Int, 134},  // GB2312
    {61, Width::F32, "angle", Read::Float, 0},
    {107, Width::I32, "string_index", Read::Int, -1},
};
constexpr Layout kText = {"text", 35, 116, kTextFields};
static_assert(fits(kText));
constexpr size_t kFontNameOffset = 17;
constexpr size_t kFontNameBytes = 32;
constexpr size_t kContextLengthOffset = 111;
constexpr size_t kContextOffset = 115;

// Read from the "left", "top", "width" and "height" children unless "postion" (so spelt in
// definitions) has text.
constexpr Field kPositionFields[] = {
    {91, Width::I32, "left", Read::Int, 0},
    {95, Width::I32, "top", Read::Int, 0},
    {99, Width::I32, "width", Read::Int, 0},
    {103, Width::I32, "height", Read::Int, 0},
};
static_assert(fits({"text", 35, 116, kPositionFields}));

// Brush rows are read from the brush element, not from the action. A brush's "hatch_style" has
// no field: its one parameter word carries "image_index".
constexpr Field kFrontBrushFields[] = {
    {65, Width::U8, "type", Read::Int, 0},
    {74, Width::I32, "image_index", Read::Int, 0},
};
constexpr Field kBackBrushFields[] = {
    {78, Width::U8, "type", Read::Int, 0},
    {87, Width::I32, "image_index", Read::Int, 0},
};
static_assert(fits({"text", 35, 116, kFrontBrushFields}));
static_assert(fits({"text", 35, 116, kBackBrushFields}));

struct BrushColour {
  uint16_t offset;
  const char* child;
  const char* dflt;  // the text read when the child is absent
};
constexpr BrushColour kFrontBrushColours[] = {{66, "color1", "255,0,0,0"},
                                              {70, "color2", "0,0,0,0"}};
constexpr BrushColour kBackBrushColours[] = {{79, "color1", "0,0,0,0"}, {83, "color2", "0,0,0,0"}};

struct Brush {
  const char* element;
  std::span<const Field> fields;
  std::span<const BrushColour> colours;
};
constexpr Brush kBrushes[] = {
    {"front_brush", kFrontBrushFields, kFrontBrushColours},
    {"back_brush", kBackBrushFields, kBackBrushColours},
};

// A colour text "a,r,g,b" stored in reverse reads as the little-endian word 0xAARRGGBB.
void put_reversed_colour(Record& record, size_t offset, const char* text) {
  std::array<int32_t, 4> c = read_colour(text, {0, 0, 0, 0});
  for (size_t i = 0; i < 4; ++i) put_u8(record, offset + 3 - i, c[i]);
}

}  // namespace

std::optional<Record> build_shadow(const TiXmlElement& action) {
  return build_record(kShadow, action);
}

std::optional<Record> build_round(const TiXmlElement& action) {
  return build_record(kRound, action);
}

std::optional<Record> build_fill_color(const TiXmlElement& action) {
  const char* text = ChildText(action, "color", "");
  if (*text == '\0') return build_record(kFillColor, action);
  Record record = new_record(kFillColor.size, kFillColor.type);
  // Red, green, blue, alpha, each preset 255.
  std::array<int32_t, 4> c = read_colour(text, {255, 255, 255, 255});
  put_u8(record, 14, c[0]);
  put_u8(record, 13, c[1]);
  put_u8(record, 12, c[2]);
  put_u8(record, 15, c[3]);
  return record;
}

// No record, and no message, without a context or a font name.
std::optional<Record> build_text(const TiXmlElement& action) {
  const char* context = ChildText(action, "context", "");
  if (*context == '\0') return std::nullopt;
  const char* font_name = ChildText(action, "font_name", "");
  if (*font_name == '\0') return std::nullopt;

  size_t length = std::strlen(context);
  if (length > size_t(INT32_MAX) - size_t(kText.size)) {
    log_message("parser_action_text: context too long(%zu)!\n", length);
    return std::nullopt;
  }
  Record record = new_record(kText.size + static_cast<int32_t>(length), kText.type);
  put_i32(record, kContextLengthOffset, static_cast<int32_t>(length));
  std::memcpy(record.data() + kContextOffset, context, length);
  std::memcpy(record.data() + kFontNameOffset, font_name,
              std::min(std::strlen(font_name), kFontNameBytes));
  for (const Field& f : kText.fields) fill_field(record, f, action);

  for (const Brush& brush : kBrushes) {
    const TiXmlElement* element = action.FirstChildElement(brush.element);
    if (!element) continue;  // an absent brush leaves its bytes 0, colour defaults included
    for (const Field& f : brush.fields) fill_field(record, f, *element);
    for (const BrushColour& c : brush.colours)
      put_reversed_colour(record, c.offset, ChildText(*element, c.child, c.dflt));
  }

  const char* position = ChildText(action, "postion", "");
  if (*position != '\0') {
    int32_t values[4] = {0, 0, 0, 0};
    scan_ints(position, values, 4);
    for (size_t i = 0; i < 4; ++i) put_i32(record, kPositionFields[i].offset, values[i]);
  } else {
    for (const Field& f : kPositionFields) fill_field(record, f, action);
  }
  return record;
}

}  // namespace vmx
