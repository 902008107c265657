#include "graphs/svg_picture.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

#include "graphs/surface_picture.h"
#include "graphs/surface_raster.h"

namespace vr {

namespace {

// The colours the window draws with: green curves, blue axes.
constexpr std::string_view kCurveStroke = "#00c800";
constexpr std::string_view kAxisStroke = "#0000c8";

// The labels' font is 11 pixels high; the window's text box is about 13
// pixels per line with the baseline 9 pixels below its top, and a
// fixed-pitch letter is about 0.6 of the size wide. SVG knows no text box,
// so the labels are placed by their baselines.
constexpr int kLabelSize = 11;
constexpr int kLabelLine = 13;
constexpr int kLabelAscent = 9;
constexpr double kLabelAdvance = 0.6 * kLabelSize;

void AppendNumber(std::string& out, double v) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, v);
  out.append(text, result.ptr);
}

// The middle of pixel `p`.
void AppendPixel(std::string& out, PixelPoint p) {
  AppendNumber(out, p.x + 0.5);
  out += ' ';
  AppendNumber(out, p.y + 0.5);
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

// A document on a white ground; End() closes it.
class SvgDocument {
 public:
  SvgDocument(int width, int height) {
    text_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    Attribute("width", width);
    Attribute("height", height);
    text_ += " viewBox=\"0 0 " + std::to_string(width) + ' ' + std::to_string(height) + "\">\n";
    text_ += "<rect";
    Attribute("width", width);
    Attribute("height", height);
    text_ += " fill=\"#ffffff\"/>\n";
  }

  // Consecutive points that fall into the same pixel add nothing.
  void Polyline(const std::vector<PixelPoint>& points) {
    if (points.empty()) return;
    text_ += "<polyline fill=\"none\" stroke=\"";
    text_ += kCurveStroke;
    text_ += "\" stroke-width=\"1\" stroke-linejoin=\"round\" points=\"";
    const PixelPoint* last = nullptr;
    for (const PixelPoint& p : points) {
      if (last != nullptr && *last == p) continue;
      if (last != nullptr) text_ += ' ';
      AppendPixel(text_, p);
      last = &p;
    }
    text_ += "\"/>\n";
  }

  // A dotted axis along column `column` or row `row` of the pixels, across
  // the whole picture and one pixel beyond, as the window draws it.
  void VerticalAxis(int column, int height) { Axis({column, 0}, {column, height + 1}); }
  void HorizontalAxis(int row, int width) { Axis({0, row}, {width + 1, row}); }

  // Runs of neighbouring pixels; a straight stretch of a run becomes one
  // segment, and a run of one pixel a square cap of that pixel.
  void Paths(const std::vector<std::vector<PixelPoint>>& runs) {
    if (runs.empty()) return;
    text_ += "<path fill=\"none\" stroke=\"";
    text_ += kCurveStroke;
    text_ += "\" stroke-width=\"1\" stroke-linecap=\"square\" d=\"";
    for (const std::vector<PixelPoint>& run : runs) {
      if (run.empty()) continue;
      text_ += 'M';
      AppendPixel(text_, run.front());
      if (run.size() == 1) {
        text_ += "h0";
        continue;
      }
      for (std::size_t i = 1; i < run.size(); ++i) {
        const bool turns = i + 1 == run.size() ||
                           run[i].x - run[i - 1].x != run[i + 1].x - run[i].x ||
                           run[i].y - run[i - 1].y != run[i + 1].y - run[i].y;
        if (!turns) continue;
        text_ += 'L';
        AppendPixel(text_, run[i]);
      }
    }
    text_ += "\"/>\n";
  }

  // A label on an opaque white box, as the window writes it, with its box's
  // top edge at `top`.
  void Label(int left, int top, std::string_view label) {
    text_ += "<rect fill=\"#ffffff\"";
    Attribute("x", left);
    Attribute("y", top);
    text_ += " width=\"";
    AppendNumber(text_, static_cast<double>(label.size()) * kLabelAdvance);
    text_ += '"';
    Attribute("height", kLabelLine);
    text_ += "/>\n<text font-family=\"Courier New, monospace\" font-size=\"";
    text_ += std::to_string(kLabelSize) + "\" fill=\"#000000\"";
    Attribute("x", left);
    Attribute("y", top + kLabelAscent);
    text_ += '>';
    AppendEscaped(text_, label);
    text_ += "</text>\n";
  }

  std::string End() {
    text_ += "</svg>\n";
    return std::move(text_);
  }

 private:
  void Attribute(std::string_view name, int value) {
    text_ += ' ';
    text_ += name;
    text_ += "=\"" + std::to_string(value) + '"';
  }

  void Axis(PixelPoint from, PixelPoint to) {
    text_ += "<line stroke=\"";
    text_ += kAxisStroke;
    text_ += "\" stroke-width=\"1\" stroke-dasharray=\"1 2\" x1=\"";
    AppendNumber(text_, from.x + 0.5);
    text_ += "\" y1=\"";
    AppendNumber(text_, from.y + 0.5);
    text_ += "\" x2=\"";
    AppendNumber(text_, to.x + 0.5);
    text_ += "\" y2=\"";
    AppendNumber(text_, to.y + 0.5);
    text_ += "\"/>\n";
  }

  std::string text_;
};

}  // namespace

std::string Graph2DSvg(const Graph2DSamples& samples, double startX, double endX, int width,
                       int height) {
  SvgDocument svg(width, height);
  const Graph2DPlot plot = LayOutGraph2D(samples, startX, endX, width, height);
  svg.Polyline(plot.curve);
  if (plot.yAxisColumn) svg.VerticalAxis(*plot.yAxisColumn, height);
  if (plot.xAxisRow) svg.HorizontalAxis(*plot.xAxisRow, width);
  // The window's text box runs from row 3 to row height - 3.
  svg.Label(5, 3, plot.topLabel);
  svg.Label(5, height - 3 - kLabelLine, plot.bottomLabel);
  return svg.End();
}

std::string PolarSvg(const PolarSamples& samples, int width, int height) {
  SvgDocument svg(width, height);
  const PolarPlot plot = LayOutPolar(samples, width, height);
  svg.Polyline(plot.curve);
  svg.VerticalAxis(plot.axisColumn, height);
  svg.HorizontalAxis(plot.axisRow, width);
  return svg.End();
}

std::string SurfaceSvg(const std::vector<std::vector<PixelPoint>>& runs, int width, int height) {
  SvgDocument svg(width, height);
  svg.Paths(runs);
  return svg.End();
}

std::string RenderSurfaceSvg(ExpressionEngine& engine, const SurfaceInputs& inputs, int width,
                             int height, std::int32_t& zShiftUsed) {
  std::vector<std::vector<PixelPoint>> runs;
  SurfaceRaster raster(0, 0);
  raster.TraceInto(&runs);
  RenderSurface(engine, inputs, width, height, zShiftUsed, raster);
  return SurfaceSvg(runs, width, height);
}

}  // namespace vr
