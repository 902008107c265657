#include "options/options_record.h"

namespace vr {

std::string BuildNumberFormat(int format, int precision) {
  if (format == 0) return "%e";
  return "%." + std::to_string(ValidPrecision(precision)) + "g";
}

void OptionsRecord::RebuildNumberFormat() {
  precision = ValidPrecision(precision);
  numberFormat = BuildNumberFormat(format, precision);
}

OptionsRecord& Options() {
  static OptionsRecord live;
  return live;
}

ScopedOptions::ScopedOptions() : saved_(Options()) {}

ScopedOptions::~ScopedOptions() { Options() = saved_; }

}  // namespace vr
