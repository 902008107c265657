#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/expression_engine.h"
#include "graphs/graph2d_plot.h"
#include "graphs/pixel_point.h"
#include "graphs/polar_plot.h"
#include "graphs/surface_model.h"

namespace vr {

// The graphs as SVG documents of width x height pixels: the geometry the
// window draws at one device pixel to a pixel, as vector lines and text, so
// that a saved picture can be scaled without the stairs of its pixels.
// Points lie in the middle of the pixels the window sets, so that a point
// of a line falls into the very pixel the window draws.

// The 2D graph: the curve as one polyline through a point per column, the
// dotted axes where zero lies inside the ranges, and the two labels.
std::string Graph2DSvg(const Graph2DSamples& samples, double startX, double endX, int width,
                       int height);

// The polar plot: the curve and the two axes through the pole.
std::string PolarSvg(const PolarSamples& samples, int width, int height);

// The surface: every run of neighbouring visible pixels of the mesh as one
// path (see SurfaceRaster::TraceInto).
std::string SurfaceSvg(const std::vector<std::vector<PixelPoint>>& runs, int width, int height);

// Draws the surface as the window does and returns its SVG; `zShiftUsed`
// receives the shift drawn with.
std::string RenderSurfaceSvg(ExpressionEngine& engine, const SurfaceInputs& inputs, int width,
                             int height, std::int32_t& zShiftUsed);

}  // namespace vr
