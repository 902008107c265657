#include "gui/settings/hot_key_edit.h"

#include <QKeyEvent>

#include "gui/platform/virtual_key.h"

namespace vr {

namespace {

bool IsModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
         key == Qt::Key_Super_R || key == Qt::Key_unknown;
}

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

HotKeyEdit::HotKeyEdit(QWidget* parent) : QKeySequenceEdit(parent) {}

void HotKeyEdit::SetHotKey(std::uint16_t virtualKey, std::uint16_t modifiers) {
  const int key = virtualKey == 0 ? 0 : QtKeyFromVirtualKey(virtualKey);
  if (key == 0) {
    clear();
    return;
  }
  setKeySequence(QKeySequence(QKeyCombination(QtModifiersFromHotKey(modifiers), Qt::Key(key))));
}

std::uint16_t HotKeyEdit::VirtualKey() const {
  const QKeySequence sequence = keySequence();
  if (sequence.isEmpty()) return 0;
  return VirtualKeyFromQtKey(sequence[0].key());
}

std::uint16_t HotKeyEdit::Modifiers() const {
  const QKeySequence sequence = keySequence();
  if (sequence.isEmpty() || VirtualKey() == 0) return 0;
  return HotKeyModifiersFromQt(sequence[0].keyboardModifiers());
}

bool HotKeyEdit::event(QEvent* event) {
  // QKeySequenceEdit would record Tab as a key; here it leaves the field.
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && (key->modifiers() & ~Qt::ShiftModifier & kChordModifiers) == 0)
      return QWidget::event(event);
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
  }
  return QKeySequenceEdit::event(event);
}

void HotKeyEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  Qt::KeyboardModifiers modifiers = event->modifiers() & kChordModifiers;
  if (IsModifierKey(key)) return;
  if (modifiers == Qt::NoModifier && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
    clear();
    emit editingFinished();
    return;
  }
  // A key the options cannot keep is no hot key.
  if (VirtualKeyFromQtKey(key) == 0) return;
  if (modifiers == Qt::NoModifier) modifiers = Qt::ControlModifier | Qt::AltModifier;
  setKeySequence(QKeySequence(QKeyCombination(modifiers, Qt::Key(key))));
  emit editingFinished();
}

void HotKeyEdit::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

}  // namespace vr
