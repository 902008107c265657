#pragma once

#include <vector>

namespace vr {

// A rectangle as windows report theirs: right and bottom are one past the
// last pixel.
struct AnchorRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const AnchorRect&) const = default;
};

// Which edges of its parent a child control keeps its distance to.
enum AnchorFlag : int { kAnchorTop = 1, kAnchorLeft = 2, kAnchorBottom = 4, kAnchorRight = 8 };

struct AnchorEntry {
  int control = 0;  // the caller's id of the control
  int flags = 0;
  int dLeft = 0;
  int dTop = 0;
  int dRight = 0;
  int dBottom = 0;
};

// The child controls of a resizable window with the edges they follow, so
// that a size change can move and stretch them: 15 stretches a control both
// ways, 14 stretches it across and keeps it at the bottom, 4 only keeps it
// at its distance from the bottom.
class ControlAnchors {
 public:
  void Clear() { entries_.clear(); }
  // Records the control's distances to the edges its flags name.
  void Add(int control, int flags, const AnchorRect& rect, const AnchorRect& client);
  const std::vector<AnchorEntry>& Entries() const { return entries_; }

  // Where the control of `entry`, now at `current`, goes in `client`.
  static AnchorRect Place(const AnchorEntry& entry, const AnchorRect& current,
                          const AnchorRect& client);

 private:
  std::vector<AnchorEntry> entries_;
};

}  // namespace vr
