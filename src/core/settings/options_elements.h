#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "options/options_record.h"

namespace vr {

// How the text of one element of the options file becomes a field.
enum class ElementRule {
  Flag,         // 1 when the text is exactly "1", else 0
  Number,       // atoi of the text
  Precision,    // atoi; outside 0..15 it is 15
  Colour,       // the COLORREF as a signed decimal
  NumberBase,   // atoi, but an empty text keeps the field
  HotKey,       // "key modifiers"; an empty text keeps both
  Switch,       // an empty text keeps the field, else atoi != 0
  AutoStart,    // a Switch whose element also carries "minized"
  Geometry,     // numbers in attributes, an empty one keeps the field
  Expressions,  // the text of the expression window
  Vars,         // one "Item" child per variable
};

struct GeometryAttribute {
  std::string_view name;
  std::int32_t& (*field)(OptionsRecord&);
};

struct OptionElement {
  std::string_view name;
  ElementRule rule;
  std::int32_t (*get)(const OptionsRecord&) = nullptr;  // scalar rules
  void (*set)(OptionsRecord&, std::int32_t) = nullptr;
  std::span<const GeometryAttribute> attributes = {};   // Geometry
};

// Every element below the root, in the order the file is written and read.
std::span<const OptionElement> OptionElements();

// The element named `name`, compared without regard to case; nullptr
// when there is none.
const OptionElement* FindOptionElement(std::string_view name);

// Whether the element is written and read at all, given the switches read
// (or set) so far.
bool ElementIsStored(const OptionElement& element, const OptionsRecord& options);

// Scalar rules only: the element's text into the record, and back.
void ApplyElementText(const OptionElement& element, std::string_view text, OptionsRecord& options);
std::string ElementText(const OptionElement& element, const OptionsRecord& options);

}  // namespace vr
