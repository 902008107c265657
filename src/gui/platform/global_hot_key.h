#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

namespace vr {

// A key chord that brings the program back from anywhere on the desktop.
// On X11 the chord is grabbed on the root window; elsewhere (Wayland, no
// display) it cannot be had and Register fails.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit GlobalHotKey(QObject* parent = nullptr);
  ~GlobalHotKey() override;

  // virtualKey and modifiers as the options keep them (see virtual_key.h).
  // Replaces an earlier chord. False when the chord cannot be grabbed: no
  // key code, no X11 display, or another program holds it.
  bool Register(std::uint16_t virtualKey, std::uint16_t modifiers);
  void Unregister();
  bool IsRegistered() const { return registered_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void activated();

 private:
  bool registered_ = false;
  std::uint8_t keycode_ = 0;
  std::uint16_t xModifiers_ = 0;
  std::uint32_t root_ = 0;
  void* connection_ = nullptr;  // xcb_connection_t, kept opaque out of this file
};

}  // namespace vr
