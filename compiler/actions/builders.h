// The builders of the parameterised actions, by family. Each reads its "action" element and
// returns the record (size and type id written, action id 0) or nothing when it refuses.
#pragma once

#include <tinyxml.h>

#include <optional>

#include "compiler/records/bytes.h"

namespace vmx {

// Tone and colour.
std::optional<Record> build_rgb(const TiXmlElement& action);
std::optional<Record> build_hsv(const TiXmlElement& action);
std::optional<Record> build_hue(const TiXmlElement& action);
std::optional<Record> build_color_level(const TiXmlElement& action);
std::optional<Record> build_color_balance(const TiXmlElement& action);
std::optional<Record> build_gamma(const TiXmlElement& action);
std::optional<Record> build_histogram_stretch(const TiXmlElement& action);
std::optional<Record> build_threshold(const TiXmlElement& action);
std::optional<Record> build_mix_pixel(const TiXmlElement& action);
std::optional<Record> build_mix_layer(const TiXmlElement& action);

// Filter and blur.
std::optional<Record> build_rotate(const TiXmlElement& action);
std::optional<Record> build_filter(const TiXmlElement& action);
std::optional<Record> build_jitter(const TiXmlElement& action);
std::optional<Record> build_repair(const TiXmlElement& action);
std::optional<Record> build_nosie(const TiXmlElement& action);
std::optional<Record> build_median(const TiXmlElement& action);
std::optional<Record> build_gaussian_blur(const TiXmlElement& action);
std::optional<Record> build_text_blur(const TiXmlElement& action);
std::optional<Record> build_selective_blur(const TiXmlElement& action);
std::optional<Record> build_circle_transform(const TiXmlElement& action);
std::optional<Record> build_edge(const TiXmlElement& action);
std::optional<Record> build_dilate(const TiXmlElement& action);
std::optional<Record> build_erode(const TiXmlElement& action);
std::optional<Record> build_photographicsstudio_style(const TiXmlElement& action);
std::optional<Record> build_face_detect(const TiXmlElement& action);

// Stylising effects.
std::optional<Record> build_pcl_posterize(const TiXmlElement& action);
std::optional<Record> build_pcl_ribbon(const TiXmlElement& action);
std::optional<Record> build_pcl_splash(const TiXmlElement& action);
std::optional<Record> build_pcl_mosaic(const TiXmlElement& action);
std::optional<Record> build_pcl_oilpaint(const TiXmlElement& action);
std::optional<Record> build_pcl_3dgrid(const TiXmlElement& action);
std::optional<Record> build_pcl_emboss(const TiXmlElement& action);
std::optional<Record> build_pcl_shift(const TiXmlElement& action);
std::optional<Record> build_pcl_illusion(const TiXmlElement& action);
std::optional<Record> build_pcl_wave(const TiXmlElement& action);
std::optional<Record> build_pcl_video(const TiXmlElement& action);
std::optional<Record> build_pcl_blinds(const TiXmlElement& action);
std::optional<Record> build_pcl_ripple(const TiXmlElement& action);
std::optional<Record> build_pcl_fractal(const TiXmlElement& action);
std::optional<Record> build_pcl_zoom_blur(const TiXmlElement& action);
std::optional<Record> build_pcl_radial_blur(const TiXmlElement& action);
std::optional<Record> build_pcl_whirl_pinch(const TiXmlElement& action);
std::optional<Record> build_pcl_noise(const TiXmlElement& action);

// Drawing.
std::optional<Record> build_text(const TiXmlElement& action);
std::optional<Record> build_round(const TiXmlElement& action);
std::optional<Record> build_shadow(const TiXmlElement& action);
std::optional<Record> build_fill_color(const TiXmlElement& action);

}  // namespace vmx
