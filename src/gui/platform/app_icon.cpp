#include "gui/platform/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace vr {

QIcon AppIcon() {
  // Not cached in a static: pixmaps must not outlive the application object.
  QIcon icon;
  QSvgRenderer renderer(QStringLiteral(":/icons/vadaderivo.svg"));
  if (!renderer.isValid()) return icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace vr
