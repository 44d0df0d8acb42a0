// The compile driver: header, element records, action records, image payload, header again.
#include "compiler/frame/maker.h"

#include <sys/stat.h>

#include <array>
#include <cstring>

#include "compiler/definition/readers.h"
#include "compiler/log.h"
#include "compiler/result_codes.h"
#include "compiler/records/bytes.h"
#include "compiler/settings.h"

namespace vmx {
namespace {

constexpr std::array<const char*, 5> kImageExtensions = {".jpg", ".jpeg", ".bmp", ".gif", ".png"};

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// Whether two paths name one existing file (links and relative spellings included).
bool same_file(const Path& a, const Path& b) {
  struct stat sa, sb;
  return a && b && ::stat(a->c_str(), &sa) == 0 && ::stat(b->c_str(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Header text fields are fixed-width: at most width - 1 bytes, the rest zero.
void put_text(std::array<uint8_t, kHeaderSize>& header, size_t offset, size_t width,
              const char* text) {
  size_t n = std::min(std::strlen(text), width - 1);
  std::memcpy(header.data() + offset, text, n);
}

}  // namespace

CZUVUzedu::CZUVUzedu(int32_t max_width, int32_t max_height)
    : m_nMaxWidth(max_width), m_nMaxHeight(max_height) {
  log_message("@CZUVUzedu: m_nMaxWidth = %d, m_nMaxHeight = %d\n", m_nMaxWidth, m_nMaxHeight);
}

int32_t CZUVUzedu::Fail(int32_t code, FrameFile* file, const Path& output) {
  if (file) file->close();
  if (output) remove_output(*output);
  log_message("Make: create frame(%s) failed! now delete.\n", shown(output));
  return code;
}

int32_t CZUVUzedu::Make(const TiXmlDocument& document, const Path& output, const Path& image) {
  log_message("@Make begin!\n");
  m_dScaleX = m_dScaleY = 1.0;

  const TiXmlElement* root = document.FirstChildElement();
  if (!root) {
    log_message("Make: xml lose 'root' node!\n");
    return Fail(kNoRoot, nullptr, output);
  }
  const TiXmlElement* head = root->FirstChildElement("header");
  if (!head) {
    log_message("Make: xml lose 'header' node!\n");
    return Fail(kNoHeader, nullptr, output);
  }

  std::array<uint8_t, kHeaderSize> header{};
  std::memcpy(header.data(), "vimox", 5);
  put_i32(header, 5, kHeaderSize);
  int32_t version = ChildInt(*head, "version", 0);
  put_i32(header, 9, version);
  if (version != 1) {
    log_message("Make: vmf header version(%d) was invalid!\n", version);
    return Fail(kBadVersion, nullptr, output);
  }

  log_message("@Make: m_nMaxWidth = %d, m_nMaxHeight = %d\n", m_nMaxWidth, m_nMaxHeight);
  std::string embed;
  if (image) {
    int32_t code = AdjustImageSize(image->c_str(), &embed);
    if (code != kOk) {
      log_message("Make: AdjustImageSize failed!\n");
      return Fail(code, nullptr, output);
    }
  }

  std::unique_ptr<FrameFile> file = output ? FrameFile::create(*output) : nullptr;
  if (!file) {
    log_message("Make: create file (%s) failed!\n", shown(output));
    return Fail(kFileFailed, nullptr, output);
  }

  put_i32(header, 29, ChildInt(*head, "image_width", 0));
  put_i32(header, 33, ChildInt(*head, "image_height", 0));
  put_i32(header, 45, ChildInt(*head, "frame_count", 1));
  put_text(header, 153, 50, ChildText(*head, "author", ""));
  put_text(header, 203, 50, ChildText(*head, "email", ""));
  put_text(header, 53, 100, ChildText(*head, "name", ""));

  const TiXmlElement* elements = root->FirstChildElement("elements");
  if (!elements) return Fail(kBadElements, file.get(), output);

  // The first copy holds zero counts and offsets; only a completed compile rewrites it.
  file->write(header);

  put_i32(header, 17, static_cast<int32_t>(file->position()));
  uint32_t element_count = parser_vxf_elements(*file, *elements);
  put_i32(header, 13, static_cast<int32_t>(element_count));
  if (element_count == 0 || element_count > 100) {
    log_message("Make: element count was invalid(%d)!\n", static_cast<int32_t>(element_count));
    return Fail(kBadElements, file.get(), output);
  }

  const TiXmlElement* actions = root->FirstChildElement("actions");
  if (!actions) {
    log_message("Make: loss element node!\n");
    return Fail(kBadElements, file.get(), output);
  }
  put_i32(header, 25, static_cast<int32_t>(file->position()));
  int action_count = parser_actions(*file, *actions);
  put_i32(header, 21, action_count);
  if (action_count == 0) return Fail(kNoActions, file.get(), output);

  if (image) {
    int64_t start = file->position();
    put_i32(header, 37, static_cast<int32_t>(start));
    int32_t code = AppendImage(*file, embed);
    if (code != kOk) return Fail(code, file.get(), output);
    put_i32(header, 41, static_cast<int32_t>(file->position() - start));
  }

  file->rewind();
  file->write(header);
  if (!file->close()) {
    log_message("Make: write file (%s) failed!\n", shown(output));
    return Fail(kFileFailed, file.get(), output);
  }
  log_message("@Make: crate frame(%s) successed!\n", shown(output));
  return kOk;
}

int32_t make_by_path(const TiXmlDocument& document, const Path& definition, Path image,
                     Path output) {
  if (definition) {
    // The stem ends at the last "." of the whole path, even one in a directory name.
    size_t dot = definition->rfind('.');
    std::string stem = definition->substr(0, dot == std::string::npos ? definition->size() : dot);
    if (!image) {
      for (const char* extension : kImageExtensions) {
        if (exists(stem + extension)) {
          image = stem + extension;
          break;
        }
      }
    }
    if (!output) output = stem + ".vmf";
  }
  if (image && !exists(*image)) {
    log_message("main: can't read image file(%s)!\n", image->c_str());
    return kNoImage;
  }
  // Creating the output empties the file at its path, and a failed compile deletes it: were that
  // the photo or the definition, the user's own file would be lost. Refuse before touching it.
  if (same_file(output, image) || same_file(output, definition)) {
    log_message("main: output file(%s) is an input file!\n", output->c_str());
    return kFileFailed;
  }
  CZUVUzedu maker(settings().max_width, settings().max_height);
  return maker.Make(document, output, image);
}

}  // namespace vmx
