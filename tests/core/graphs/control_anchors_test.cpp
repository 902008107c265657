#include "graphs/control_anchors.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

TEST(ControlAnchors, ControlsFollowTheEdgesTheyAreAnchoredTo) {
  const AnchorRect client{0, 0, 400, 300};
  const AnchorRect grown{0, 0, 500, 360};
  const AnchorRect control{10, 20, 110, 40};
  struct Row {
    int flags;
    AnchorRect placed;
  };
  const Row rows[] = {
      {15, {10, 20, 210, 100}},  // stretched both ways
      {14, {10, 80, 210, 100}},  // across, kept at the bottom
      {4, {10, 80, 110, 100}},   // kept at the bottom, same size
      {8, {110, 20, 210, 40}},   // kept at the right
      {2 | 1, {10, 20, 110, 40}}, {0, {10, 20, 110, 40}},
  };
  // The same layout with the client area away from the origin moves as a whole.
  const auto moved = [](AnchorRect r, int dx, int dy) {
    return AnchorRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  };
  for (const int shift : {0, 7}) {
    for (const Row& r : rows) {
      ControlAnchors anchors;
      anchors.Add(1, r.flags, moved(control, shift, 2 * shift), moved(client, shift, 2 * shift));
      EXPECT_EQ(ControlAnchors::Place(anchors.Entries()[0], moved(control, shift, 2 * shift),
                                      moved(grown, shift, 2 * shift)),
                moved(r.placed, shift, 2 * shift))
          << r.flags << " shifted by " << shift;
    }
  }
}

}  // namespace
}  // namespace vr
