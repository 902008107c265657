#include "gui/graphs/graph2d_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "graphs/svg_picture.h"
#include "gui/graphs/graph_colors.h"

namespace vr {

Graph2DDialog::Graph2DDialog(ExpressionEngine& engine, QWidget* mainWindow)
    : GraphWindow(engine, &OptionsRecord::graph2D, mainWindow) {
  setObjectName(QStringLiteral("graph2D"));
  SetDialogSize(224, 174, QSize(340, 250));
  AddDrawingArea(4, 4, 216, 132);
  functionLabel_ = AddLabel(8, 143, 36, 8);
  functionEdit_ = AddEdit(48, 141, 172, 13);
  startLabel_ = AddLabel(8, 161, 36, 8);
  endLabel_ = AddLabel(119, 161, 36, 8);
  startEdit_ = AddEdit(48, 158, 60, 13);
  endEdit_ = AddEdit(160, 158, 60, 13);
  AnchorControls({{Area(), 15},
                  {functionEdit_, 14},
                  {startEdit_, 4},
                  {endEdit_, 4},
                  {startLabel_, 4},
                  {functionLabel_, 4},
                  {endLabel_, 4}});
  Retranslate();
}

void Graph2DDialog::Retranslate() {
  setWindowTitle(GraphWindow::tr("2D-graph"));
  functionLabel_->setText(GraphWindow::tr("Function"));
  startLabel_->setText(GraphWindow::tr("Start x"));
  endLabel_->setText(GraphWindow::tr("End x"));
}

int Graph2DDialog::SetFromCommand(std::string_view argument) {
  const int code = model_.SetFromCommand(Engine(), argument);
  const Graph2DEdits& e = model_.Edits();
  ShowText(functionEdit_, QString::fromStdString(e.function));
  ShowText(startEdit_, QString::fromStdString(e.start));
  ShowText(endEdit_, QString::fromStdString(e.end));
  return code;
}

void Graph2DDialog::ApplyInputs() {
  const Graph2DEdits typed{functionEdit_->text().toStdString(), startEdit_->text().toStdString(),
                           endEdit_->text().toStdString()};
  if (model_.ApplyInputs(Engine(), typed)) Redraw();
}

void Graph2DDialog::EnsureSamples(int width) {
  if (!samples_ || static_cast<int>(samples_->y.size()) != width + 1) {
    samples_ = ComputeGraph2DSamples(Engine(), model_.FunctionText(), model_.StartX(),
                                     model_.EndX(), width);
  }
}

std::string Graph2DDialog::PictureSvg() {
  const QSize size = Area()->PictureSize();
  EnsureSamples(size.width());
  return Graph2DSvg(*samples_, model_.StartX(), model_.EndX(), size.width(), size.height());
}

void Graph2DDialog::RenderPicture(QImage& picture) {
  const QSize size = Area()->PictureSize();
  const int w = size.width();
  const int h = size.height();
  EnsureSamples(w);
  const Graph2DPlot plot = LayOutGraph2D(*samples_, model_.StartX(), model_.EndX(), w, h);

  QPainter painter(&picture);
  if (IsFine(picture)) {
    // Finer than a pixel: the same curve and axes, unrounded and smooth.
    const Graph2DOutline outline =
        OutlineGraph2D(*samples_, model_.StartX(), model_.EndX(), w, h);
    painter.save();
    PrepareFinePainter(painter);
    painter.setPen(QPen(kCurveColor, 1));
    DrawFineCurve(painter, outline.curve);
    // The axes run along the pixel grid: crisp without smoothing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(AxisPen());
    if (outline.yAxisColumn)
      painter.drawLine(QPointF(*outline.yAxisColumn, 0), QPointF(*outline.yAxisColumn, h + 1));
    if (outline.xAxisRow)
      painter.drawLine(QPointF(0, *outline.xAxisRow), QPointF(w + 1, *outline.xAxisRow));
    painter.restore();
  } else {
    painter.setPen(QPen(kCurveColor, 1));
    DrawPixelCurve(painter, plot.curve);
    painter.setPen(AxisPen());
    if (plot.yAxisColumn) painter.drawLine(*plot.yAxisColumn, 0, *plot.yAxisColumn, h + 1);
    if (plot.xAxisRow) painter.drawLine(0, *plot.xAxisRow, w + 1, *plot.xAxisRow);
  }

  painter.setFont(LabelFont());
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  const QRect text(5, 3, w - 5, h - 6);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                   QString::fromStdString(plot.topLabel));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom | Qt::TextDontClip | Qt::TextSingleLine,
                   QString::fromStdString(plot.bottomLabel));
}

}  // namespace vr
