#pragma once

#include <optional>

#include "graphs/polar_model.h"
#include "graphs/polar_plot.h"
#include "gui/graphs/graph_window.h"

class QLabel;
class QLineEdit;

namespace vr {

// r = f(angle) from 0 to a maximum angle, equal scales on both axes.
class PolarPlotDialog : public GraphWindow {
  Q_OBJECT

 public:
  PolarPlotDialog(ExpressionEngine& engine, QWidget* mainWindow);

  int SetFromCommand(std::string_view argument);
  void ApplyInputs() override;
  std::string PictureSvg() override;

  const PolarModel& Model() const { return model_; }
  const std::optional<PolarSamples>& Samples() const { return samples_; }
  QLineEdit* FunctionEdit() const { return functionEdit_; }
  QLineEdit* AngleEdit() const { return angleEdit_; }

 protected:
  void RenderPicture(QImage& picture) override;
  void ReleaseSamples() override { samples_.reset(); }
  void Retranslate() override;

 private:
  void EnsureSamples();

  PolarModel model_;
  std::optional<PolarSamples> samples_;
  QLabel* functionLabel_;
  QLabel* angleLabel_;
  QLineEdit* functionEdit_;
  QLineEdit* angleEdit_;
};

}  // namespace vr
