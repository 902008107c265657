#include "settings/options_record.h"

#include "values/value_text.h"

namespace vr {

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
