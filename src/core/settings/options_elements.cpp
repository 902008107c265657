#include "settings/options_elements.h"

#include <type_traits>

#include "values/utf8_text.h"
#include "values/value_text.h"

namespace vr {

namespace {

template <auto Field>
std::int32_t Get(const OptionsRecord& o) {
  return static_cast<std::int32_t>(o.*Field);
}

template <auto Field>
void Set(OptionsRecord& o, std::int32_t value) {
  using T = std::remove_cvref_t<decltype(o.*Field)>;
  o.*Field = static_cast<T>(value);
}

template <auto Rect, auto Field>
std::int32_t& RectField(OptionsRecord& o) {
  return (o.*Rect).*Field;
}

template <auto Field>
std::int32_t& PlainField(OptionsRecord& o) {
  return o.*Field;
}

using R = OptionsRecord;

// The main window is written top, left, width, height; the dialogs and the
// graphs top, left, height, width. The file has always been so.
constexpr GeometryAttribute kMainWindow[] = {
    {"Top", &RectField<&R::mainWindow, &WindowRect::top>},
    {"Left", &RectField<&R::mainWindow, &WindowRect::left>},
    {"Width", &RectField<&R::mainWindow, &WindowRect::width>},
    {"Height", &RectField<&R::mainWindow, &WindowRect::height>},
};
constexpr GeometryAttribute kVarsDialog[] = {
    {"Top", &PlainField<&R::varsDialogTop>},
    {"Left", &PlainField<&R::varsDialogLeft>},
};
constexpr GeometryAttribute kFunctionsDialog[] = {
    {"Top", &RectField<&R::functionsDialog, &WindowRect::top>},
    {"Left", &RectField<&R::functionsDialog, &WindowRect::left>},
    {"Height", &RectField<&R::functionsDialog, &WindowRect::height>},
    {"Width", &RectField<&R::functionsDialog, &WindowRect::width>},
};
constexpr GeometryAttribute kGraph2D[] = {
    {"Top", &RectField<&R::graph2D, &GraphGeometry::top>},
    {"Left", &RectField<&R::graph2D, &GraphGeometry::left>},
    {"Height", &RectField<&R::graph2D, &GraphGeometry::height>},
    {"Width", &RectField<&R::graph2D, &GraphGeometry::width>},
};
constexpr GeometryAttribute kGraph3D[] = {
    {"Top", &RectField<&R::graph3D, &GraphGeometry::top>},
    {"Left", &RectField<&R::graph3D, &GraphGeometry::left>},
    {"Height", &RectField<&R::graph3D, &GraphGeometry::height>},
    {"Width", &RectField<&R::graph3D, &GraphGeometry::width>},
};

template <auto Field>
constexpr OptionElement Scalar(std::string_view name, ElementRule rule) {
  return {name, rule, &Get<Field>, &Set<Field>};
}

const OptionElement kElements[] = {
    Scalar<&R::saveWindowsPositions>("SaveWindowsPositions", ElementRule::Flag),
    {"Geometry", ElementRule::Geometry, nullptr, nullptr, kMainWindow},
    Scalar<&R::radian>("Radian", ElementRule::Flag),
    Scalar<&R::saveExpr>("SaveExpr", ElementRule::Flag),
    Scalar<&R::saveVars>("SaveVars", ElementRule::Flag),
    Scalar<&R::format>("Format", ElementRule::Flag),
    Scalar<&R::precision>("Precision", ElementRule::Precision),
    Scalar<&R::showCalcResult>("ShowCalcResult", ElementRule::Flag),
    Scalar<&R::showScriptResult>("ShowScriptResult", ElementRule::Flag),
    Scalar<&R::saveResults>("SaveResults", ElementRule::Flag),
    {"GeometryVars", ElementRule::Geometry, nullptr, nullptr, kVarsDialog},
    {"GeometryFuncs", ElementRule::Geometry, nullptr, nullptr, kFunctionsDialog},
    {"Geometry2D", ElementRule::Geometry, nullptr, nullptr, kGraph2D},
    {"Geometry3D", ElementRule::Geometry, nullptr, nullptr, kGraph3D},
    {"Expressions", ElementRule::Expressions},
    {"Vars", ElementRule::Vars},
    Scalar<&R::english>("English", ElementRule::Flag),
    Scalar<&R::dateFormat>("DateFormat", ElementRule::Number),
    Scalar<&R::backColor>("BackColor", ElementRule::Colour),
    Scalar<&R::textColor>("TextColor", ElementRule::Colour),
    Scalar<&R::textHighlight>("TextHighlight", ElementRule::Colour),
    Scalar<&R::buttonHighlight>("ButtonHighlight", ElementRule::Colour),
    Scalar<&R::fontSize>("FontSize", ElementRule::Number),
    Scalar<&R::stayOnTop>("StayOnTop", ElementRule::Flag),
    Scalar<&R::numberBase>("NumberBase", ElementRule::NumberBase),
    {"HotKey", ElementRule::HotKey},
    Scalar<&R::minToTray>("minToTray", ElementRule::Switch),
    Scalar<&R::autoStart>("autoStart", ElementRule::AutoStart),
    Scalar<&R::closeMinimize>("closeMinimize", ElementRule::Switch),
    Scalar<&R::autoClip>("autoClip", ElementRule::Switch),
    Scalar<&R::digitColor>("DigitColor", ElementRule::Colour),
    Scalar<&R::operationColor>("OperationColor", ElementRule::Colour),
    Scalar<&R::functionColor>("FunctionColor", ElementRule::Colour),
    // Last, so that files written before it existed read as they always did.
    Scalar<&R::timeLimit>("TimeLimit", ElementRule::Number),
};

}  // namespace

std::span<const OptionElement> OptionElements() { return kElements; }

const OptionElement* FindOptionElement(std::string_view name) {
  for (const OptionElement& e : kElements) {
    if (EqualsIgnoreCase(e.name, name)) return &e;
  }
  return nullptr;
}

bool ElementIsStored(const OptionElement& element, const OptionsRecord& options) {
  switch (element.rule) {
    case ElementRule::Geometry: return options.saveWindowsPositions != 0;
    case ElementRule::Expressions: return options.saveExpr != 0;
    case ElementRule::Vars: return options.saveVars != 0;
    default: return true;
  }
}

void ApplyElementText(const OptionElement& element, std::string_view text, OptionsRecord& options) {
  switch (element.rule) {
    case ElementRule::Flag:
      element.set(options, text == "1" ? 1 : 0);
      break;
    case ElementRule::Number:
    case ElementRule::Colour:
      element.set(options, Atoi(text));
      break;
    case ElementRule::Precision: {
      const std::int32_t precision = Atoi(text);
      element.set(options, precision < 0 || precision > kMaxPrecision ? kMaxPrecision : precision);
      break;
    }
    case ElementRule::NumberBase:
      if (!text.empty()) element.set(options, Atoi(text));
      break;
    case ElementRule::Switch:
    case ElementRule::AutoStart:
      if (!text.empty()) element.set(options, Atoi(text) != 0 ? 1 : 0);
      break;
    case ElementRule::HotKey: {
      if (text.empty()) break;
      const std::size_t blank = text.find(' ');
      if (blank == std::string_view::npos) {
        options.hotKeyKey = static_cast<std::uint16_t>(Atoi(text));
      } else {
        options.hotKeyKey = static_cast<std::uint16_t>(Atoi(text.substr(0, blank)));
        options.hotKeyModifiers = static_cast<std::uint16_t>(Atoi(text.substr(blank + 1)));
      }
      break;
    }
    case ElementRule::Geometry:
    case ElementRule::Expressions:
    case ElementRule::Vars:
      break;
  }
}

std::string ElementText(const OptionElement& element, const OptionsRecord& options) {
  switch (element.rule) {
    case ElementRule::Flag:
    case ElementRule::Switch:
    case ElementRule::AutoStart:
      return element.get(options) != 0 ? "1" : "0";
    case ElementRule::Number:
    case ElementRule::Colour:
    case ElementRule::Precision:
    case ElementRule::NumberBase:
      return std::to_string(element.get(options));
    case ElementRule::HotKey:
      return std::to_string(options.hotKeyKey) + " " + std::to_string(options.hotKeyModifiers);
    case ElementRule::Geometry:
    case ElementRule::Expressions:
    case ElementRule::Vars:
      break;
  }
  return {};
}

}  // namespace vr
