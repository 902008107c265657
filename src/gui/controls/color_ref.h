#pragma once

#include <QColor>
#include <cstdint>

namespace vr {

// The options keep colours as 0x00BBGGRR integers: red sits in the low byte,
// the reverse of QRgb's 0xAARRGGBB.
inline QColor ColorFromColorRef(std::uint32_t colorRef) {
  return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                static_cast<int>((colorRef >> 16) & 0xFF));
}

inline std::uint32_t ColorRefFromColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) |
         (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

}  // namespace vr
