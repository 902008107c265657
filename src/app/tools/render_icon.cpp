// Renders the scalable icon to the PNG sizes of the icon theme when the
// program is built, so that the pictures always follow the SVG.
//   render_icon SVG OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/<name of SVG>.png for each SIZE.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s SVG OUTPUT_FOLDER SIZE...\n", argv[0]);
    return 2;
  }
  // The icon holds text, and fonts need an application; no display is used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QString svg = QString::fromLocal8Bit(argv[1]);
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString name = QFileInfo(svg).completeBaseName() + QStringLiteral(".png");
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || side <= 0 || side > 1024) {
      std::fprintf(stderr, "render_icon: bad size %s\n", argv[i]);
      return 2;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    renderer.render(&painter);
    painter.end();
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(side);
    if (!QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + name, "PNG")) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(folder + '/' + name));
      return 1;
    }
  }
  return 0;
}
