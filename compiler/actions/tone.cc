// Tone and colour action records: "rgb", "hsv", "hue", "color_level", "color_balance", "gamma",
// "histogram_stretch", "threshold", "mix_pixel", "mix_layer".
#include <array>
#include <string_view>

#include "compiler/actions/builders.h"
#include "compiler/definition/convert.h"
#include "compiler/definition/readers.h"
#include "compiler/log.h"
#include "compiler/records/layout.h"

namespace vmx {
namespace {

// Each table is a record's field table, row for row: offset, width, child element, reader,
// default. The builders below add only what a row cannot say.

constexpr Field kRgbFields[] = {
    {12, Width::I32, "red", Read::Int, 0},
    {16, Width::I32, "green", Read::Int, 0},
    {20, Width::I32, "blue", Read::Int, 0},
    {24, Width::U8, "gray", Read::Int, 0},
};
constexpr Layout kRgb = {"rgb", 2, 25, kRgbFields};
static_assert(fits(kRgb));

constexpr Field kHsvFields[] = {
    {12, Width::I32, "hue", Read::Int, 0},
    {16, Width::I32, "sat", Read::Int, 0},
    {20, Width::I32, "val", Read::Int, 0},
    {24, Width::I32, "render", Read::Int, 0},
};
constexpr Layout kHsv = {"hsv", 3, 28, kHsvFields};
static_assert(fits(kHsv));

constexpr Field kHueFields[] = {
    {12, Width::I32, "hue", Read::Int, 0},
};
constexpr Layout kHue = {"hue", 15, 16, kHueFields};
static_assert(fits(kHue));

// The channel at 24 is a name or a number; build_color_level writes it.
constexpr Field kColorLevelFields[] = {
    {12, Width::F32, "gamma", Read::Float, 1.0},
    {16, Width::I32, "low", Read::Int, 0},
    {20, Width::I32, "high", Read::Int, 255},
};
constexpr Layout kColorLevel = {"color_level", 5, 28, kColorLevelFields};
static_assert(fits(kColorLevel));

// "cyna_red" is the element name files use. The int32 fields are not 4-byte aligned.
constexpr Field kColorBalanceFields[] = {
    {12, Width::U8, "preserve_luminosity", Read::Int, 1},
    {13, Width::I32, "transfer_mode", Read::Int, 1},
    {17, Width::I32, "cyna_red", Read::Int, 0},
    {21, Width::I32, "magenta_green", Read::Int, 0},
    {25, Width::I32, "yellow_blue", Read::Int, 0},
};
constexpr Layout kColorBalance = {"color_balance", 6, 29, kColorBalanceFields};
static_assert(fits(kColorBalance));

constexpr Field kGammaFields[] = {
    {12, Width::I32, "bright", Read::Int, 0},
    {16, Width::I32, "contrast", Read::Int, 0},
    {20, Width::I32, "solarize", Read::Int, 0},
    {24, Width::F32, "gamma", Read::Float, 1.0},
};
constexpr Layout kGamma = {"gamma", 4, 28, kGammaFields};
static_assert(fits(kGamma));

// The threshold is read as an integer and stored as a double: "12.7" is 12.0.
constexpr Field kHistogramStretchFields[] = {
    {12, Width::I32, "method", Read::Int, 0},
    {16, Width::F64, "threshold", Read::Int, 0},
};
constexpr Layout kHistogramStretch = {"histogram_stretch", 18, 24, kHistogramStretchFields};
static_assert(fits(kHistogramStretch));

constexpr Field kThresholdFields[] = {
    {12, Width::U8, "level", Read::Int, 0},
};
constexpr Layout kThreshold = {"threshold", 23, 13, kThresholdFields};
static_assert(fits(kThreshold));

// Bytes 12 to 15 hold the "rgb" colour text; build_mix_pixel places it.
constexpr Layout kMixPixel = {"mix_pixel", 27, 16, {}};

// The blend mode at 13 (uint16) is a name or a number; build_mix_layer writes it.
constexpr Field kMixLayerFields[] = {
    {12, Width::U8, "alpha", Read::Int, 255},
    {15, Width::U8, "clr_alpha", Read::Int, 0},
};
constexpr Layout kMixLayer = {"mix_layer", 62, 16, kMixLayerFields};
static_assert(fits(kMixLayer));

struct Named {
  std::string_view name;
  int32_t value;
};

// Bit flags, compared in this order.
constexpr Named kChannels[] = {
    {"red", 1}, {"green", 2}, {"blue", 4}, {"alpha", 8}, {"rgb", 7}, {"rgba", 15}, {"gray", 16},
};

// A blend mode's value is its position here, counted from 1.
constexpr std::string_view kBlendModes[] = {
    "add",
    "and",
    "xor",
    "or",
    "mask",
    "srccopy",
    "dstcopy",
    "sub",
    "srcblend",
    "screen",
    "avg",
    "alpha",
    "softlight",
    "softlight_alpha",
    "hardlight",
    "hardlight_alpha",
    "overlay",
    "overlay_alpha",
    "filter",
    "filter2",
    "texture",
    "dodge",
    "dodge_alpha",
    "burn",
    "burn_alpha",
    "darken",
    "darken_alpha",
    "lighten",
    "lighten_alpha",
    "grainextract",
    "grainmerge",
    "multiply",
    "multiply_alpha",
};
static_assert(std::size(kBlendModes) == 33);

bool starts_with_digit(const char* text) { return *text >= '0' && *text <= '9'; }

}  // namespace

std::optional<Record> build_rgb(const TiXmlElement& action) { return build_record(kRgb, action); }
std::optional<Record> build_hsv(const TiXmlElement& action) { return build_record(kHsv, action); }
std::optional<Record> build_hue(const TiXmlElement& action) { return build_record(kHue, action); }

std::optional<Record> build_color_balance(const TiXmlElement& action) {
  return build_record(kColorBalance, action);
}

std::optional<Record> build_gamma(const TiXmlElement& action) {
  return build_record(kGamma, action);
}

std::optional<Record> build_histogram_stretch(const TiXmlElement& action) {
  return build_record(kHistogramStretch, action);
}

std::optional<Record> build_threshold(const TiXmlElement& action) {
  return build_record(kThreshold, action);
}

std::optional<Record> build_color_level(const TiXmlElement& action) {
  const char* text = ChildText(action, "channel", "");
  int32_t channel = 0;
  if (starts_with_digit(text)) {
    channel = to_int(text);
  } else {
    for (const Named& c : kChannels) {
      if (equals_ascii_nocase(c.name, text)) {
        channel = c.value;
        break;
      }
    }
  }
  if (channel == 0) {
    log_message("parser_action_color_level: invalid color channel(%s)!\n", text);
    return std::nullopt;
  }
  Record record = build_record(kColorLevel, action);
  put_i32(record, 24, channel);
  return record;
}

std::optional<Record> build_mix_pixel(const TiXmlElement& action) {
  Record record = build_record(kMixPixel, action);
  std::array<int32_t, 4> c = read_colour(ChildText(action, "rgb", "255,0,0,0"), {255, 0, 0, 0});
  // The placement frame files of type 27 have always carried: the second number is not stored
  // and the first appears twice. Stored files and the editor may rely on it.
  put_u8(record, 12, c[0]);
  put_u8(record, 13, c[2]);
  put_u8(record, 14, c[3]);
  put_u8(record, 15, c[0]);
  return record;
}

// An unknown blend mode, or a number whose low 16 bits are 0, drops the action without a message.
std::optional<Record> build_mix_layer(const TiXmlElement& action) {
  const char* text = ChildText(action, "method", "");
  uint16_t method = 0;
  if (starts_with_digit(text)) {
    method = static_cast<uint16_t>(to_int(text));
  } else {
    for (size_t i = 0; i < std::size(kBlendModes); ++i) {
      if (equals_ascii_nocase(kBlendModes[i], text)) {
        method = static_cast<uint16_t>(i + 1);
        break;
      }
    }
  }
  if (method == 0) return std::nullopt;
  Record record = build_record(kMixLayer, action);
  put_u16(record, 13, method);
  return record;
}

}  // namespace vmx
