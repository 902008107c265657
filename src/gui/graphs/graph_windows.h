#pragma once

#include <QObject>

#include "graphs/graph_command_target.h"

class QWidget;

namespace vr {

class CalculatorSession;
class Graph2DDialog;
class Graph3DDialog;
class PolarPlotDialog;

// The three graph windows of the main window, created hidden with it; they
// carry out the graph command lines of its session. The session must
// outlive the windows' use by it, so the main window keeps both.
class GraphWindows : public QObject, public GraphCommandTarget {
  Q_OBJECT

 public:
  GraphWindows(CalculatorSession& session, QWidget* mainWindow);

  int SetFromCommand(GraphKind kind, std::string_view argument) override;
  void Present(GraphKind kind) override;

  Graph2DDialog* Graph2D() const { return graph2D_; }
  Graph3DDialog* Graph3D() const { return graph3D_; }
  PolarPlotDialog* Polar() const { return polar_; }

  // The graph windows of a main window, if it has them.
  static GraphWindows* Of(const QWidget* mainWindow);

 private:
  Graph2DDialog* graph2D_;
  Graph3DDialog* graph3D_;
  PolarPlotDialog* polar_;
};

}  // namespace vr
