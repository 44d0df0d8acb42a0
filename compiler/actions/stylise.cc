// Stylising effect action records: the eighteen "pcl_" actions.
#include <array>

#include "compiler/actions/builders.h"
#include "compiler/definition/readers.h"
#include "compiler/records/layout.h"

namespace vmx {
namespace {

// Each table is a record's field table, row for row: offset, width, child element, reader,
// default. None of these records is ever refused.

constexpr Field kPosterizeFields[] = {{12, Width::I32, "level", Read::Int, 3}};
constexpr Layout kPosterize = {"pcl_posterize", 42, 16, kPosterizeFields};
static_assert(fits(kPosterize));

constexpr Field kSplashFields[] = {{12, Width::I32, "block", Read::Int, 5}};
constexpr Layout kSplash = {"pcl_splash", 44, 16, kSplashFields};
static_assert(fits(kSplash));

constexpr Field kMosaicFields[] = {{12, Width::I32, "block", Read::Int, 5}};
constexpr Layout kMosaic = {"pcl_mosaic", 45, 16, kMosaicFields};
static_assert(fits(kMosaic));

constexpr Field kOilpaintFields[] = {{12, Width::I32, "radius", Read::Int, 2}};
constexpr Layout kOilpaint = {"pcl_oilpaint", 46, 16, kOilpaintFields};
static_assert(fits(kOilpaint));

// The angle is an integer here: "2.9" is 2.
constexpr Field kEmbossFields[] = {{12, Width::I32, "angle", Read::Int, 2}};
constexpr Layout kEmboss = {"pcl_emboss", 48, 16, kEmbossFields};
static_assert(fits(kEmboss));

constexpr Field kShiftFields[] = {{12, Width::I32, "amount", Read::Int, 2}};
constexpr Layout kShift = {"pcl_shift", 49, 16, kShiftFields};
static_assert(fits(kShift));

constexpr Field kVideoFields[] = {{12, Width::I32, "type", Read::Int, 1}};
constexpr Layout kVideo = {"pcl_video", 51, 16, kVideoFields};
static_assert(fits(kVideo));

constexpr Field kIllusionFields[] = {{12, Width::I32, "amount", Read::Int, 3}};
constexpr Layout kIllusion = {"pcl_illusion", 53, 16, kIllusionFields};
static_assert(fits(kIllusion));

constexpr Field kFractalFields[] = {{12, Width::I32, "depth", Read::Int, 3}};
constexpr Layout kFractal = {"pcl_fractal", 55, 16, kFractalFields};
static_assert(fits(kFractal));

constexpr Field kZoomBlurFields[] = {{12, Width::I32, "length", Read::Int, 7}};
constexpr Layout kZoomBlur = {"pcl_zoom_blur", 58, 16, kZoomBlurFields};
static_assert(fits(kZoomBlur));

constexpr Field kRadialBlurFields[] = {{12, Width::I32, "angle", Read::Int, 10}};
constexpr Layout kRadialBlur = {"pcl_radial_blur", 59, 16, kRadialBlurFields};
static_assert(fits(kRadialBlur));

constexpr Field kRibbonFields[] = {
    {12, Width::I32, "swing", Read::Int, 25},
    {16, Width::I32, "frequency", Read::Int, 35},
};
constexpr Layout kRibbon = {"pcl_ribbon", 43, 20, kRibbonFields};
static_assert(fits(kRibbon));

constexpr Field k3dgridFields[] = {
    {12, Width::I32, "depth", Read::Int, 10},
    {16, Width::I32, "size", Read::Int, 10},
};
constexpr Layout k3dgrid = {"pcl_3dgrid", 47, 20, k3dgridFields};
static_assert(fits(k3dgrid));

// Two reserved int32 words at 20 and 24 stay 0.
constexpr Field kWaveFields[] = {
    {12, Width::I32, "wave_length", Read::Int, 30},
    {16, Width::I32, "amplitude", Read::Int, 10},
};
constexpr Layout kWave = {"pcl_wave", 50, 28, kWaveFields};
static_assert(fits(kWave));

// The colour at 17 to 20 comes from the "color" attribute; build_pcl_blinds places it. The width
// at 13 is not 4-byte aligned.
constexpr Field kBlindsFields[] = {
    {12, Width::U8, "blind_x", Read::Int, 0},
    {13, Width::I32, "width", Read::Int, 10},
};
constexpr Layout kBlinds = {"pcl_blinds", 52, 21, kBlindsFields};
static_assert(fits(kBlinds));

constexpr Field kRippleFields[] = {
    {12, Width::I32, "wave_length", Read::Int, 30},
    {16, Width::I32, "amplitude", Read::Int, 10},
    {20, Width::U8, "sin_type", Read::Int, 0},
};
constexpr Layout kRipple = {"pcl_ripple", 54, 21, kRippleFields};
static_assert(fits(kRipple));

// Doubles, kept at the precision the text gives: "0.3" is the double nearest 0.3.
constexpr Field kWhirlPinchFields[] = {
    {12, Width::F64, "whirl", Read::Float, 15.0},
    {20, Width::F64, "pinch", Read::Float, 0.5},
};
constexpr Layout kWhirlPinch = {"pcl_whirl_pinch", 56, 28, kWhirlPinchFields};
static_assert(fits(kWhirlPinch));

constexpr Field kNoiseFields[] = {
    {12, Width::I32, "level", Read::Int, 10},
    {16, Width::U8, "random", Read::Int, 0},
};
constexpr Layout kNoise = {"pcl_noise", 60, 17, kNoiseFields};
static_assert(fits(kNoise));

}  // namespace

std::optional<Record> build_pcl_posterize(const TiXmlElement& action) {
  return build_record(kPosterize, action);
}

std::optional<Record> build_pcl_ribbon(const TiXmlElement& action) {
  return build_record(kRibbon, action);
}

std::optional<Record> build_pcl_splash(const TiXmlElement& action) {
  return build_record(kSplash, action);
}

std::optional<Record> build_pcl_mosaic(const TiXmlElement& action) {
  return build_record(kMosaic, action);
}

std::optional<Record> build_pcl_oilpaint(const TiXmlElement& action) {
  return build_record(kOilpaint, action);
}

std::optional<Record> build_pcl_3dgrid(const TiXmlElement& action) {
  return build_record(k3dgrid, action);
}

std::optional<Record> build_pcl_emboss(const TiXmlElement& action) {
  return build_record(kEmboss, action);
}

std::optional<Record> build_pcl_shift(const TiXmlElement& action) {
  return build_record(kShift, action);
}

std::optional<Record> build_pcl_illusion(const TiXmlElement& action) {
  return build_record(kIllusion, action);
}

std::optional<Record> build_pcl_wave(const TiXmlElement& action) {
  return build_record(kWave, action);
}

std::optional<Record> build_pcl_video(const TiXmlElement& action) {
  return build_record(kVideo, action);
}

std::optional<Record> build_pcl_ripple(const TiXmlElement& action) {
  return build_record(kRipple, action);
}

std::optional<Record> build_pcl_fractal(const TiXmlElement& action) {
  return build_record(kFractal, action);
}

std::optional<Record> build_pcl_zoom_blur(const TiXmlElement& action) {
  return build_record(kZoomBlur, action);
}

std::optional<Record> build_pcl_radial_blur(const TiXmlElement& action) {
  return build_record(kRadialBlur, action);
}

std::optional<Record> build_pcl_whirl_pinch(const TiXmlElement& action) {
  return build_record(kWhirlPinch, action);
}

std::optional<Record> build_pcl_noise(const TiXmlElement& action) {
  return build_record(kNoise, action);
}

// The colour is the one parameter of an action taken from an attribute, not a child element.
// Stored in reverse, the text "a,r,g,b" reads as the little-endian word 0xAARRGGBB.
std::optional<Record> build_pcl_blinds(const TiXmlElement& action) {
  Record record = build_record(kBlinds, action);
  std::array<int32_t, 4> c = read_colour(AttrText(action, "color", "255,0,0,0"), {255, 0, 0, 0});
  put_u8(record, 17, c[3]);
  put_u8(record, 18, c[2]);
  put_u8(record, 19, c[1]);
  put_u8(record, 20, c[0]);
  return record;
}

}  // namespace vmx
