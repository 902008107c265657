// Times redraws of the real graph windows, offscreen, at a given drawing
// area size: each frame frees the picture and repaints the drawing area
// at once, as a resize does, so it covers the sampling, the picture and
// the copy into the window. Times are the main thread's CPU time, which a
// busy machine disturbs far less than the time on the clock.
//
//   vadaderivo-bench-window [frames] [width] [height]
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "engine/expression_engine.h"
#include "gui/graphs/graph2d_dialog.h"
#include "gui/graphs/graph3d_dialog.h"
#include "gui/graphs/polar_plot_dialog.h"
#include "operations/standard_operations.h"
#include "options/options_record.h"

namespace {

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Grows the window until its drawing area has the size asked for.
void SizeArea(vr::GraphWindow& window, QSize area) {
  window.setMinimumSize(100, 100);
  for (int i = 0; i < 3 && window.Area()->PictureSize() != area; ++i) {
    window.resize(window.size() + area - window.Area()->PictureSize());
    QApplication::processEvents();
  }
}

void TimeFrames(const char* name, vr::GraphWindow& window, int frames, QSize area) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "%s: not exposed\n", name);
  SizeArea(window, area);
  const QSize got = window.Area()->PictureSize();
  window.Area()->repaint();  // the first picture also settles the z shift
  std::vector<double> render;
  std::vector<double> frame;
  for (int i = 0; i < frames; ++i) {
    window.ReleasePicture();
    const double t0 = ThreadCpuMs();
    window.Picture();
    const double t1 = ThreadCpuMs();
    window.ReleasePicture();
    window.Area()->repaint();
    const double t2 = ThreadCpuMs();
    render.push_back(t1 - t0);
    frame.push_back(t2 - t1);
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  // A checksum of the picture, to show that a faster way draws the same.
  const QImage& picture = window.Picture();
  std::size_t sum = 0;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) sum = sum * 31 + (line[x] & 0xffffffu);
  }
  std::printf(
      "%-6s %4dx%-4d  picture %7.2f ms (min %6.2f)   repaint %7.2f ms (min %6.2f)   pixels %016zx\n",
      name, got.width(), got.height(), median(render),
      *std::min_element(render.begin(), render.end()), median(frame),
      *std::min_element(frame.begin(), frame.end()), sum);
  window.hide();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const QSize area(argc > 2 ? std::atoi(argv[2]) : 1400, argc > 3 ? std::atoi(argv[3]) : 1000);
  vr::Options().radian = 1;
  vr::ExpressionEngine engine({&vr::StandardOperations(), nullptr});

  vr::Graph3DDialog surface(engine, nullptr);
  surface.SetFromCommand("sin(x)*cos(y);-3;3;-3;3;60");
  TimeFrames("3d", surface, frames, area);

  vr::Graph2DDialog curve(engine, nullptr);
  curve.SetFromCommand("sin(x)*x+cos(x/3);-10;10");
  TimeFrames("2d", curve, frames, area);

  vr::PolarPlotDialog polar(engine, nullptr);
  polar.SetFromCommand("sin(2*phi)");
  TimeFrames("polar", polar, frames, area);
  return 0;
}
