#pragma once

#include "graphs/surface_model.h"
#include "graphs/surface_raster.h"
#include "gui/graphs/graph_window.h"

class QLabel;
class QLineEdit;

namespace vr {

// z = f(x, y) as a wire mesh in a fixed isometric view, hidden lines
// removed; the user shapes it with the Z-scale and the Z-shift.
class Graph3DDialog : public GraphWindow {
  Q_OBJECT

 public:
  Graph3DDialog(ExpressionEngine& engine, QWidget* mainWindow);

  int SetFromCommand(std::string_view argument);
  void ApplyInputs() override;
  std::string PictureSvg() override;

  const SurfaceModel& Model() const { return model_; }
  QLineEdit* FunctionEdit() const { return edits_[0]; }
  QLineEdit* ZScaleEdit() const { return edits_[5]; }
  QLineEdit* ZShiftEdit() const { return edits_[6]; }

 protected:
  void RenderPicture(QImage& picture) override;
  void ReleaseStorage() override;
  void Retranslate() override;

 private:
  SurfaceModel model_;
  SurfaceRaster raster_{0, 0};
  // function, x start, x end, y start, y end, Z-scale, Z-shift
  QLineEdit* edits_[7];
  // Function, Start x, End x, Start y, End y, Z-scale, Z-shift
  QLabel* labels_[7];
};

}  // namespace vr
