#include "gui/graphs/graph_windows.h"

#include <QWidget>

#include "gui/graphs/graph2d_dialog.h"
#include "gui/graphs/graph3d_dialog.h"
#include "gui/graphs/polar_plot_dialog.h"
#include "session/calculator_session.h"

namespace vr {

GraphWindows::GraphWindows(CalculatorSession& session, QWidget* mainWindow)
    : QObject(mainWindow),
      graph2D_(new Graph2DDialog(session.Engine(), mainWindow)),
      graph3D_(new Graph3DDialog(session.Engine(), mainWindow)),
      polar_(new PolarPlotDialog(session.Engine(), mainWindow)) {
  setObjectName(QStringLiteral("graphWindows"));
  session.SetGraphTarget(this);
}

GraphWindows* GraphWindows::Of(const QWidget* mainWindow) {
  return mainWindow->findChild<GraphWindows*>(QStringLiteral("graphWindows"),
                                              Qt::FindDirectChildrenOnly);
}

int GraphWindows::SetFromCommand(GraphKind kind, std::string_view argument) {
  switch (kind) {
    case GraphKind::Graph2D:
      return graph2D_->SetFromCommand(argument);
    case GraphKind::Graph3D:
      return graph3D_->SetFromCommand(argument);
    case GraphKind::Polar:
      return polar_->SetFromCommand(argument);
  }
  return 0;
}

void GraphWindows::Present(GraphKind kind) {
  switch (kind) {
    case GraphKind::Graph2D:
      graph2D_->Present();
      break;
    case GraphKind::Graph3D:
      graph3D_->Present();
      break;
    case GraphKind::Polar:
      polar_->Present();
      break;
  }
}

}  // namespace vr
