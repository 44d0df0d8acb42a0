// Placeholders for builders not written yet: the dispatcher skips their actions.
#include "compiler/actions/builders.h"

namespace vmx {

std::optional<Record> build_rgb(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_hsv(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_hue(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_color_level(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_color_balance(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_gamma(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_histogram_stretch(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_threshold(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_mix_pixel(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_mix_layer(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_rotate(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_filter(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_jitter(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_repair(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_nosie(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_median(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_gaussian_blur(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_text_blur(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_selective_blur(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_circle_transform(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_edge(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_dilate(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_erode(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_photographicsstudio_style(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_face_detect(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_posterize(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_ribbon(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_splash(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_mosaic(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_oilpaint(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_3dgrid(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_emboss(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_shift(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_illusion(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_wave(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_video(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_blinds(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_ripple(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_fractal(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_zoom_blur(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_radial_blur(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_whirl_pinch(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_pcl_noise(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_text(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_round(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_shadow(const TiXmlElement&) { return std::nullopt; }
std::optional<Record> build_fill_color(const TiXmlElement&) { return std::nullopt; }

}  // namespace vmx
