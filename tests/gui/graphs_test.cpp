// Graph windows opened from command lines in the main window: redrawing,
// Enter and Escape, the fields on resizing, and the place each keeps in the
// options.
#include "gui/graphs/graph2d_dialog.h"
#include "gui/graphs/graph3d_dialog.h"
#include "gui/graphs/graph_windows.h"
#include "gui/graphs/polar_plot_dialog.h"
#include "gui/window/ui_language.h"
#include "gui_test_support.h"
#include "operations/standard_operations.h"

using namespace vr;
using namespace vr::test;

namespace {

int BlackPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() < 100 && c.green() < 100 && c.blue() < 100;
    }
  return count;
}

// Where a picture is drawn in a colour family (the green curve, the blue
// axes), in the picture's own pixels.
template <typename Pick>
std::vector<QPoint> Drawn(const QImage& image, Pick pick) {
  std::vector<QPoint> points;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (pick(image.pixelColor(x, y))) points.emplace_back(x, y);
  return points;
}

bool Greenish(const QColor& c) { return c.green() > c.red() + 60 && c.green() > c.blue() + 60; }
bool Bluish(const QColor& c) { return c.blue() > c.red() + 60 && c.blue() > c.green() + 60; }

// How many points of `fine` (ratio device pixels to a pixel) have no point
// of `coarse` (one to one) within `reach` pixels, and the other way round.
std::pair<int, int> Unmatched(const std::vector<QPoint>& coarse, const std::vector<QPoint>& fine,
                              int ratio, int reach) {
  std::set<std::pair<int, int>> near;
  for (const QPoint& p : coarse)
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx) near.insert({p.x() + dx, p.y() + dy});
  int lonelyFine = 0;
  std::set<std::pair<int, int>> covered;
  for (const QPoint& p : fine) {
    const QPoint at(p.x() / ratio, p.y() / ratio);
    lonelyFine += near.count({at.x(), at.y()}) == 0;
    covered.insert({at.x(), at.y()});
  }
  int lonelyCoarse = 0;
  for (const QPoint& p : coarse) {
    bool found = false;
    for (int dy = -reach; dy <= reach && !found; ++dy)
      for (int dx = -reach; dx <= reach && !found; ++dx)
        found = covered.count({p.x() + dx, p.y() + dy}) > 0;
    lonelyCoarse += !found;
  }
  return {lonelyFine, lonelyCoarse};
}

}  // namespace

class GraphsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;
  GraphWindows* graphs_ = nullptr;
  void Type(const QString& line) { TypeLine(window_->Editor(), line); }

 private slots:
  void init() {
    folder_ = std::make_unique<ProgramFolder>();
    window_ = std::make_unique<StartedWindow>(folder_->Path());
    graphs_ = GraphWindows::Of(window_->dialog.get());
    QVERIFY(graphs_ != nullptr);
  }
  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void aSecondCommandRedrawsTheShownGraph() {
    Graph2DDialog* g = graphs_->Graph2D();
    Type("graph2d(x;-1;1)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    const QImage picture = g->Picture();
    const int width = g->Area()->PictureSize().width(), height = picture.height();
    QCOMPARE(static_cast<int>(g->Samples()->y.size()), width + 1);
    QCOMPARE(g->Samples()->yMax, 1.0);
    // The values of the top and the bottom edge are written in their
    // corners.
    QVERIFY(BlackPixels(picture, QRect(0, 0, width / 3, 14)) > 0);
    QVERIFY(BlackPixels(picture, QRect(0, height - 16, width / 3, 8)) > 0);

    Type("graph2d(x*x;3;-3)");
    QCOMPARE(g->StartEdit()->text(), QStringLiteral("-3"));
    QCOMPARE(g->EndEdit()->text(), QStringLiteral("3"));
    QTRY_VERIFY(g->Samples().has_value());  // drawn again without being asked
    QCOMPARE(g->Samples()->yMax, 9.0);
  }

  // A picture is sampled between lines, where Esc cannot reach it; the
  // time a line may take bounds it, so that a function that never ends
  // leaves the window alive.
  void slowPicturesStopAtTheTimeLimit() {
    window_.reset();
    WriteFile(folder_->FilePath("slow.usc"),
              "func slow(a)\nb=0\nagain:\nb=b+1\nif b<200000\ngoto again\nendif\n"
              "return a\nendfunc\n");
    window_ = std::make_unique<StartedWindow>(folder_->Path());
    Graph2DDialog* g = GraphWindows::Of(window_->dialog.get())->Graph2D();
    Options().timeLimit = 1;
    Type("graph2d(slow(x);0;1)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    g->ReleasePicture();
    QElapsedTimer drawing;
    drawing.start();
    g->Picture();
    QVERIFY2(drawing.elapsed() < 4000, qPrintable(QString::number(drawing.elapsed())));
  }

  void enterRedrawsOnlyOnAChangeAndEscapeHides() {
    Graph2DDialog* g = graphs_->Graph2D();
    Type("graph2d(sin(x);0;10)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    g->Picture();
    g->FunctionEdit()->setText(QStringLiteral("sin(X)"));
    QTest::keyClick(g->FunctionEdit(), Qt::Key_Return);
    QVERIFY(g->Samples().has_value());  // same function: kept
    QVERIFY(g->isVisible());
    g->EndEdit()->setText(QStringLiteral("20"));
    QTest::keyClick(g->EndEdit(), Qt::Key_Return);
    QVERIFY(!g->Samples().has_value());
    QCOMPARE(g->Model().EndX(), 20.0);
    QTest::keyClick(g->EndEdit(), Qt::Key_Escape);
    QVERIFY(!g->isVisible());
  }

  void surfaceShiftAndScaleFromTheWindow() {
    Graph3DDialog* g = graphs_->Graph3D();
    Type("graph3d(x*y;-1;1;-1;1;2.7)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QCOMPARE(g->ZScaleEdit()->text(), QStringLiteral("2.7"));
    const QImage picture = g->Picture();
    QCOMPARE(g->ZShiftEdit()->text(), QString::number(g->Area()->PictureSize().height() / 2));
    int mesh = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        mesh += picture.pixelColor(x, y) == QColor(0, 200, 0);
    QVERIFY(mesh > 100);
    g->ZScaleEdit()->setText("3");
    QTest::keyClick(g->FunctionEdit(), Qt::Key_Return);
    QCOMPARE(g->Model().Inputs().zScale, 3.0);
    QCOMPARE(g->Model().Inputs().functionText, std::string("X*Y"));
  }

  void textsFollowTheInterfaceLanguage() {
    ApplyUiLanguage(false);
    QTRY_COMPARE(graphs_->Graph3D()->windowTitle(), QStringLiteral("3D-график"));
    QCOMPARE(graphs_->Polar()->windowTitle(), QStringLiteral("Полярные координаты"));
    ApplyUiLanguage(true);
    QTRY_COMPARE(graphs_->Graph2D()->windowTitle(), QStringLiteral("2D-graph"));
  }

  // The picture grows with the window; the fields move down with the
  // bottom edge, the function fields also stretch with the right one.
  void controlsFollowTheWindowEdges() {
    // Each window and which of its fields stretch, in creation order.
    using Row = std::pair<GraphWindow*, std::vector<bool>>;
    const Row rows[] = {{graphs_->Graph2D(), {true, false, false}},
                        {graphs_->Graph3D(), {true, false, false, false, false, false, false}},
                        {graphs_->Polar(), {true, true}}};
    for (const auto& [g, stretches] : rows) {
      g->show();
      QVERIFY(QTest::qWaitForWindowExposed(g));
      const QFontMetrics fm(g->font());
      const QWidget* area = g->findChild<QWidget*>("drawingArea");
      const QList<QLineEdit*> edits = g->findChildren<QLineEdit*>();
      const QList<QLabel*> labels = g->findChildren<QLabel*>();
      QCOMPARE(edits.size(), int(stretches.size()));
      QCOMPARE(labels.size(), edits.size());
      // Each field below the picture, as high as its text, right of a label
      // on its row.
      for (const QLineEdit* e : edits) {
        QVERIFY(area->geometry().bottom() < e->geometry().top());
        QVERIFY(g->rect().contains(e->geometry()) && e->height() >= fm.height());
        QVERIFY(e->width() > fm.horizontalAdvance("-3.14"));
        int labelsBeside = 0;
        for (const QLabel* l : labels)
          labelsBeside += l->geometry().right() < e->geometry().left() &&
                          std::abs(l->geometry().center().y() - e->geometry().center().y()) < 6;
        QVERIFY(labelsBeside >= 1);
      }
      std::vector<QRect> before;
      for (const QLineEdit* e : edits) before.push_back(e->geometry());
      for (const QLabel* l : labels) before.push_back(l->geometry());
      const QRect areaBefore = area->geometry();
      g->resize(g->size() + QSize(100, 60));
      QCOMPARE(area->geometry(), areaBefore.adjusted(0, 0, 100, 60));
      for (int i = 0; i < edits.size(); ++i)
        QCOMPARE(edits[i]->geometry(), before[i].adjusted(0, 60, stretches[i] ? 100 : 0, 60));
      for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(labels[i]->geometry(), before[edits.size() + i].translated(0, 60));
    }
  }

  // Values put into the fields by a command show their start: the sign of
  // a long number stays in view.
  void filledFieldsShowTheirStart() {
    Type("graph2d(x;-pi;pi)");
    Type("graph3d(x+y;-pi;-1/7;-2/3;pi;-1/3)");
    const QList<QLineEdit*> fields =
        graphs_->Graph2D()->findChildren<QLineEdit*>() + graphs_->Graph3D()->findChildren<QLineEdit*>();
    for (const QLineEdit* e : fields) {
      QVERIFY(!e->text().isEmpty());
      QCOMPARE(e->cursorPosition(), 0);
    }
    QCOMPARE(graphs_->Graph2D()->StartEdit()->text().left(4), QStringLiteral("-3.1"));
  }

  // At the least size every field and label keeps its whole place inside
  // the window, below the picture, clear of the others; at a larger font
  // too, where fixed pixel sizes would cut the right-hand fields off.
  void leastSizeFitsEveryControl() {
    ExpressionEngine engine({&StandardOperations(), nullptr});
    for (int points : {0, 16}) {
      QFont font = QApplication::font();
      if (points > 0) font.setPointSize(points);
      const QFont old = QApplication::font();
      QApplication::setFont(font);
      std::vector<std::unique_ptr<GraphWindow>> windows;
      windows.push_back(std::make_unique<Graph2DDialog>(engine, nullptr));
      windows.push_back(std::make_unique<Graph3DDialog>(engine, nullptr));
      windows.push_back(std::make_unique<PolarPlotDialog>(engine, nullptr));
      QApplication::setFont(old);
      for (const auto& g : windows) {
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        QVERIFY(g->minimumWidth() >= 340 && g->minimumHeight() >= 250);
        for (QSize size : {g->size(), g->minimumSize()}) {
          g->resize(size);
          QCOMPARE(g->size(), size);
          const QRect area = g->Area()->geometry();
          QVERIFY(area.height() > 2 && area.width() > 2);
          QList<QWidget*> controls;
          for (QLineEdit* e : g->findChildren<QLineEdit*>()) controls << e;
          for (QLabel* l : g->findChildren<QLabel*>()) controls << l;
          for (const QWidget* c : controls) {
            const QString what = QStringLiteral("%1 %2 in %3 x %4")
                                     .arg(g->objectName(), c->metaObject()->className())
                                     .arg(size.width())
                                     .arg(size.height());
            QVERIFY2(g->rect().contains(c->geometry()) && c->y() > area.bottom(), qPrintable(what));
            for (const QWidget* other : controls)
              QVERIFY2(other == c || !other->geometry().intersects(c->geometry()), qPrintable(what));
          }
        }
      }
    }
  }

  // On a screen with two device pixels to a pixel the picture has twice
  // the pixels each way, and its curve and axes lie where they lie at one
  // to one: every green or blue point of either picture has one of the
  // other within a pixel or two.
  void finerPicturesKeepTheGeometry() {
    Type("graph2d(sin(x)*x;-7;5)");
    Type("graph3d(sin(x)*cos(y);-3;3;-3;3;60)");
    Type("graphpolar(sin(2*phi))");
    for (GraphWindow* g : {static_cast<GraphWindow*>(graphs_->Graph2D()),
                           static_cast<GraphWindow*>(graphs_->Graph3D()),
                           static_cast<GraphWindow*>(graphs_->Polar())}) {
      QVERIFY(QTest::qWaitForWindowExposed(g));
      const QImage coarse = g->RenderedAt(1), fine = g->RenderedAt(2);
      const QSize size = g->Area()->PictureSize();
      QCOMPARE(coarse.size(), size);
      QCOMPARE(fine.size(), size * 2);
      QCOMPARE(fine.devicePixelRatio(), 2.0);
      for (auto pick : {&Greenish, &Bluish}) {
        const std::vector<QPoint> one = Drawn(coarse, pick), two = Drawn(fine, pick);
        if (pick == &Bluish && g == graphs_->Graph3D()) {
          QVERIFY(one.empty() && two.empty());
          continue;
        }
        QVERIFY(one.size() > 100);
        const auto [lonelyFine, lonelyCoarse] = Unmatched(one, two, 2, 2);
        // (Where an axis crosses the curve, its dots may hide the curve at
        // one ratio and not at the other.)
        QVERIFY2(lonelyFine <= 2 && lonelyCoarse <= 2,
                 qPrintable(QStringLiteral("%1: %2 %3").arg(g->objectName()).arg(lonelyFine).arg(lonelyCoarse)));
      }
      // Smooth: the fine curve has shades between green and white.
      int shades = 0;
      for (const QPoint& p : Drawn(fine, &Greenish)) shades += fine.pixelColor(p).red() > 40;
      QCOMPARE(shades > 0, g != graphs_->Graph3D());
    }
  }

  // The picture leaves the window as shown: saved as PNG at the ratio
  // asked for, as SVG with the same curve, and copied by Ctrl+C on the
  // picture. A save that cannot be made leaves nothing behind.
  void picturesLeaveTheWindow() {
    Graph2DDialog* g = graphs_->Graph2D();
    Type("graph2d(x;-1;1)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    const QSize size = g->Area()->PictureSize();
    QTemporaryDir dir;
    QString error;
    const auto plain = [](QImage image) {
      image = image.convertToFormat(QImage::Format_RGB32);
      image.setDevicePixelRatio(1);
      return image;
    };
    for (const qreal ratio : {1.0, 2.0}) {
      const QString file = dir.filePath(QStringLiteral("g%1.png").arg(ratio));
      QVERIFY(g->SavePicture(file, ratio, &error));
      const QImage saved(file);
      QCOMPARE(saved.size(), size * ratio);
      QCOMPARE(plain(saved), plain(g->RenderedAt(ratio)));
      // y = x runs from the lower left corner to the upper right one.
      const auto greenIn = [&](QRect r) {
        const QImage part = saved.copy(QRect(r.topLeft() * ratio, r.size() * ratio));
        return !Drawn(part, &Greenish).empty();
      };
      QVERIFY(greenIn(QRect(size.width() - 6, 0, 6, 6)));
      QVERIFY(greenIn(QRect(0, size.height() - 4, 4, 4)));
      QVERIFY(!greenIn(QRect(size.width() - 6, size.height() - 6, 6, 6)));
    }
    const QString svgFile = dir.filePath(QStringLiteral("g.SVG"));
    QVERIFY(g->SavePicture(svgFile, 1.0, &error));
    QFile svg(svgFile);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    QVERIFY(text.startsWith("<?xml"));
    QVERIFY(text.contains(QStringLiteral("width=\"%1\" height=\"%2\"")
                              .arg(size.width()).arg(size.height()).toUtf8()));
    QCOMPARE(text.count("<polyline"), 1);
    QCOMPARE(text.count("<line"), 2);

    const QString nowhere = dir.filePath(QStringLiteral("missing/g.png"));
    QVERIFY(!g->SavePicture(nowhere, 1.0, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.png")}, QDir::Files).size() == 2);

    QGuiApplication::clipboard()->clear();
    g->Area()->setFocus();
    QTest::keyClick(g->Area(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), size * g->Area()->devicePixelRatioF());
    QCOMPARE(plain(copied), plain(g->RenderedAt(g->Area()->devicePixelRatioF())));
    // In an edit Ctrl+C is the edit's own.
    QGuiApplication::clipboard()->clear();
    g->FunctionEdit()->selectAll();
    g->FunctionEdit()->setFocus();
    QTest::keyClick(g->FunctionEdit(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("X"));
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
  }

  // A shown window keeps its place in the options for the next command; a
  // saved place is taken only when it is whole.
  void placeInTheOptions() {
    PolarPlotDialog* polar = graphs_->Polar();
    Type("graphpolar(phi;4*pi)");
    QVERIFY(QTest::qWaitForWindowExposed(polar));
    polar->move(40, 50);
    polar->resize(420, 330);
    const GraphGeometry& kept = Options().graphPolar;
    QTRY_COMPARE(QRect(kept.left, kept.top, kept.width, kept.height), QRect(40, 50, 420, 330));
    polar->close();
    Type("graphpolar(fi)");
    QVERIFY(polar->isVisible());
    QCOMPARE(polar->size(), QSize(420, 330));

    Graph2DDialog* g = graphs_->Graph2D();
    using Place = std::pair<GraphGeometry, bool>;  // saved, taken
    const Place places[] = {{{0, 0, 500, 400}, true},    {{40, 50, 100, 100}, true},
                            {{-1, 50, 500, 400}, false}, {{40, -1, 500, 400}, false},
                            {{40, 50, 99, 400}, false},  {{40, 50, 500, 99}, false}};
    for (const auto& [saved, taken] : places) {
      g->hide();
      g->move(200, 150);
      Options().graph2D = saved;
      Type("graph2d(x;0;1)");
      QVERIFY(g->isVisible());
      QCOMPARE(g->pos() == QPoint(saved.left, saved.top), taken);
    }
  }
};

QTEST_MAIN(GraphsTest)
#include "graphs_test.moc"
