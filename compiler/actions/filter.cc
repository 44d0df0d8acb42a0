// Filter and blur action records: "rotate", "filter", "jitter", "repair", "nosie", "median",
// "gaussian_blur", "text_blur", "selective_blur", "circle_transform", "edge", "dilate", "erode",
// "photographicsstudio_style", "face_detect".
#include <cstdlib>
#include <new>
#include <string_view>
#include <vector>

#include "compiler/actions/builders.h"
#include "compiler/definition/convert.h"
#include "compiler/definition/readers.h"
#include "compiler/log.h"
#include "compiler/records/layout.h"

namespace vmx {
namespace {

// Each table is a record's field table, row for row: offset, width, child element, reader,
// default. Element names are matched exactly: "KSize", "Kfactor", "bBlurHorizontal" and so on.

constexpr Field kJitterFields[] = {{12, Width::I32, "radius", Read::Int, 2}};
constexpr Layout kJitter = {"jitter", 19, 16, kJitterFields};
static_assert(fits(kJitter));

constexpr Field kNosieFields[] = {{12, Width::I32, "level", Read::Int, 0}};
constexpr Layout kNosie = {"nosie", 21, 16, kNosieFields};
static_assert(fits(kNosie));

constexpr Field kMedianFields[] = {{12, Width::I32, "KSize", Read::Int, 3}};
constexpr Layout kMedian = {"median", 22, 16, kMedianFields};
static_assert(fits(kMedian));

constexpr Field kEdgeFields[] = {{12, Width::I32, "KSize", Read::Int, 2}};
constexpr Layout kEdge = {"edge", 16, 16, kEdgeFields};
static_assert(fits(kEdge));

constexpr Field kDilateFields[] = {{12, Width::I32, "KSize", Read::Int, 2}};
constexpr Layout kDilate = {"dilate", 34, 16, kDilateFields};
static_assert(fits(kDilate));

constexpr Field kErodeFields[] = {{12, Width::I32, "KSize", Read::Int, 2}};
constexpr Layout kErode = {"erode", 17, 16, kErodeFields};
static_assert(fits(kErode));

constexpr Field kStudioStyleFields[] = {{12, Width::I32, "style", Read::Int, 0}};
constexpr Layout kStudioStyle = {"photographicsstudio_style", 8, 16, kStudioStyleFields};
static_assert(fits(kStudioStyle));

// 20 bytes: 16 to 19 stay 0.
constexpr Field kFaceDetectFields[] = {{12, Width::I32, "face_index", Read::Int, -1}};
constexpr Layout kFaceDetect = {"face_detect", 41, 20, kFaceDetectFields};
static_assert(fits(kFaceDetect));

// The angle at 13 is not 4-byte aligned.
constexpr Field kRotateFields[] = {
    {12, Width::U8, "flag", Read::Int, 0},
    {13, Width::F32, "angle", Read::Float, 0},
};
constexpr Layout kRotate = {"rotate", 1, 17, kRotateFields};
static_assert(fits(kRotate));

constexpr Field kRepairFields[] = {
    {12, Width::F32, "radius", Read::Float, 0.25},
    {16, Width::I32, "niterations", Read::Int, 1},
};
constexpr Layout kRepair = {"repair", 20, 20, kRepairFields};
static_assert(fits(kRepair));

constexpr Field kGaussianBlurFields[] = {{12, Width::F32, "radius", Read::Float, 1.0}};
constexpr Layout kGaussianBlur = {"gaussian_blur", 24, 16, kGaussianBlurFields};
static_assert(fits(kGaussianBlur));

constexpr Field kTextBlurFields[] = {
    {12, Width::U8, "threshold", Read::Int, 100},
    {13, Width::U8, "decay", Read::Int, 100},
    {14, Width::U8, "max_depth", Read::Int, 5},
    {15, Width::U8, "bBlurHorizontal", Read::Int, 1},
    {16, Width::U8, "bBlurVertical", Read::Int, 1},
};
constexpr Layout kTextBlur = {"text_blur", 25, 17, kTextBlurFields};
static_assert(fits(kTextBlur));

constexpr Field kSelectiveBlurFields[] = {
    {12, Width::F32, "radius", Read::Float, 1.0},
    {16, Width::U8, "threshold", Read::Int, 25},
};
constexpr Layout kSelectiveBlur = {"selective_blur", 26, 17, kSelectiveBlurFields};
static_assert(fits(kSelectiveBlur));

constexpr Field kCircleTransformFields[] = {
    {12, Width::I32, "type", Read::Int, 0},
    {16, Width::I32, "rmax", Read::Int, 0},
    {20, Width::F32, "Koeff", Read::Float, 1.0},
};
constexpr Layout kCircleTransform = {"circle_transform", 28, 24, kCircleTransformFields};
static_assert(fits(kCircleTransform));

// The record is 32 × KSize² bytes (32 for KSize 1, the size given here): the KSize² kernel
// values from 24 on, zeros after them. KSize is stored as read, negative ones included.
constexpr Field kFilterFields[] = {
    {12, Width::I32, "KSize", Read::Int, 0},
    {16, Width::I32, "Kfactor", Read::Int, 0},
    {20, Width::I32, "Koffset", Read::Int, 0},
};
constexpr Layout kFilter = {"filter", 13, 32, kFilterFields};
static_assert(fits(kFilter));
constexpr size_t kKernelOffset = 24;

// 32 × 8191² is the largest record size the int32 size word holds.
constexpr int64_t kKSizeLimit = 8192;

// Longer kernel tokens are converted from their first 199 characters.
constexpr size_t kKernelTokenChars = 199;

// The kernel values in text order, at most `cells` of them. Tokens end at a comma; an empty token
// is 0 and a comma at the very end adds nothing. The values are gathered before the record is
// allocated, so a short kernel is refused without asking for 32 × KSize² bytes first.
std::vector<int32_t> read_kernel(std::string_view text, int64_t cells) {
  std::vector<int32_t> values;
  while (!text.empty() && static_cast<int64_t>(values.size()) < cells) {
    size_t comma = text.find(',');
    values.push_back(to_int(text.substr(0, comma).substr(0, kKernelTokenChars)));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return values;
}

}  // namespace

std::optional<Record> build_rotate(const TiXmlElement& action) {
  return build_record(kRotate, action);
}

std::optional<Record> build_jitter(const TiXmlElement& action) {
  return build_record(kJitter, action);
}

std::optional<Record> build_repair(const TiXmlElement& action) {
  return build_record(kRepair, action);
}

std::optional<Record> build_nosie(const TiXmlElement& action) {
  return build_record(kNosie, action);
}

std::optional<Record> build_median(const TiXmlElement& action) {
  return build_record(kMedian, action);
}

std::optional<Record> build_gaussian_blur(const TiXmlElement& action) {
  return build_record(kGaussianBlur, action);
}

std::optional<Record> build_text_blur(const TiXmlElement& action) {
  return build_record(kTextBlur, action);
}

std::optional<Record> build_selective_blur(const TiXmlElement& action) {
  return build_record(kSelectiveBlur, action);
}

std::optional<Record> build_circle_transform(const TiXmlElement& action) {
  return build_record(kCircleTransform, action);
}

std::optional<Record> build_edge(const TiXmlElement& action) { return build_record(kEdge, action); }

std::optional<Record> build_dilate(const TiXmlElement& action) {
  return build_record(kDilate, action);
}

std::optional<Record> build_erode(const TiXmlElement& action) {
  return build_record(kErode, action);
}

std::optional<Record> build_photographicsstudio_style(const TiXmlElement& action) {
  return build_record(kStudioStyle, action);
}

std::optional<Record> build_face_detect(const TiXmlElement& action) {
  return build_record(kFaceDetect, action);
}

std::optional<Record> build_filter(const TiXmlElement& action) {
  int32_t ksize = ChildInt(action, "KSize", 0);
  // A KSize of 0 would ask for a record too small for its own frame; 8192 and up would not fit
  // the size word.
  int64_t side = std::llabs(static_cast<int64_t>(ksize));
  if (side == 0 || side >= kKSizeLimit) {
    log_message("parser_action_filter: invalid filter size(%d)!\n", ksize);
    return std::nullopt;
  }
  int64_t cells = side * side;
  const char* text = ChildText(action, "kernel", "");
  try {
    std::vector<int32_t> kernel = read_kernel(text, cells);
    if (static_cast<int64_t>(kernel.size()) != cells) {
      log_message("parser_action_filter: invalid filter kernel(%s)！", text);
      return std::nullopt;
    }
    Record record = new_record(static_cast<int32_t>(32 * cells), kFilter.type);
    for (const Field& f : kFilter.fields) fill_field(record, f, action);
    for (size_t i = 0; i < kernel.size(); ++i) put_i32(record, kKernelOffset + 4 * i, kernel[i]);
    return record;
  } catch (const std::bad_alloc&) {
    // Up to 2 GiB for a full kernel of KSize 8191: the action is dropped, the compile goes on.
    log_message("parser_action_filter: out of memory for filter size(%d)!\n", ksize);
    return std::nullopt;
  }
}

}  // namespace vmx
