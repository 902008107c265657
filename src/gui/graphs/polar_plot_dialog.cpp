#include "gui/graphs/polar_plot_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "graphs/svg_picture.h"
#include "gui/graphs/graph_colors.h"
#include "gui/graphs/vector_state.h"

namespace vr {

PolarPlotDialog::PolarPlotDialog(ExpressionEngine& engine, QWidget* mainWindow)
    : GraphWindow(engine, &OptionsRecord::graphPolar, mainWindow) {
  setObjectName(QStringLiteral("graphPolar"));
  SetDialogSize(224, 180, QSize(340, 250));
  AddDrawingArea(4, 4, 216, 132);
  functionLabel_ = AddLabel(8, 144, 44, 8);
  functionEdit_ = AddEdit(53, 142, 163, 13);
  angleLabel_ = AddLabel(9, 161, 40, 8);
  angleEdit_ = AddEdit(53, 159, 163, 13);
  AnchorControls(
      {{Area(), 15}, {functionEdit_, 14}, {functionLabel_, 4}, {angleEdit_, 14}, {angleLabel_, 4}});
  Retranslate();
}

void PolarPlotDialog::Retranslate() {
  setWindowTitle(GraphWindow::tr("Polar plot"));
  functionLabel_->setText(GraphWindow::tr("Function"));
  angleLabel_->setText(GraphWindow::tr("Max. angle"));
}

int PolarPlotDialog::SetFromCommand(std::string_view argument) {
  const int code = model_.SetFromCommand(Engine(), argument);
  ShowText(functionEdit_, QString::fromStdString(model_.Edits().function));
  ShowText(angleEdit_, QString::fromStdString(model_.Edits().maxAngle));
  return code;
}

void PolarPlotDialog::ApplyInputs() {
  if (model_.ApplyInputs(Engine(),
                         {functionEdit_->text().toStdString(), angleEdit_->text().toStdString()})) {
    Redraw();
  }
}

void PolarPlotDialog::EnsureSamples() {
  if (samples_) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  LeaveWideVectorState();
  samples_ = ComputePolarSamples(Engine(), model_.FunctionText(), model_.MaxAngle());
  QApplication::restoreOverrideCursor();
}

std::string PolarPlotDialog::PictureSvg() {
  const QSize size = Area()->PictureSize();
  EnsureSamples();
  return PolarSvg(*samples_, size.width(), size.height());
}

void PolarPlotDialog::RenderPicture(QImage& picture) {
  const QSize size = Area()->PictureSize();
  EnsureSamples();
  QPainter painter(&picture);
  if (IsFine(picture)) {
    // Finer than a pixel: the same curve and axes, unrounded and smooth.
    const PolarOutline outline = OutlinePolar(*samples_, size.width(), size.height());
    PrepareFinePainter(painter);
    painter.setPen(QPen(kCurveColor, 1));
    DrawFineCurve(painter, outline.curve);
    // The axes run along the pixel grid: crisp without smoothing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(AxisPen());
    painter.drawLine(QPointF(outline.axisColumn, 0),
                     QPointF(outline.axisColumn, size.height() + 1));
    painter.drawLine(QPointF(0, outline.axisRow), QPointF(size.width() + 1, outline.axisRow));
    return;
  }
  const PolarPlot plot = LayOutPolar(*samples_, size.width(), size.height());
  painter.setPen(QPen(kCurveColor, 1));
  DrawPixelCurve(painter, plot.curve);
  painter.setPen(AxisPen());
  painter.drawLine(plot.axisColumn, 0, plot.axisColumn, size.height() + 1);
  painter.drawLine(0, plot.axisRow, size.width() + 1, plot.axisRow);
}

}  // namespace vr
