#include "gui/platform/global_hot_key.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <cstdlib>

#include "gui/platform/virtual_key.h"

#ifdef VR_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace vr {

#ifdef VR_HAVE_XCB
namespace {

xcb_connection_t* X11Connection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 != nullptr ? x11->connection() : nullptr;
}

// The first key code whose keyboard-map entry lists the keysym; 0 for none.
xcb_keycode_t KeycodeForKeysym(xcb_connection_t* conn, xcb_keysym_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(conn);
  const int first = setup->min_keycode;
  const int count = setup->max_keycode - setup->min_keycode + 1;
  xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
      conn, xcb_get_keyboard_mapping(conn, setup->min_keycode, static_cast<std::uint8_t>(count)),
      nullptr);
  if (reply == nullptr) return 0;
  const xcb_keycode_t found = KeycodeListingKeysym(xcb_get_keyboard_mapping_keysyms(reply), count,
                                                   reply->keysyms_per_keycode, first, keysym);
  std::free(reply);
  return found;
}

std::uint16_t XModifiers(std::uint16_t flags) {
  std::uint16_t mods = 0;
  if (flags & kHotKeyShift) mods |= XCB_MOD_MASK_SHIFT;
  if (flags & kHotKeyControl) mods |= XCB_MOD_MASK_CONTROL;
  if (flags & kHotKeyAlt) mods |= XCB_MOD_MASK_1;
  if (flags & kHotKeyExtended) mods |= XCB_MOD_MASK_4;
  return mods;
}

// Caps Lock and Num Lock must not stop the chord from working, so it is
// grabbed once with each combination of them.
constexpr std::uint16_t kLockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                           XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t kChordMask =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

}  // namespace
#endif

GlobalHotKey::GlobalHotKey(QObject* parent) : QObject(parent) {
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->installNativeEventFilter(this);
}

GlobalHotKey::~GlobalHotKey() {
  Unregister();
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool GlobalHotKey::Register(std::uint16_t virtualKey, std::uint16_t modifiers) {
  Unregister();
#ifdef VR_HAVE_XCB
  xcb_connection_t* conn = X11Connection();
  const std::uint32_t keysym = KeysymFromVirtualKey(virtualKey);
  if (conn == nullptr || keysym == 0) return false;
  const xcb_keycode_t keycode = KeycodeForKeysym(conn, keysym);
  if (keycode == 0) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
  const std::uint16_t mods = XModifiers(modifiers);
  bool ok = true;
  for (std::uint16_t lock : kLockVariants) {
    xcb_generic_error_t* error =
        xcb_request_check(conn, xcb_grab_key_checked(conn, 1, root, mods | lock, keycode,
                                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    if (error != nullptr) {
      ok = false;  // usually BadAccess: another program holds the chord
      std::free(error);
    }
  }
  if (!ok) {
    for (std::uint16_t lock : kLockVariants) xcb_ungrab_key(conn, keycode, root, mods | lock);
    xcb_flush(conn);
    return false;
  }
  connection_ = conn;
  root_ = root;
  keycode_ = keycode;
  xModifiers_ = mods;
  registered_ = true;
  return true;
#else
  (void)virtualKey;
  (void)modifiers;
  return false;
#endif
}

void GlobalHotKey::Unregister() {
  if (!registered_) return;
#ifdef VR_HAVE_XCB
  auto* conn = static_cast<xcb_connection_t*>(connection_);
  for (std::uint16_t lock : kLockVariants)
    xcb_ungrab_key(conn, keycode_, root_, xModifiers_ | lock);
  xcb_flush(conn);
#endif
  registered_ = false;
}

bool GlobalHotKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#ifdef VR_HAVE_XCB
  if (!registered_ || eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7f;
  if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
  auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
  if (key->detail != keycode_ || (key->state & kChordMask) != xModifiers_) return false;
  if (type == XCB_KEY_PRESS)
    QMetaObject::invokeMethod(this, &GlobalHotKey::activated, Qt::QueuedConnection);
  return true;
#else
  (void)eventType;
  (void)message;
  return false;
#endif
}

}  // namespace vr
