// Element records: geometry, indices and the element's action id list; size word plain, the rest
// scrambled. Built in one fixed area, with no allocation per element.
#include <array>
#include <cstring>
#include <string_view>

#include "compiler/definition/convert.h"
#include "compiler/definition/readers.h"
#include "compiler/frame/maker.h"
#include "compiler/log.h"
#include "compiler/records/bytes.h"

namespace vmx {
namespace {

constexpr size_t kMaxIds = 200;
constexpr size_t kTokenChars = 49;  // longer tokens are converted from their first 49 characters
constexpr size_t kElementBase = 40;

// Fills the id fields from 36 on; returns how many ids were kept.
size_t parse_action_ids(std::string_view list, std::span<uint8_t> record) {
  size_t n = 0;
  while (!list.empty() && n < kMaxIds) {
    size_t comma = list.find(',');
    std::string_view token = list.substr(0, comma);
    int32_t id = to_int(token.substr(0, kTokenChars));
    if (id == 0) {
      log_message("parser_vxf_elements: used invalid action id!\n");
      break;
    }
    put_i32(record, 36 + 4 * n++, id);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return n;
}

int32_t scaled(int32_t value, double factor) {
  return static_cast<int32_t>(static_cast<double>(value) * factor);
}

}  // namespace

uint32_t CZUVUzedu::parser_vxf_elements(FrameFile& file, const TiXmlElement& elements) {
  std::array<uint8_t, kElementBase + 4 * kMaxIds> area;
  uint32_t written = 0;
  for (const TiXmlElement* e = elements.FirstChildElement("element"); e;
       e = e->NextSiblingElement("element")) {
    area.fill(0);
    int32_t left = scaled(AttrInt(*e, "left", 0), m_dScaleX);
    int32_t top = scaled(AttrInt(*e, "top", 0), m_dScaleY);
    int32_t width = scaled(AttrInt(*e, "width", 0), m_dScaleX);
    int32_t height = scaled(AttrInt(*e, "height", 0), m_dScaleY);
    put_i32(area, 8, AttrInt(*e, "frame_index", 0));
    put_i32(area, 12, AttrInt(*e, "frame_delay", 0));
    put_i32(area, 4, AttrInt(*e, "photo_index", -1));
    put_i32(area, 16, AttrInt(*e, "first_op", 0));
    if (width == 0 || height == 0) {
      log_message("parser_elements: invalid width & height!(%dx%d)\n", width, height);
      continue;
    }
    put_i32(area, 20, left);
    put_i32(area, 24, top);
    put_i32(area, 28, width);
    put_i32(area, 32, height);
    size_t n = parse_action_ids(AttrText(*e, "actions", ""), area);
    size_t size = kElementBase + 4 * n;  // the id after the last one stays 0
    put_i32(area, 0, static_cast<int32_t>(size));
    scramble(std::span(area.data() + 4, size - 4));
    file.write(std::span(area.data(), size));
    ++written;
  }
  return written;
}

}  // namespace vmx
