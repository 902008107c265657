#include "gui/graphs/graph3d_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "graphs/surface_picture.h"
#include "graphs/svg_picture.h"
#include "gui/graphs/graph_colors.h"
#include "gui/graphs/vector_state.h"

namespace vr {

Graph3DDialog::Graph3DDialog(ExpressionEngine& engine, QWidget* mainWindow)
    : GraphWindow(engine, &OptionsRecord::graph3D, mainWindow) {
  setObjectName(QStringLiteral("graph3D"));
  SetDialogSize(224, 212, QSize(340, 300));
  AddDrawingArea(4, 4, 216, 132);
  labels_[0] = AddLabel(8, 143, 36, 8);
  edits_[0] = AddEdit(48, 141, 172, 13);
  labels_[1] = AddLabel(8, 161, 36, 8);
  labels_[2] = AddLabel(118, 161, 35, 8);
  edits_[1] = AddEdit(50, 158, 60, 13);
  edits_[2] = AddEdit(159, 158, 61, 13);
  labels_[3] = AddLabel(8, 179, 36, 8);
  labels_[4] = AddLabel(118, 179, 35, 8);
  edits_[3] = AddEdit(50, 176, 60, 13);
  edits_[4] = AddEdit(159, 176, 61, 13);
  labels_[5] = AddLabel(8, 196, 36, 8);
  edits_[5] = AddEdit(50, 194, 60, 13);
  labels_[6] = AddLabel(118, 196, 36, 8);
  edits_[6] = AddEdit(159, 194, 62, 13);
  AnchorControls({{Area(), 15},
                  {edits_[0], 14},
                  {edits_[1], 4},
                  {edits_[2], 4},
                  {edits_[3], 4},
                  {edits_[4], 4},
                  {labels_[1], 4},
                  {labels_[2], 4},
                  {labels_[3], 4},
                  {labels_[4], 4},
                  {labels_[0], 4},
                  {labels_[5], 4},
                  {edits_[5], 4},
                  {labels_[6], 4},
                  {edits_[6], 4}});
  Retranslate();
}

void Graph3DDialog::Retranslate() {
  setWindowTitle(GraphWindow::tr("3D-graph"));
  static const char* const texts[] = {QT_TRANSLATE_NOOP("vr::GraphWindow", "Function"),
                                      QT_TRANSLATE_NOOP("vr::GraphWindow", "Start x"),
                                      QT_TRANSLATE_NOOP("vr::GraphWindow", "End x"),
                                      QT_TRANSLATE_NOOP("vr::GraphWindow", "Start y"),
                                      QT_TRANSLATE_NOOP("vr::GraphWindow", "End y"),
                                      QT_TRANSLATE_NOOP("vr::GraphWindow", "Z-scale"),
                                      QT_TRANSLATE_NOOP("vr::GraphWindow", "Z-shift")};
  for (int i = 0; i < 7; ++i) labels_[i]->setText(GraphWindow::tr(texts[i]));
}

int Graph3DDialog::SetFromCommand(std::string_view argument) {
  const int code = model_.SetFromCommand(Engine(), argument);
  const SurfaceEdits& e = model_.Edits();
  const std::string* texts[] = {&e.function, &e.xStart, &e.xEnd,  &e.yStart,
                                &e.yEnd,     &e.zScale, &e.zShift};
  for (int i = 0; i < 7; ++i) ShowText(edits_[i], QString::fromStdString(*texts[i]));
  return code;
}

void Graph3DDialog::ApplyInputs() {
  std::string typed[7];
  for (int i = 0; i < 7; ++i) typed[i] = edits_[i]->text().toStdString();
  model_.ApplyInputs(Engine(),
                     {typed[0], typed[1], typed[2], typed[3], typed[4], typed[5], typed[6]});
  Redraw();
}

std::string Graph3DDialog::PictureSvg() {
  const QSize size = Area()->PictureSize();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  LeaveWideVectorState();
  // The shift is the one the window drew with; a window not drawn yet
  // takes the one its first picture would.
  std::int32_t shift = 0;
  std::string svg = RenderSurfaceSvg(Engine(), model_.Inputs(), size.width(), size.height(), shift);
  QApplication::restoreOverrideCursor();
  return svg;
}

void Graph3DDialog::RenderPicture(QImage& picture) {
  const QSize size = Area()->PictureSize();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool shiftUnset = model_.Inputs().zShift == kZShiftUnset;
  std::int32_t shift = 0;
  LeaveWideVectorState();
  // On a high-density screen the mesh is drawn on the device pixels
  // themselves, the grid and the view staying those of the drawing area.
  const qreal ratio = picture.devicePixelRatio();
  RenderSurface(Engine(), model_.Inputs(), size.width(), size.height(), shift, raster_, ratio);
  if (shiftUnset) {
    model_.SetZShift(shift);
    ShowText(edits_[6], QString::number(shift));
  }
  QApplication::restoreOverrideCursor();

  // The mesh is written straight into the white picture's rows. Finer
  // pictures draw each point as a square of about one pixel, so that the
  // lines keep the weight they have at one device pixel per pixel.
  const int w = std::min<int>(raster_.Width(), picture.width());
  const int h = std::min<int>(raster_.Height(), picture.height());
  const int thickness = std::max(1, qRound(ratio));
  const QRgb green = kCurveColor.rgb();
  for (int row = 0; row < h; ++row) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
    if (thickness == 1) {
      const std::uint8_t* drawn = raster_.Row(row);
      for (int c = 0; c < w; ++c) {
        if (drawn[c] != 0) line[c] = green;
      }
      continue;
    }
    for (int up = 0; up < thickness && up <= row; ++up) {
      const std::uint8_t* drawn = raster_.Row(row - up);
      for (int c = 0; c < w; ++c) {
        if (drawn[c] == 0) continue;
        for (int k = c; k < std::min(w, c + thickness); ++k) line[k] = green;
      }
    }
  }
}

void Graph3DDialog::ReleaseStorage() { raster_ = SurfaceRaster(0, 0); }

}  // namespace vr
