#include "gui/graphs/graph_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/expression_engine.h"
#include "engine/interruption.h"
#include "gui/graphs/vector_state.h"

namespace vr {

namespace {

AnchorRect ToAnchorRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

DrawingArea::DrawingArea(std::function<const QImage&()> picture, QWidget* parent)
    : QFrame(parent), picture_(std::move(picture)) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const QImage& picture = picture_();
  if (picture.isNull()) return;
  QPainter painter(this);
  // The picture carries the screen's pixel ratio; drawn at the inside's
  // size it stays sharp on high-density screens.
  painter.drawImage(QRect(contentsRect().topLeft(), PictureSize()), picture);
}

GraphWindow::GraphWindow(ExpressionEngine& engine, GraphGeometry OptionsRecord::*geometry,
                         QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      engine_(engine),
      geometry_(geometry),
      mainWindow_(mainWindow) {
  setSizeGripEnabled(false);
}

QRect GraphWindow::FromDialogUnits(int x, int y, int w, int h) const {
  // Dialog units: a quarter of the font's average letter width across (the
  // width of the alphabet over 52, which fits the labels' texts better than
  // the font's own average), an eighth of its height down.
  const QFontMetrics fm(font());
  const double letter =
      fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
      52.0;
  const double ux = std::ceil(letter) / 4.0;
  const double uy = fm.height() / 8.0;
  return QRect(qRound(x * ux), qRound(y * uy), qRound(w * ux), qRound(h * uy));
}

DrawingArea* GraphWindow::AddDrawingArea(int x, int y, int w, int h) {
  area_ = new DrawingArea([this]() -> const QImage& { return Picture(); }, this);
  area_->setObjectName(QStringLiteral("drawingArea"));
  area_->setGeometry(FromDialogUnits(x, y, w, h));
  AddPictureActions();
  return area_;
}

void GraphWindow::AddPictureActions() {
  // Clicking the picture gives it the focus, so that Ctrl+C copies the
  // picture there and the text in an edit.
  area_->setFocusPolicy(Qt::ClickFocus);
  area_->setContextMenuPolicy(Qt::ActionsContextMenu);
  copyAction_ = new QAction(area_);
  copyAction_->setShortcut(QKeySequence::Copy);
  copyAction_->setShortcutContext(Qt::WidgetShortcut);
  connect(copyAction_, &QAction::triggered, this, &GraphWindow::CopyPicture);
  saveAction_ = new QAction(area_);
  saveAction_->setShortcut(QKeySequence::Save);
  // Saving has no other meaning in the window: it works wherever the focus is.
  saveAction_->setShortcutContext(Qt::WindowShortcut);
  connect(saveAction_, &QAction::triggered, this, &GraphWindow::SavePictureAs);
  area_->addAction(copyAction_);
  area_->addAction(saveAction_);
  RetranslateActions();
}

void GraphWindow::RetranslateActions() {
  if (copyAction_ == nullptr) return;
  copyAction_->setText(tr("Copy picture"));
  saveAction_->setText(tr("Save picture as..."));
}

void GraphWindow::CopyPicture() {
  const QImage picture = RenderedAt(area_ != nullptr ? area_->devicePixelRatioF() : 1.0);
  if (!picture.isNull()) QGuiApplication::clipboard()->setImage(picture);
}

void GraphWindow::SavePictureAs() {
  const QString png = tr("PNG image (*.png)");
  const QString svg = tr("SVG image (*.svg)");
  QString filter = png;
  QString file = QFileDialog::getSaveFileName(this, tr("Save picture"), QString(),
                                              png + QStringLiteral(";;") + svg, &filter);
  if (file.isEmpty()) return;
  // A name typed without its ending gets that of the chosen type.
  const QString suffix = filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
  if (QFileInfo(file).suffix().isEmpty()) file += suffix;
  QString error;
  if (!SavePicture(file, area_ != nullptr ? area_->devicePixelRatioF() : 1.0, &error)) {
    QMessageBox::warning(this, tr("Save picture"),
                         tr("The picture could not be saved to %1:\n%2").arg(file, error));
  }
}

bool GraphWindow::SavePicture(const QString& file, qreal ratio, QString* error) {
  const bool vector =
      QFileInfo(file).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
  QByteArray bytes;
  if (vector) {
    bytes = QByteArray::fromStdString(PictureSvg());
  } else {
    const QImage picture = RenderedAt(ratio);
    if (picture.isNull()) {
      if (error != nullptr) *error = tr("There is no picture to save.");
      return false;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
      if (error != nullptr) *error = writer.errorString();
      return false;
    }
  }
  // QSaveFile writes a temporary file in the same folder and renames it
  // over the old file only when everything was written.
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    if (error != nullptr) *error = out.errorString();
    out.cancelWriting();
    return false;
  }
  return true;
}

QLabel* GraphWindow::AddLabel(int x, int y, int w, int h) {
  auto* label = new QLabel(this);
  label->setGeometry(FromDialogUnits(x, y, w, h));
  return label;
}

QLineEdit* GraphWindow::AddEdit(int x, int y, int w, int h) {
  auto* edit = new QLineEdit(this);
  edit->setGeometry(FromDialogUnits(x, y, w, h));
  return edit;
}

void GraphWindow::SetDialogSize(int w, int h, QSize minimum) {
  const QRect r = FromDialogUnits(0, 0, w, h);
  resize(r.size());
  fixedMinimum_ = minimum;
  setMinimumSize(minimum);
}

void GraphWindow::ShowText(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  edit->home(false);
}

QSize GraphWindow::FittingMinimum() const {
  // The margin the drawing area keeps to the window's edges is also kept
  // beside and below the fields.
  const QPoint margin = area_ != nullptr ? area_->pos() : QPoint();
  QSize need = fixedMinimum_;
  for (const AnchorEntry& e : anchors_.Entries()) {
    const auto found = anchored_.find(e.control);
    if (found == anchored_.end() || found->second == nullptr) continue;
    const QWidget* w = found->second;
    QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    if (w == area_) least = QSize(1, 1) * (2 * area_->frameWidth() + 1);
    const QRect g = w->geometry();
    const bool left = e.flags & kAnchorLeft, right = e.flags & kAnchorRight;
    const bool top = e.flags & kAnchorTop, bottom = e.flags & kAnchorBottom;
    int across = g.right() + 1 + margin.x();
    if (left && right) across = e.dLeft + least.width() + e.dRight;
    else if (right) across = margin.x() + g.width() + e.dRight;
    int down = g.bottom() + 1 + margin.y();
    if (top && bottom) down = e.dTop + least.height() + e.dBottom;
    else if (bottom) down = margin.y() + g.height() + e.dBottom;
    need = need.expandedTo(QSize(across, down));
  }
  return need;
}

void GraphWindow::AnchorControls(std::initializer_list<std::pair<QWidget*, int>> controls) {
  anchors_.Clear();
  anchored_.clear();
  const AnchorRect client = ToAnchorRect(rect());
  int id = 0;
  for (const auto& [widget, flags] : controls) {
    anchors_.Add(id, flags, ToAnchorRect(widget->geometry()), client);
    anchored_[id++] = widget;
  }
  setMinimumSize(FittingMinimum());
}

void GraphWindow::Present() {
  if (!isVisible()) {
    const GraphGeometry& g = Options().*geometry_;
    if (g.width >= 100 && g.height >= 100 && g.left >= 0 && g.top >= 0) {
      move(g.left, g.top);
      resize(g.width, g.height);
    }
    show();
    return;
  }
  ReleasePicture();
  ApplyInputs();
  Redraw();
}

void GraphWindow::ReleasePicture() {
  if (isVisible() && !picture_.isNull()) spare_ = picture_;
  picture_ = QImage();
  ReleaseSamples();
}

const QImage& GraphWindow::Picture() {
  if (picture_.isNull() && area_ != nullptr) {
    const QSize size = area_->PictureSize();
    if (size.width() > 0 && size.height() > 0) {
      const qreal ratio = area_->devicePixelRatioF();
      const QSize pixels = size * ratio;
      // (A spare still shared with a copy someone kept is copied on the
      // first write, so that copy never changes.)
      picture_ = spare_.size() == pixels ? spare_ : QImage(pixels, QImage::Format_RGB32);
      spare_ = QImage();
      Draw(picture_, ratio);
    }
  }
  return picture_;
}

QImage GraphWindow::RenderedAt(qreal ratio) {
  const QSize size = area_ != nullptr ? area_->PictureSize() : QSize();
  if (size.width() <= 0 || size.height() <= 0 || !(ratio > 0)) return {};
  QImage picture(size * ratio, QImage::Format_RGB32);
  Draw(picture, ratio);
  return picture;
}

void GraphWindow::Draw(QImage& picture, qreal ratio) {
  // The picture is sampled as the area paints, between lines, where no Esc
  // can reach it: the time one line may take bounds it instead, and the
  // points not sampled by then are left out. (Inside a line the line's own
  // bounds hold.)
  std::optional<InterruptibleLine> bounded;
  if (LinesUnderWay() == 0) bounded.emplace();
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::white);
  LeaveWideVectorState();
  RenderPicture(picture);
}

