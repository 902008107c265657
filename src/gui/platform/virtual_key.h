#pragma once

#include <Qt>
#include <cstdint>

namespace vr {

// The options keep the global hot key as a virtual-key code and modifier
// flags (1 Shift, 2 Control, 4 Alt, 8 the extended/Windows key), a form that
// stays the same whatever the keyboard layout or the windowing system.
enum HotKeyModifier : std::uint16_t {
  kHotKeyShift = 1,
  kHotKeyControl = 2,
  kHotKeyAlt = 4,
  kHotKeyExtended = 8,
};

// Qt key of a virtual-key code; 0 when the code has none.
int QtKeyFromVirtualKey(std::uint16_t virtualKey);
// Virtual-key code of a Qt key; 0 when the key has none.
std::uint16_t VirtualKeyFromQtKey(int qtKey);

std::uint16_t HotKeyModifiersFromQt(Qt::KeyboardModifiers modifiers);
Qt::KeyboardModifiers QtModifiersFromHotKey(std::uint16_t flags);

// X11 keysym that a virtual-key code stands for (letters in lower case, as
// the keyboard map lists them first); 0 when there is none.
std::uint32_t KeysymFromVirtualKey(std::uint16_t virtualKey);

// The first key code whose entry in an X11 keyboard map lists `keysym`; 0
// for none. The map holds `perKeycode` keysyms for each of `count` key codes
// from `firstKeycode` on, as the server sends it.
std::uint8_t KeycodeListingKeysym(const std::uint32_t* keysyms, int count, int perKeycode,
                                  int firstKeycode, std::uint32_t keysym);

}  // namespace vr
