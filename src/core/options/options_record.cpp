#include "options/options_record.h"

namespace vr {

std::string BuildNumberFormat(int format, int precision) {
  if (format == 0) return "%e";
  if (precision < 0 || precision > 15) precision = 15;
  return "%." + std::to_string(precision) + "g";
}

void OptionsRecord::RebuildNumberFormat() {
  if (precision < 0 || precision > 15) precision = 15;
  numberFormat = BuildNumberFormat(format, precision);
}

OptionsRecord& Options() {
  static OptionsRecord live;
  return live;
}

ScopedOptions::ScopedOptions() : saved_(Options()) {}

ScopedOptions::~ScopedOptions() { Options() = saved_; }

}  // namespace vr
