// Graph windows opened from command lines in the main window: redrawing,
// Enter and Escape, the fields on resizing, and the place each keeps in the
// options.
#include "gui/graphs/graph2d_dialog.h"
#include "gui/graphs/graph3d_dialog.h"
#include "gui/graphs/graph_windows.h"
#include "gui/graphs/polar_plot_dialog.h"
#include "gui/window/ui_language.h"
#include "gui_test_support.h"

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
