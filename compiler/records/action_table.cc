// The dispatcher's table of action names and type ids.
#include "compiler/records/action_table.h"

#include <array>

#include "compiler/actions/builders.h"
#include "compiler/definition/convert.h"

namespace vmx {
namespace {

// Type ids 36, 37, 38 and 57 are never written. "nosie" (21) is the name as files carry it.
constexpr std::array<ActionKind, 59> kActions = {{
    {"rgb", 2, build_rgb},
    {"hsv", 3, build_hsv},
    {"hue", 15, build_hue},
    {"color_level", 5, build_color_level},
    {"color_balance", 6, build_color_balance},
    {"gamma", 4, build_gamma},
    {"rotate", 1, build_rotate},
    {"filter", 13, build_filter},
    {"histogram_stretch", 18, build_histogram_stretch},
    {"jitter", 19, build_jitter},
    {"repair", 20, build_repair},
    {"nosie", 21, build_nosie},
    {"median", 22, build_median},
    {"threshold", 23, build_threshold},
    {"gaussian_blur", 24, build_gaussian_blur},
    {"text_blur", 25, build_text_blur},
    {"selective_blur", 26, build_selective_blur},
    {"mix_pixel", 27, build_mix_pixel},
    {"circle_transform", 28, build_circle_transform},
    {"edge", 16, build_edge},
    {"dilate", 34, build_dilate},
    {"erode", 17, build_erode},
    {"photographicsstudio_style", 8, build_photographicsstudio_style},
    {"mix_layer", 62, build_mix_layer},
    {"face_detect", 41, build_face_detect},
    {"lomo_style", 9, nullptr},
    {"sketch_style", 10, nullptr},
    {"auto_contrast", 11, nullptr},
    {"color_enhance", 12, nullptr},
    {"negative", 14, nullptr},
    {"flip", 30, nullptr},
    {"mirror", 31, nullptr},
    {"rotate_left", 32, nullptr},
    {"rotate_right", 33, nullptr},
    {"auto_white_balance", 7, nullptr},
    {"gray_scale", 29, nullptr},
    {"pcl_posterize", 42, build_pcl_posterize},
    {"pcl_ribbon", 43, build_pcl_ribbon},
    {"pcl_splash", 44, build_pcl_splash},
    {"pcl_mosaic", 45, build_pcl_mosaic},
    {"pcl_oilpaint", 46, build_pcl_oilpaint},
    {"pcl_3dgrid", 47, build_pcl_3dgrid},
    {"pcl_emboss", 48, build_pcl_emboss},
    {"pcl_shift", 49, build_pcl_shift},
    {"pcl_illusion", 53, build_pcl_illusion},
    {"pcl_wave", 50, build_pcl_wave},
    {"pcl_video", 51, build_pcl_video},
    {"pcl_blinds", 52, build_pcl_blinds},
    {"pcl_ripple", 54, build_pcl_ripple},
    {"pcl_fractal", 55, build_pcl_fractal},
    {"pcl_zoom_blur", 58, build_pcl_zoom_blur},
    {"pcl_radial_blur", 59, build_pcl_radial_blur},
    {"pcl_whirl_pinch", 56, build_pcl_whirl_pinch},
    {"pcl_noise", 60, build_pcl_noise},
    {"text", 35, build_text},
    {"round", 40, build_round},
    {"round2", 63, build_round},
    {"shadow", 39, build_shadow},
    {"fill_color", 61, build_fill_color},
}};

}  // namespace

std::span<const ActionKind> action_kinds() { return kActions; }

const ActionKind* find_action(std::string_view name) {
  for (const ActionKind& kind : kActions)
    if (equals_ascii_nocase(kind.name, name)) return &kind;
  return nullptr;
}

}  // namespace vmx
