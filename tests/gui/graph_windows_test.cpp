// Graph command lines in the main window: which graph window opens, what is
// written below the line, redrawing a shown graph, Enter and Escape in a
// graph window, and the place a graph window keeps in the options.
#include "gui/graphs/graph_windows.h"

#include <QLineEdit>
#include <QTest>

#include "gui/graphs/graph2d_dialog.h"
#include "gui/graphs/graph3d_dialog.h"
#include "gui/graphs/polar_plot_dialog.h"
#include "gui/window/ui_language.h"
#include "gui_test_support.h"
#include "settings/options_record.h"

using vr::test::StartedWindow;
using vr::test::TypeLine;

class GraphWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<vr::test::ProgramFolder>();
    window_ = std::make_unique<StartedWindow>(folder_->Path());
    graphs_ = vr::GraphWindows::Of(window_->dialog.get());
    QVERIFY(graphs_ != nullptr);
  }
  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void CommandLinesOpenTheirWindowOrWriteAMessage() {
    struct Row {
      QString line;
      QString written;  // below the line
      QWidget* shown;
    };
    const Row rows[] = {
        {"graph2d(sin(x);0;)", "Can`t evaluate the end point", nullptr},
        {"graph2d(sin(x);0;10)", "", graphs_->Graph2D()},
        {"1+graph3d(x*y;0;1;0;1)", "", graphs_->Graph3D()},
        {"graphpolar(foo(phi))", "Function \"foo\" doesn`t exists", nullptr},
        {"graphpolar(1)", "", graphs_->Polar()},
    };
    QVERIFY(!graphs_->Graph2D()->isVisible());
    for (const Row& r : rows) {
      const int before = window_->Editor().Lines().size();
      TypeLine(window_->Editor(), r.line);
      const QStringList lines = window_->Editor().Lines();
      if (r.written.isEmpty()) {
        QCOMPARE(lines.size(), before + 1);
      } else {
        QCOMPARE(lines.at(lines.size() - 2), r.written);
      }
      if (r.shown != nullptr) QVERIFY2(r.shown->isVisible(), qPrintable(r.line));
    }
    QCOMPARE(graphs_->Graph2D()->FunctionEdit()->text(), QStringLiteral("SIN(X)"));
    QCOMPARE(graphs_->Polar()->AngleEdit()->text(), QStringLiteral("2*PI"));
  }

  void ASecondCommandRedrawsTheShownGraph() {
    vr::Graph2DDialog* g = graphs_->Graph2D();
    TypeLine(window_->Editor(), "graph2d(x;0;1)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QVERIFY(!g->Picture().isNull());
    const int width = g->Area()->PictureSize().width();
    QCOMPARE(static_cast<int>(g->Samples()->y.size()), width + 1);
    QCOMPARE(g->Samples()->yMax, 1.0);

    TypeLine(window_->Editor(), "graph2d(x*x;3;-3)");
    QCOMPARE(g->StartEdit()->text(), QStringLiteral("-3"));
    QCOMPARE(g->EndEdit()->text(), QStringLiteral("3"));
    QVERIFY(!g->Samples().has_value());  // the old picture is gone
    g->Picture();
    QCOMPARE(g->Samples()->yMax, 9.0);
  }

  void EnterRedrawsOnlyOnAChangeAndEscapeHides() {
    vr::Graph2DDialog* g = graphs_->Graph2D();
    TypeLine(window_->Editor(), "graph2d(sin(x);0;10)");
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

  void SurfaceShiftAndScaleFromTheWindow() {
    vr::Graph3DDialog* g = graphs_->Graph3D();
    TypeLine(window_->Editor(), "graph3d(x*y;-1;1;-1;1;2.7)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QCOMPARE(g->ZScaleEdit()->text(), QStringLiteral("2.7"));
    g->Picture();
    QCOMPARE(g->ZShiftEdit()->text(), QString::number(g->Area()->PictureSize().height() / 2));
    QTest::keyClick(g->FunctionEdit(), Qt::Key_Return);
    QCOMPARE(g->Model().Inputs().zScale, 2.0);
  }

  void TextsFollowTheInterfaceLanguage() {
    vr::ApplyUiLanguage(false);
    QTRY_COMPARE(graphs_->Graph3D()->windowTitle(), QStringLiteral("3D-график"));
    QCOMPARE(graphs_->Polar()->windowTitle(), QStringLiteral("Полярные координаты"));
    vr::ApplyUiLanguage(true);
    QTRY_COMPARE(graphs_->Graph2D()->windowTitle(), QStringLiteral("2D-graph"));
  }

  void AShownWindowKeepsItsPlaceForTheNextCommand() {
    vr::PolarPlotDialog* g = graphs_->Polar();
    TypeLine(window_->Editor(), "graphpolar(phi;4*pi)");
    QVERIFY(QTest::qWaitForWindowExposed(g));
    g->move(40, 50);
    g->resize(420, 330);
    QTest::qWait(20);
    const vr::GraphGeometry& kept = vr::Options().graphPolar;
    QCOMPARE(QRect(kept.left, kept.top, kept.width, kept.height), QRect(40, 50, 420, 330));
    g->close();
    QVERIFY(!g->isVisible());
    TypeLine(window_->Editor(), "graphpolar(fi)");
    QVERIFY(g->isVisible());
    QCOMPARE(g->size(), QSize(420, 330));
  }

 private:
  std::unique_ptr<vr::test::ProgramFolder> folder_;
  std::unique_ptr<StartedWindow> window_;
  vr::GraphWindows* graphs_ = nullptr;
};

QTEST_MAIN(GraphWindowsTest)
#include "graph_windows_test.moc"
