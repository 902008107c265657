#include "gui/platform/virtual_key.h"

namespace vr {

namespace {

struct KeyRow {
  std::uint16_t virtualKey;
  int qtKey;
  std::uint32_t keysym;
};

// The keys that are not letters, digits or function keys (those follow
// from ranges below).
constexpr KeyRow kKeys[] = {
    {0x08, Qt::Key_Backspace, 0xff08},
    {0x09, Qt::Key_Tab, 0xff09},
    {0x0D, Qt::Key_Return, 0xff0d},
    {0x13, Qt::Key_Pause, 0xff13},
    {0x1B, Qt::Key_Escape, 0xff1b},
    {0x20, Qt::Key_Space, 0x0020},
    {0x21, Qt::Key_PageUp, 0xff55},
    {0x22, Qt::Key_PageDown, 0xff56},
    {0x23, Qt::Key_End, 0xff57},
    {0x24, Qt::Key_Home, 0xff50},
    {0x25, Qt::Key_Left, 0xff51},
    {0x26, Qt::Key_Up, 0xff52},
    {0x27, Qt::Key_Right, 0xff53},
    {0x28, Qt::Key_Down, 0xff54},
    {0x2C, Qt::Key_Print, 0xff61},
    {0x2D, Qt::Key_Insert, 0xff63},
    {0x2E, Qt::Key_Delete, 0xffff},
    {0x6A, Qt::Key_Asterisk, 0xffaa},  // keypad *
    {0x6B, Qt::Key_Plus, 0xffab},      // keypad +
    {0x6D, 0, 0xffad},                 // keypad -
    {0x6E, 0, 0xffae},                 // keypad .
    {0x6F, 0, 0xffaf},                 // keypad /
    {0x60, 0, 0xffb0},
    {0x61, 0, 0xffb1},
    {0x62, 0, 0xffb2},
    {0x63, 0, 0xffb3},
    {0x64, 0, 0xffb4},
    {0x65, 0, 0xffb5},
    {0x66, 0, 0xffb6},
    {0x67, 0, 0xffb7},
    {0x68, 0, 0xffb8},
    {0x69, 0, 0xffb9},
    {0xBA, Qt::Key_Semicolon, 0x003b},
    {0xBB, Qt::Key_Equal, 0x003d},
    {0xBC, Qt::Key_Comma, 0x002c},
    {0xBD, Qt::Key_Minus, 0x002d},
    {0xBE, Qt::Key_Period, 0x002e},
    {0xBF, Qt::Key_Slash, 0x002f},
    {0xC0, Qt::Key_QuoteLeft, 0x0060},
    {0xDB, Qt::Key_BracketLeft, 0x005b},
    {0xDC, Qt::Key_Backslash, 0x005c},
    {0xDD, Qt::Key_BracketRight, 0x005d},
    {0xDE, Qt::Key_Apostrophe, 0x0027},
};

constexpr int kFunctionKeys = 24;  // F1 to F24
constexpr std::uint16_t kVirtualF1 = 0x70;
constexpr std::uint32_t kKeysymF1 = 0xffbe;

template <typename Match>
const KeyRow* FindRow(Match match) {
  for (const KeyRow& row : kKeys)
    if (match(row)) return &row;
  return nullptr;
}

bool IsLetter(std::uint16_t vk) { return vk >= 'A' && vk <= 'Z'; }
bool IsDigit(std::uint16_t vk) { return vk >= '0' && vk <= '9'; }
bool IsFunctionKey(std::uint16_t vk) { return vk >= kVirtualF1 && vk < kVirtualF1 + kFunctionKeys; }

}  // namespace

int QtKeyFromVirtualKey(std::uint16_t virtualKey) {
  // Qt's keys for letters and digits are their upper-case character codes,
  // as are the virtual-key codes.
  if (IsLetter(virtualKey) || IsDigit(virtualKey)) return virtualKey;
  if (IsFunctionKey(virtualKey)) return Qt::Key_F1 + (virtualKey - kVirtualF1);
  const KeyRow* row = FindRow([&](const KeyRow& r) { return r.virtualKey == virtualKey; });
  return row != nullptr ? row->qtKey : 0;
}

std::uint16_t VirtualKeyFromQtKey(int qtKey) {
  if ((qtKey >= 'A' && qtKey <= 'Z') || (qtKey >= '0' && qtKey <= '9'))
    return static_cast<std::uint16_t>(qtKey);
  if (qtKey >= 'a' && qtKey <= 'z') return static_cast<std::uint16_t>(qtKey - 'a' + 'A');
  if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys)
    return static_cast<std::uint16_t>(kVirtualF1 + (qtKey - Qt::Key_F1));
  if (qtKey == Qt::Key_Enter) return 0x0D;
  if (qtKey == 0) return 0;
  const KeyRow* row = FindRow([&](const KeyRow& r) { return r.qtKey == qtKey; });
  return row != nullptr ? row->virtualKey : 0;
}

std::uint16_t HotKeyModifiersFromQt(Qt::KeyboardModifiers modifiers) {
  std::uint16_t flags = 0;
  if (modifiers & Qt::ShiftModifier) flags |= kHotKeyShift;
  if (modifiers & Qt::ControlModifier) flags |= kHotKeyControl;
  if (modifiers & Qt::AltModifier) flags |= kHotKeyAlt;
  if (modifiers & Qt::MetaModifier) flags |= kHotKeyExtended;
  return flags;
}

Qt::KeyboardModifiers QtModifiersFromHotKey(std::uint16_t flags) {
  Qt::KeyboardModifiers modifiers;
  if (flags & kHotKeyShift) modifiers |= Qt::ShiftModifier;
  if (flags & kHotKeyControl) modifiers |= Qt::ControlModifier;
  if (flags & kHotKeyAlt) modifiers |= Qt::AltModifier;
  if (flags & kHotKeyExtended) modifiers |= Qt::MetaModifier;
  return modifiers;
}

std::uint32_t KeysymFromVirtualKey(std::uint16_t virtualKey) {
  if (IsLetter(virtualKey)) return virtualKey - 'A' + 'a';
  if (IsDigit(virtualKey)) return virtualKey;
  if (IsFunctionKey(virtualKey)) return kKeysymF1 + (virtualKey - kVirtualF1);
  const KeyRow* row = FindRow([&](const KeyRow& r) { return r.virtualKey == virtualKey; });
  return row != nullptr ? row->keysym : 0;
}

std::uint8_t KeycodeListingKeysym(const std::uint32_t* keysyms, int count, int perKeycode,
                                  int firstKeycode, std::uint32_t keysym) {
  for (int k = 0; k < count; ++k)
    for (int j = 0; j < perKeycode; ++j)
      if (keysyms[k * perKeycode + j] == keysym) return static_cast<std::uint8_t>(firstKeycode + k);
  return 0;
}

}  // namespace vr
