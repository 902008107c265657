#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/expression_engine.h"
#include "values/value.h"

namespace vr {

// zShift before the first picture: the picture then sets it to half the
// height of the drawing area.
constexpr std::int32_t kZShiftUnset = -111111;

struct SurfaceEdits {
  std::string function;
  std::string xStart;
  std::string xEnd;
  std::string yStart;
  std::string yEnd;
  std::string zScale;
  std::string zShift;
};

// What the surface picture needs: the function of x and y over the ranges
// (start <= end) and the vertical scale and shift.
struct SurfaceInputs {
  std::string functionText;
  double xStart = 0.0;
  double xEnd = 0.0;
  double yStart = 0.0;
  double yEnd = 0.0;
  double zScale = 10.0;
  std::int32_t zShift = kZShiftUnset;
};

// The 3D graph: z = f(x, y) over a rectangle.
class SurfaceModel {
 public:
  // Takes "function;x start;x end;y start;y end[;z scale]". 0 when
  // accepted; -1 to -4 for the range field that cannot be evaluated (the
  // last failing one wins); else the engine's code of the function at
  // (x start, y start). A missing or failing z scale is 10. The edits are
  // set in every case.
  int SetFromCommand(ExpressionEngine& engine, std::string_view argument);
  // Enter in the window: always taken, the picture is always made again.
  // The z scale becomes a whole number of at least 1.
  void ApplyInputs(ExpressionEngine& engine, const SurfaceEdits& typed);
  // The picture sets the shift it chose at its first rendering.
  void SetZShift(std::int32_t zShift) { inputs_.zShift = zShift; }

  const SurfaceEdits& Edits() const { return edits_; }
  const SurfaceInputs& Inputs() const { return inputs_; }

 private:
  void StoreRanges();

  SurfaceInputs inputs_;
  Value xEndValue_;
  Value xStartValue_;
  Value yEndValue_;
  Value yStartValue_;
  SurfaceEdits edits_;
};

}  // namespace vr
