// Any bytes through the XML document and the options file reader: no crash,
// no hang, and edits of a well-formed document keep it well-formed and
// readable.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/variable_table.h"
#include "options/options_record.h"
#include "settings/options_file.h"
#include "settings/xml_document.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Visits every element once, depth first, reading what can be read.
void Walk(vr::XmlDocument& doc) {
  if (!doc.FindSibling()) return;
  for (int budget = 200000; budget > 0; --budget) {
    const std::string name = doc.CurrentName();
    doc.ReadData();
    doc.ReadAttribute(name);
    doc.ReadAttribute("Name");
    doc.FindChild();
    doc.ReadChildData();
    Check(doc.StepIn());
    if (doc.FindSibling()) continue;
    Check(doc.StepOut());
    while (!doc.FindSibling()) {
      if (!doc.StepOut()) return;
    }
  }
}

void Edit(std::string_view text, std::string_view value) {
  vr::XmlDocument doc;
  if (!doc.LoadText(text)) return;
  Check(doc.FindSibling());
  const std::string root = doc.CurrentName();
  // A start tag in the input may be odd enough that the attribute reads
  // back differently; the elements made here have clean tags.
  Check(doc.WriteAttribute("fz", value));
  Check(doc.AppendChildElement("Child", value));
  Check(doc.ReadChildData() == value);
  Check(doc.WriteChildAttribute("k", value));
  Check(doc.ReadChildAttribute("k") == value);
  Check(doc.StepIn());
  Check(doc.AppendElement("Next"));

  vr::XmlDocument again;
  Check(again.LoadText(doc.DocumentText()));
  Check(again.FindSibling());
  Check(again.CurrentName() == root);
  Check(again.FindChild("Child"));
  Check(again.ReadChildData() == value);
  Check(again.ReadChildAttribute("k") == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  vr::XmlDocument doc;
  if (doc.LoadText(text)) {
    Check(doc.ErrorText().empty());
    Walk(doc);
  } else {
    Check(!doc.ErrorText().empty());
    Check(!doc.FindSibling());
  }

  // The tail of the input doubles as a value to write.
  Edit(text, text.substr(size - size / 8));

  vr::OptionsRecord options;
  vr::VariableTable variables;
  vr::ReadOptionsText(text, options, variables);
  return 0;
}
