// The record engine: rows in, bytes out.
#include "compiler/records/layout.h"

#include "compiler/definition/readers.h"

namespace vmx {

Record new_record(int32_t size, int32_t type) {
  Record record(static_cast<size_t>(size), 0);
  put_i32(record, 0, size);
  put_i32(record, 8, type);
  return record;
}

void fill_field(Record& record, const Field& f, const TiXmlElement& action) {
  if (f.read == Read::Float) {
    // fits() admits floating reads only into floating fields.
    double value = ChildFloat(action, f.child, static_cast<float>(f.dflt));
    if (f.width == Width::F64) put_f64(record, f.offset, value);
    else put_f32(record, f.offset, value);
    return;
  }
  int32_t value = ChildInt(action, f.child, static_cast<int32_t>(f.dflt));
  switch (f.width) {
    case Width::U8: put_u8(record, f.offset, value); break;
    case Width::U16: put_u16(record, f.offset, value); break;
    case Width::I32: put_i32(record, f.offset, value); break;
    // An integer read into a floating field has lost its fraction already ("2.7" stores 2.0).
    case Width::F32: put_f32(record, f.offset, value); break;
    case Width::F64: put_f64(record, f.offset, value); break;
  }
}

Record build_record(const Layout& layout, const TiXmlElement& action) {
  Record record = new_record(layout.size, layout.type);
  for (const Field& f : layout.fields) fill_field(record, f, action);
  return record;
}

}  // namespace vmx
