#include "graphs/control_anchors.h"

namespace vr {

void ControlAnchors::Add(int control, int flags, const AnchorRect& rect, const AnchorRect& client) {
  AnchorEntry e;
  e.control = control;
  e.flags = flags;
  if (flags & kAnchorLeft) e.dLeft = rect.left - client.left;
  if (flags & kAnchorTop) e.dTop = rect.top - client.top;
  if (flags & kAnchorRight) e.dRight = client.right - rect.right;
  if (flags & kAnchorBottom) e.dBottom = client.bottom - rect.bottom;
  entries_.push_back(e);
}

AnchorRect ControlAnchors::Place(const AnchorEntry& e, const AnchorRect& current,
                                 const AnchorRect& client) {
  const int width = current.right - current.left;
  const int height = current.bottom - current.top;
  AnchorRect r = current;
  const bool left = (e.flags & kAnchorLeft) != 0;
  const bool right = (e.flags & kAnchorRight) != 0;
  const bool top = (e.flags & kAnchorTop) != 0;
  const bool bottom = (e.flags & kAnchorBottom) != 0;
  if (left) r.left = client.left + e.dLeft;
  if (right) r.right = client.right - e.dRight;
  if (top) r.top = client.top + e.dTop;
  if (bottom) r.bottom = client.bottom - e.dBottom;
  if (left && !right) r.right = r.left + width;
  if (right && !left) r.left = r.right - width;
  if (bottom && !top) r.top = r.bottom - height;
  if (top && !bottom) r.bottom = r.top + height;
  return r;
}

}  // namespace vr
