// The five definition value readers and the colour text. Every value the compiler takes from a
// definition passes through these; names are matched exactly, case included.
#pragma once

#include <tinyxml.h>

#include <array>
#include <cstdint>

namespace vmx {

// The text of the first child element called `name`, when its first node is text; else null.
const char* child_text(const TiXmlElement& element, const char* name);

int32_t ChildInt(const TiXmlElement& element, const char* name, int32_t fallback);
double ChildFloat(const TiXmlElement& element, const char* name, float fallback);
const char* ChildText(const TiXmlElement& element, const char* name, const char* fallback);
int32_t AttrInt(const TiXmlElement& element, const char* name, int32_t fallback);
const char* AttrText(const TiXmlElement& element, const char* name, const char* fallback);

// Four comma-separated numbers ("255,0,0,0"); values not read keep their presets. Callers store
// the low 8 bits of each where their record says.
std::array<int32_t, 4> read_colour(const char* text, std::array<int32_t, 4> presets);

}  // namespace vmx
