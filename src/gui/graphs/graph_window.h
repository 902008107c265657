#pragma once

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "graphs/control_anchors.h"
#include "options/options_record.h"

class QAction;
class QLabel;
class QLineEdit;

namespace vr {

class ExpressionEngine;

// The bordered area a graph draws its picture into.
class DrawingArea : public QFrame {
  Q_OBJECT

 public:
  DrawingArea(std::function<const QImage&()> picture, QWidget* parent);
  // The size of the picture: the area inside the border.
  QSize PictureSize() const { return contentsRect().size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<const QImage&()> picture_;
};

// What the three graph windows share: the picture made on demand and freed
// whenever the inputs or the size change, Enter and Escape, closing,
// resizing with anchored controls, and being shown by a command at the
// place the window had before. Their texts are translated as
// GraphWindow::tr, so that a label common to them is translated once.
class GraphWindow : public QDialog {
  Q_OBJECT

 public:
  GraphWindow(ExpressionEngine& engine, GraphGeometry OptionsRecord::*geometry,
              QWidget* mainWindow);

  // After an accepted command: a hidden window is shown where it was last
  // (when that place is usable); a shown one takes its inputs again and is
  // redrawn.
  void Present();
  // Enter: the inputs typed into the window.
  virtual void ApplyInputs() = 0;
  void ReleasePicture();
  // The picture, rendered first when there is none.
  const QImage& Picture();
  // A picture of the graph at `ratio` device pixels to a pixel, whatever
  // the screen: the drawing area's size and geometry, finer or coarser.
  QImage RenderedAt(qreal ratio);
  DrawingArea* Area() const { return area_; }

  // The picture as shown, at the screen's pixel ratio, onto the clipboard.
  void CopyPicture();
  // Asks for a file (PNG or SVG) and saves the picture there; a failure is
  // said in a message box.
  void SavePictureAs();
  // Saves the picture to `file`: SVG when its name ends in ".svg", else
  // PNG at `ratio` device pixels to a pixel. The file is written whole
  // through a temporary file beside it, or left as it was; false with the
  // reason in `error` on failure.
  bool SavePicture(const QString& file, qreal ratio, QString* error);
  // The picture as SVG: the same geometry as at one device pixel to a
  // pixel, in vector lines and text.
  virtual std::string PictureSvg() = 0;

 protected:
  // Draws the graph on a white picture of the drawing area's size.
  virtual void RenderPicture(QImage& picture) = 0;
  // Frees what the picture was made from (samples).
  virtual void ReleaseSamples() {}
  // Frees the storage kept for the next picture of a shown window.
  virtual void ReleaseStorage() {}
  virtual void Retranslate() = 0;

  // Controls placed in dialog units, as the window's layout is given.
  DrawingArea* AddDrawingArea(int x, int y, int w, int h);
  QLabel* AddLabel(int x, int y, int w, int h);
  QLineEdit* AddEdit(int x, int y, int w, int h);
  // The anchors in the order given: control and flags.
  void AnchorControls(std::initializer_list<std::pair<QWidget*, int>> controls);
  // The first size, in dialog units, and the least size in pixels; the
  // least size grows to whatever the anchored controls need at the font in
  // use (see AnchorControls).
  void SetDialogSize(int w, int h, QSize minimum);
  // An edit filled by the program shows the start of its text: a long
  // value keeps its sign and first digits in view.
  static void ShowText(QLineEdit* edit, const QString& text);
  // Frees the picture and repaints, which renders it anew.
  void Redraw();

  ExpressionEngine& Engine() const { return engine_; }

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QRect FromDialogUnits(int x, int y, int w, int h) const;
  void Draw(QImage& picture, qreal ratio);
  // The least window size at which every anchored control keeps its size
  // and place and the stretching ones can still be drawn.
  QSize FittingMinimum() const;
  void RecordGeometry();
  void GiveFocusToMainWindow();
  void AddPictureActions();
  void RetranslateActions();

  ExpressionEngine& engine_;
  GraphGeometry OptionsRecord::*geometry_;
  QPointer<QWidget> mainWindow_;
  DrawingArea* area_ = nullptr;
  ControlAnchors anchors_;
  QSize fixedMinimum_;
  std::map<int, QWidget*> anchored_;
  QImage picture_;
  // The last picture's storage while the window is shown: a redraw at the
  // same size fills it again instead of allocating several megabytes,
  // which costs more than drawing the graph.
  QImage spare_;
  QAction* copyAction_ = nullptr;
  QAction* saveAction_ = nullptr;
};

}  // namespace vr
