// Definition value readers, built on TinyXML's element, attribute and text calls only.
#include "compiler/definition/readers.h"

#include "compiler/definition/convert.h"

namespace vmx {

const char* child_text(const TiXmlElement& element, const char* name) {
  const TiXmlElement* child = element.FirstChildElement(name);
  return child ? child->GetText() : nullptr;
}

int32_t ChildInt(const TiXmlElement& element, const char* name, int32_t fallback) {
  const char* text = child_text(element, name);
  return text ? to_int(text) : fallback;
}

double ChildFloat(const TiXmlElement& element, const char* name, float fallback) {
  const char* text = child_text(element, name);
  return text ? to_double(text) : double(fallback);
}

const char* ChildText(const TiXmlElement& element, const char* name, const char* fallback) {
  const char* text = child_text(element, name);
  return text ? text : fallback;
}

int32_t AttrInt(const TiXmlElement& element, const char* name, int32_t fallback) {
  const char* text = element.Attribute(name);
  return text ? to_int(text) : fallback;
}

const char* AttrText(const TiXmlElement& element, const char* name, const char* fallback) {
  const char* text = element.Attribute(name);
  return text ? text : fallback;
}

std::array<int32_t, 4> read_colour(const char* text, std::array<int32_t, 4> presets) {
  if (text) scan_ints(text, presets.data(), 4);
  return presets;
}

}  // namespace vmx
