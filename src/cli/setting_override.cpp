#include "setting_override.h"

#include "values/value_text.h"

namespace vr::cli {

namespace {

// Flags read as the options file reads them: only "1" is on.
std::int32_t Flag(std::string_view value) { return value == "1" ? 1 : 0; }

}  // namespace

bool ApplySettingOverride(OptionsRecord& options, std::string_view key, std::string_view value) {
  if (key == "Radian") {
    options.radian = Flag(value);
  } else if (key == "Format") {
    options.format = Flag(value);
  } else if (key == "English") {
    options.english = Flag(value);
  } else if (key == "Precision") {
    const std::int32_t precision = Atoi(value);
    options.precision = (precision < 0 || precision > 15) ? 15 : precision;
  } else if (key == "DateFormat") {
    options.dateFormat = Atoi(value);
  } else if (key == "NumberBase") {
    if (!value.empty()) options.numberBase = Atoi(value);
  } else {
    return false;
  }
  return true;
}

}  // namespace vr::cli
