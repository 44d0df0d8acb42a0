// Fixed record layouts as data: one row per field, copied from the record's field table, and one
// engine that builds a record from the rows. Builders hand-write only what rows cannot say.
#pragma once

#include <tinyxml.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "compiler/records/bytes.h"

namespace vmx {

enum class Read : uint8_t { Int, Float };         // ChildInt or ChildFloat
enum class Width : uint8_t { U8, U16, I32, F32, F64 };  // how the value is stored

struct Field {
  uint16_t offset;
  Width width;
  const char* child;  // child element of the "action" element
  Read read;
  double dflt;        // the reader's default (an int default for Read::Int)
};

struct Layout {
  std::string_view name;
  int32_t type;
  int32_t size;
  std::span<const Field> fields;
};

inline constexpr size_t kFrameSize = 12;  // size, action id, type id

// A zero-filled record of `size` bytes with its size word and type id written.
Record new_record(int32_t size, int32_t type);

// Reads one field with its reader and default and stores it at its offset in its width.
void fill_field(Record& record, const Field& field, const TiXmlElement& action);

// new_record + fill_field for every row.
Record build_record(const Layout& layout, const TiXmlElement& action);

// The layout's rows must lie inside its size and clear of the 12-byte frame, and a floating
// reader only fills a floating field. Check each table with static_assert(fits(...)).
constexpr bool fits(const Layout& layout) {
  for (const Field& f : layout.fields) {
    int width = f.width == Width::U8 ? 1 : f.width == Width::U16 ? 2
              : f.width == Width::F64 ? 8 : 4;
    if (f.offset < kFrameSize || f.offset + width > layout.size) return false;
    bool floating = f.width == Width::F32 || f.width == Width::F64;
    if (f.read == Read::Float && !floating) return false;
  }
  return true;
}

}  // namespace vmx
