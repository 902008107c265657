// Any bytes as a unit table file: every line becomes a type or a unit with
// its display names joined by "|", whatever the line holds, and field
// splitting stays inside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/text_field.h"
#include "units/unit_table_file.h"
#include "units/unit_tables.h"
#include "files/text_file.h"
#include "values/utf8_text.h"

namespace {

constexpr std::size_t kMaxInput = 16384;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > kMaxInput) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = vr::DecodeFileText(bytes);

  vr::UnitTables tables;
  vr::ParseUnitTable(text, tables);
  for (const vr::UnitTypeRecord& type : tables.types) {
    if (type.names.find('|') == std::string::npos || type.key.find('|') != std::string::npos) {
      std::abort();
    }
  }
  for (const vr::UnitRecord& unit : tables.units) {
    if (unit.names.find('|') == std::string::npos || unit.typeKey.find('|') != std::string::npos ||
        unit.conversion.find('=') != std::string::npos) {
      std::abort();
    }
  }

  // The first bytes choose a field and its separators; the field is always a
  // piece of the text between separators.
  if (size >= 2) {
    const int n = static_cast<unsigned char>(bytes[0]) % 8 - 1;
    const std::string_view separators = bytes.substr(1, static_cast<unsigned char>(bytes[1]) % 4);
    const std::string field = vr::TextField(text, n, separators);
    if (field.size() > text.size() || field.find_first_of(separators) != std::string::npos ||
        (!field.empty() && text.find(field) == std::string::npos)) {
      std::abort();
    }
  }
  return 0;
}
