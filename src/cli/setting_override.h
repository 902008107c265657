#pragma once

#include <string_view>

#include "settings/options_record.h"

namespace vr::cli {

// Applies one "--set KEY=VALUE": KEY is an options-file element name and
// VALUE is read as that file writes it. False when KEY names no setting that
// can be overridden; the record is then unchanged.
bool ApplySettingOverride(OptionsRecord& options, std::string_view key, std::string_view value);

}  // namespace vr::cli