void GraphWindow::Redraw() {
  ReleasePicture();
  // The picture is made when the area paints, once however many changes
  // came before.
  if (area_ != nullptr) area_->update();
}

void GraphWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The dialog itself must not act on Enter: it would close.
      ApplyInputs();
      event->accept();
      return;
    case Qt::Key_Escape:
      ReleasePicture();
      GiveFocusToMainWindow();
      break;  // the dialog's own Escape hides the window
    default:
      break;
  }
  QDialog::keyPressEvent(event);
}

void GraphWindow::closeEvent(QCloseEvent* event) {
  RecordGeometry();
  ReleasePicture();
  GiveFocusToMainWindow();
  QDialog::closeEvent(event);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const AnchorRect client = ToAnchorRect(rect());
  for (const AnchorEntry& e : anchors_.Entries()) {
    QWidget* w = anchored_[e.control];
    if (w == nullptr) continue;
    const AnchorRect r = ControlAnchors::Place(e, ToAnchorRect(w->geometry()), client);
    w->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    w->show();
  }
  RecordGeometry();
  Redraw();
}

void GraphWindow::hideEvent(QHideEvent* event) {
  spare_ = QImage();
  ReleaseStorage();
  QDialog::hideEvent(event);
}

void GraphWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  RecordGeometry();
}

void GraphWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    RetranslateActions();
  }
  QDialog::changeEvent(event);
}

void GraphWindow::RecordGeometry() {
  // Kept up to date while the window is shown, so that the options saved
  // at exit hold where each graph window was last.
  if (!isVisible()) return;
  GraphGeometry& g = Options().*geometry_;
  g.left = pos().x();
  g.top = pos().y();
  g.width = width();
  g.height = height();
}

void GraphWindow::GiveFocusToMainWindow() {
  if (mainWindow_ != nullptr) mainWindow_->activateWindow();
}

}  // namespace vr
