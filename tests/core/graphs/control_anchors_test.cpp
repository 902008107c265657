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
  for (const Row& r : rows) {
    ControlAnchors anchors;
    anchors.Add(1, r.flags, control, client);
    EXPECT_EQ(ControlAnchors::Place(anchors.Entries()[0], control, grown), r.placed) << r.flags;
  }
}

}  // namespace
}  // namespace vr
