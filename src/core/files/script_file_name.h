#pragma once

#include <string_view>

#include "files/ascii.h"

namespace vr {

// Script libraries are the program folder's "*.usc" files, the extension
// in any case, with a name before it.
inline constexpr std::string_view kScriptExtension = ".usc";

constexpr bool IsScriptFileName(std::string_view fileName) {
  if (fileName.size() <= kScriptExtension.size()) return false;
  const std::string_view tail = fileName.substr(fileName.size() - kScriptExtension.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (AsciiLower(tail[i]) != kScriptExtension[i]) return false;
  }
  return true;
}

}  // namespace vr
