#include "options/options_record.h"

namespace vr {

std::string BuildNumberFormat(int format, int precision) {
  if (format == 0) return "%e";
  if (precision < 0 || precision > kMaxPrecision) precision = kMaxPrecision;
  return "%." + std::to_string(precision) + "g";
}

void OptionsRecord::RebuildNumberFormat() {
  if (precision < 0 || precision > kMaxPrecision) precision = kMaxPrecision;
  numberFormat = BuildNumberFormat(format, precision);
}

OptionsRecord& Options() {
  static OptionsRecord live;
  return live;
}

ScopedOptions::ScopedOptions() : saved_(Options()) {}

ScopedOptions::~ScopedOptions() { Options() = saved_; }

}  // namespace vr
