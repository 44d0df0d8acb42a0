// The maker of one compile, CZUVUzedu, and the compile entry make_by_path.
#pragma once

#include <tinyxml.h>

#include <cstdint>
#include <optional>
#include <string>

#include "compiler/frame/frame_file.h"

namespace vmx {

using Path = std::optional<std::string>;  // absent paths print as "(null)"

inline constexpr size_t kHeaderSize = 253;

class CZUVUzedu {
 public:
  CZUVUzedu(int32_t max_width, int32_t max_height);
  virtual ~CZUVUzedu() = default;

  // Compiles `document` into the frame file at `output`, embedding `image` when given.
  // On any failure no file is left at `output`.
  int32_t Make(const TiXmlDocument& document, const Path& output, const Path& image);

  // Decides which image file is embedded; leaves its path in `area`.
  int32_t AdjustImageSize(const char* image, std::string* area);
  // Appends the image file's bytes, scrambled.
  int32_t AppendImage(FrameFile& file, const std::string& image);

  // Writes one record per valid "element"; returns how many were written.
  uint32_t parser_vxf_elements(FrameFile& file, const TiXmlElement& elements);
  // Writes one record per usable "action"; returns how many were written.
  int parser_actions(FrameFile& file, const TiXmlElement& actions);

  int32_t m_nMaxWidth;
  int32_t m_nMaxHeight;
  double m_dScaleX = 1.0;  // multiplies element left and width; nothing sets another value
  double m_dScaleY = 1.0;  // multiplies element top and height

 private:
  int32_t Fail(int32_t code, FrameFile* file, const Path& output);
};

// Derives the default image and output paths from the definition path, checks the image and
// runs one maker. The image and output paths are used as given when present.
int32_t make_by_path(const TiXmlDocument& document, const Path& definition, Path image,
                     Path output);

}  // namespace vmx
