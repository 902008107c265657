#pragma once

#include <optional>

#include "graphs/graph2d_model.h"
#include "graphs/graph2d_plot.h"
#include "gui/graphs/graph_window.h"

class QLabel;
class QLineEdit;

namespace vr {

// y = f(x) over [start, end], one sample per pixel column.
class Graph2DDialog : public GraphWindow {
  Q_OBJECT

 public:
  Graph2DDialog(ExpressionEngine& engine, QWidget* mainWindow);

  int SetFromCommand(std::string_view argument);
  void ApplyInputs() override;
  std::string PictureSvg() override;

  const Graph2DModel& Model() const { return model_; }
  // The samples of the present picture, if it has been made.
  const std::optional<Graph2DSamples>& Samples() const { return samples_; }
  QLineEdit* FunctionEdit() const { return functionEdit_; }
  QLineEdit* StartEdit() const { return startEdit_; }
  QLineEdit* EndEdit() const { return endEdit_; }

 protected:
  void RenderPicture(QImage& picture) override;
  void ReleaseSamples() override { samples_.reset(); }
  void Retranslate() override;

 private:
  void EnsureSamples(int width);

  Graph2DModel model_;
  std::optional<Graph2DSamples> samples_;
  QLabel* functionLabel_;
  QLabel* startLabel_;
  QLabel* endLabel_;
  QLineEdit* functionEdit_;
  QLineEdit* startEdit_;
  QLineEdit* endEdit_;
};

}  // namespace vr
