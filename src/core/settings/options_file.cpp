#include "settings/options_file.h"

#include "files/text_file.h"
#include "files/whole_file.h"
#include "settings/file_bytes.h"
#include "settings/options_elements.h"
#include "settings/saved_variable.h"
#include "settings/xml_document.h"
#include "values/value_text.h"

namespace vr {

namespace {

constexpr std::string_view kRootName = "Options";
constexpr std::string_view kItemName = "Item";
constexpr std::string_view kAutoStartAttribute = "minized";

void ReadGeometry(const XmlDocument& doc, const OptionElement& element, OptionsRecord& options) {
  for (const GeometryAttribute& attribute : element.attributes) {
    const std::string text = doc.ReadAttribute(attribute.name);
    if (!text.empty()) attribute.field(options) = Atoi(text);
  }
}

// The "Item" children of "Vars", in order; the cursor is on "Vars".
void ReadVariables(XmlDocument& doc, VariableTable& variables) {
  if (!doc.StepIn()) return;
  while (doc.FindSibling(kItemName)) {
    const std::string name = doc.ReadAttribute("Name");
    if (name.empty()) continue;
    variables.Set(name, RestoreVariableValue(doc.ReadAttribute("VarType"), doc.ReadAttribute("Value")));
  }
  doc.StepOut();
}

// The "Vars" element with its items, as XmlDocument writes it: "<Vars/>"
// when empty, else one "<Item .../>" line per variable. Built as text in one
// pass; inserting thousands of items into the document one by one would
// shift its whole index at every step.
std::string VarsElementText(const VariableTable& variables) {
  std::string items;
  SavedVariable saved;
  for (int i = 0; i < variables.Count(); ++i) {
    if (!SaveVariable(*variables.At(i), saved)) continue;
    items += "<Item Name=\"";
    items += XmlEscape(saved.name, true);
    items += "\" VarType=\"";
    items += XmlEscape(saved.varType, true);
    items += "\" Value=\"";
    items += XmlEscape(saved.value, true);
    items += "\"/>\r\n";
  }
  if (items.empty()) return "<Vars/>\r\n";
  return "<Vars>\r\n" + items + "</Vars>\r\n";
}

OptionsLoadResult Defaults(OptionsRecord& options, OptionsFileStatus status, std::string message) {
  options = OptionsRecord{};
  options.RebuildNumberFormat();
  OptionsLoadResult result;
  result.status = status;
  result.message = std::move(message);
  return result;
}

}  // namespace

std::filesystem::path OptionsFilePath(const std::filesystem::path& programFolder) {
  return programFolder / kOptionsFileName;
}

OptionsLoadResult ReadOptionsText(std::string_view bytes, OptionsRecord& options,
                                  VariableTable& variables) {
  XmlDocument doc;
  if (!doc.LoadText(DecodeFileText(bytes))) {
    return Defaults(options, OptionsFileStatus::NotWellFormed, doc.ErrorText());
  }
  OptionsLoadResult result = Defaults(options, OptionsFileStatus::Loaded, {});

  // The root, whatever its name.
  doc.FindSibling();
  doc.StepIn();
  for (const OptionElement& element : OptionElements()) {
    if (!ElementIsStored(element, options)) continue;
    // A missing element leaves the search where it was.
    if (!doc.FindSibling(element.name)) continue;
    switch (element.rule) {
      case ElementRule::Geometry:
        ReadGeometry(doc, element, options);
        break;
      case ElementRule::Expressions:
        result.expressionsRead = true;
        result.expressions = doc.ReadData();
        break;
      case ElementRule::Vars:
        ReadVariables(doc, variables);
        break;
      case ElementRule::AutoStart: {
        ApplyElementText(element, doc.ReadData(), options);
        const std::string minimized = doc.ReadAttribute(kAutoStartAttribute);
        if (!minimized.empty()) options.startMinimized = Atoi(minimized);
        break;
      }
      default:
        ApplyElementText(element, doc.ReadData(), options);
        break;
    }
  }
  options.RebuildNumberFormat();
  return result;
}

OptionsLoadResult LoadOptions(const std::filesystem::path& file, OptionsRecord& options,
                              VariableTable& variables) {
  std::string bytes;
  std::string error;
  switch (ReadWholeFile(file, kMaxDataFileBytes, bytes, error)) {
    case WholeFileStatus::Missing:
      return Defaults(options, OptionsFileStatus::Missing, {});
    case WholeFileStatus::Failed:
      return Defaults(options, OptionsFileStatus::Unreadable,
                      "Cannot read \"" + file.string() + "\": " + error);
    case WholeFileStatus::Read:
      break;
  }
  return ReadOptionsText(bytes, options, variables);
}

std::string BuildOptionsText(const OptionsRecord& options, const VariableTable& variables,
                             std::string_view expressions) {
  // The geometry accessors hand out references; they write into a copy.
  OptionsRecord record = options;
  XmlDocument doc;
  bool varsPlaced = false;
  doc.AppendElement(kRootName);
  for (const OptionElement& element : OptionElements()) {
    if (!ElementIsStored(element, record)) continue;
    switch (element.rule) {
      case ElementRule::Geometry:
        doc.AppendChildElement(element.name);
        doc.StepIn();
        for (const GeometryAttribute& attribute : element.attributes) {
          doc.WriteAttribute(attribute.name, std::to_string(attribute.field(record)));
        }
        doc.StepOut();
        break;
      case ElementRule::Expressions:
        doc.AppendChildElement(element.name, expressions);
        break;
      case ElementRule::Vars:
        // A stand-in, replaced by the items below.
        doc.AppendChildElement(element.name);
        varsPlaced = true;
        break;
      case ElementRule::AutoStart:
        doc.AppendChildElement(element.name, ElementText(element, record));
        doc.WriteChildAttribute(kAutoStartAttribute, record.startMinimized != 0 ? "1" : "0");
        break;
      default:
        doc.AppendChildElement(element.name, ElementText(element, record));
        break;
    }
  }
  std::string text = doc.DocumentText();
  if (varsPlaced) {
    // Only "Vars" itself can be written "<Vars/>": no setting's text holds
    // markup unescaped.
    constexpr std::string_view kStandIn = "<Vars/>\r\n";
    const std::size_t at = text.find(kStandIn);
    if (at != std::string::npos) text.replace(at, kStandIn.size(), VarsElementText(variables));
  }
  return text;
}

bool SaveOptions(const std::filesystem::path& file, const OptionsRecord& options,
                 const VariableTable& variables, std::string_view expressions, std::string* error) {
  return WriteFileAtomically(file, BuildOptionsText(options, variables, expressions), error);
}

}  // namespace vr
