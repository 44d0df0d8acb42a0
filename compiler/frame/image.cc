// The image payload: the photo's bytes, scrambled, after the action records.
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "compiler/frame/maker.h"
#include "compiler/log.h"
#include "compiler/open_input.h"
#include "compiler/records/bytes.h"
#include "compiler/result_codes.h"

namespace vmx {

int32_t CZUVUzedu::AdjustImageSize(const char* image, std::string* area) {
  if (!image || !area) {
    log_message("AdjustImageSize: file path was invalid!\n");
    return kBadImagePath;
  }
  // Nothing in the system resizes photos: with or without limits the photo is embedded as it is.
  *area = image;
  return kOk;
}

int32_t CZUVUzedu::AppendImage(FrameFile& file, const std::string& image) {
  std::FILE* in = open_input(image);
  if (!in) {
    log_message("AppendImage: open file(%s) failed!\n", image.c_str());
    return kFileFailed;
  }
  log_message("@AppendImage: open file(%s) successed!\n", image.c_str());

  std::array<uint8_t, 1024> buffer;
  int32_t result = kOk;
  for (;;) {
    size_t n = std::fread(buffer.data(), 1, buffer.size(), in);
    if (n == 0) break;
    // The header stores offsets and sizes as int32; a longer file cannot be described.
    if (file.position() + int64_t(n) > std::numeric_limits<int32_t>::max()) {
      log_message("AppendImage: image file(%s) too large!\n", image.c_str());
      result = kFileFailed;
      break;
    }
    scramble(std::span(buffer.data(), n));
    file.write(std::span(buffer.data(), n));
  }
  // A read error would silently cut the photo short; fail instead of embedding part of it.
  if (result == kOk && std::ferror(in)) {
    log_message("AppendImage: read file(%s) failed!\n", image.c_str());
    result = kFileFailed;
  }
  std::fclose(in);
  return result;
}

}  // namespace vmx
