#include "graphs/surface_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "values/value_conversion.h"

namespace vr {

namespace {

// Rows this far outside the picture all act alike: they only raise the
// upper or lower the lower horizon beyond every visible row. Clamping them
// keeps the drawn pixels unchanged and the walks short.
constexpr std::int64_t kRowMargin = 2;

// R(u - 0.5) as a whole number, kept within a range where the arithmetic
// below cannot overflow.
std::int64_t RoundDown(double u) {
  const double r = RoundHalfAway(u - 0.5);
  if (std::isnan(r)) return 0;
  return static_cast<std::int64_t>(std::clamp(r, -1e12, 1e12));
}

}  // namespace

SurfaceRaster::SurfaceRaster(int width, int height) { Reset(width, height); }

void SurfaceRaster::Reset(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
  upper_.resize(static_cast<std::size_t>(width_) + 2);
  lower_.resize(static_cast<std::size_t>(width_) + 2);
  ResetHorizons();
}

bool SurfaceRaster::IsSet(int column, int rowFromTop) const {
  if (column < 0 || column >= width_ || rowFromTop < 0 || rowFromTop >= height_) return false;
  return pixels_[static_cast<std::size_t>(rowFromTop) * width_ + column] != 0;
}

void SurfaceRaster::ResetHorizons() {
  runOpen_ = false;
  std::fill(upper_.begin(), upper_.end(), 0);
  std::fill(lower_.begin(), lower_.end(), static_cast<std::int64_t>(height_) + 1);
}

void SurfaceRaster::HorizonPlot(int column, std::int64_t row) {
  if (column <= 0 || column >= width_) {
    runOpen_ = false;
    return;
  }
  row = std::clamp<std::int64_t>(row, -kRowMargin, height_ + kRowMargin);
  const auto c = static_cast<std::size_t>(column);
  if (row > upper_[c]) {
    upper_[c] = row;
  } else if (row < lower_[c]) {
    lower_[c] = row;
  } else {
    runOpen_ = false;
    return;
  }
  const std::int64_t fromTop = height_ - row - 1;
  if (fromTop >= 0 && fromTop < height_) {
    pixels_[static_cast<std::size_t>(fromTop) * width_ + c] = 1;
    if (runs_ != nullptr) Trace({column, static_cast<int>(fromTop)});
  } else {
    runOpen_ = false;
  }
}

void SurfaceRaster::Trace(PixelPoint p) {
  if (runOpen_ && !runs_->empty()) {
    const PixelPoint last = runs_->back().back();
    if (std::abs(p.x - last.x) <= 1 && std::abs(p.y - last.y) <= 1) {
      if (p != last) runs_->back().push_back(p);
      return;
    }
  }
  runs_->push_back({p});
  runOpen_ = true;
}

PixelPoint SurfaceRaster::DrawSegment(PixelPoint q, PixelPoint p, bool columnsOnTie) {
  const int ddx = p.x - q.x;
  const int ddy = p.y - q.y;
  if (ddx == 0 && ddy == 0) {
    HorizonPlot(q.x, q.y);
    return p;
  }
  const bool alongColumns =
      columnsOnTie ? std::abs(ddy) <= std::abs(ddx) : std::abs(ddy) < std::abs(ddx);
  if (alongColumns) {
    ColumnWalk(q, ddx, ddy);
    // Walking rightward the next segment starts from the last point
    // plotted, which may lie a row off the end point.
    const double slope = static_cast<double>(ddy) / ddx;
    if (ddx >= 0) return {p.x, static_cast<int>(RoundDown(q.y + slope * ddx))};
    return p;
  }
  RowWalk(q, ddx, ddy);
  const double slope = static_cast<double>(ddx) / ddy;
  if (ddy >= 0) return {static_cast<int>(RoundDown(q.x + slope * ddy)), p.y};
  return p;
}

void SurfaceRaster::ColumnWalk(PixelPoint q, int ddx, int ddy) {
  const double slope = static_cast<double>(ddy) / ddx;
  // Columns outside the picture are never drawn nor kept in a horizon.
  const std::int64_t from = std::max<std::int64_t>(std::min(0, ddx), 1 - std::int64_t{q.x});
  const std::int64_t to = std::min<std::int64_t>(std::max(0, ddx), std::int64_t{width_} - 1 - q.x);
  for (std::int64_t t = from; t <= to; ++t) {
    HorizonPlot(static_cast<int>(q.x + t), RoundDown(q.y + slope * static_cast<double>(t)));
  }
}

void SurfaceRaster::RowWalk(PixelPoint q, int ddx, int ddy) {
  const double slope = static_cast<double>(ddx) / ddy;
  const std::int64_t tLow = std::min(0, ddy);
  const std::int64_t tHigh = std::max(0, ddy);
  auto column = [&](std::int64_t t) { return RoundDown(q.x + slope * static_cast<double>(t)); };
  // Off the picture's rows all points of a stretch act as one row, and the
  // columns they cover are contiguous (at most one column per row).
  auto outside = [&](std::int64_t t0, std::int64_t t1, std::int64_t row) {
    if (t0 > t1) return;
    std::int64_t c0 = column(t0);
    std::int64_t c1 = column(t1);
    if (c0 > c1) std::swap(c0, c1);
    c0 = std::max<std::int64_t>(c0, 1);
    c1 = std::min<std::int64_t>(c1, std::int64_t{width_} - 1);
    for (std::int64_t c = c0; c <= c1; ++c) HorizonPlot(static_cast<int>(c), row);
  };
  const std::int64_t bandLow = -kRowMargin - q.y;            // first t inside the band
  const std::int64_t bandHigh = height_ + kRowMargin - q.y;  // last t inside it
  outside(tLow, std::min(tHigh, bandLow - 1), -kRowMargin - 1);
  for (std::int64_t t = std::max(tLow, bandLow); t <= std::min(tHigh, bandHigh); ++t) {
    const std::int64_t c = column(t);
    if (c <= 0 || c >= width_) continue;
    HorizonPlot(static_cast<int>(c), q.y + t);
  }
  outside(std::max(tLow, bandHigh + 1), tHigh, height_ + kRowMargin + 1);
}

}  // namespace vr
