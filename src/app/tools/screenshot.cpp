// Takes the README's pictures: starts the main window on a given program
// folder, types a few lines as a user would, and saves the window, then a
// graph window, as PNG files.
//   vr_screenshot PROGRAM_FOLDER OUTPUT_FOLDER
// Run it on a real X server (scripts/screenshots.sh uses xvfb-run) so that
// the pictures have the fonts and style a desktop gives.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

#include <cstdio>

#include "gui/window/calculator_dialog.h"
#include "gui/window/command_line.h"
#include "gui/window/expression_editor.h"

namespace {

bool Save(QWidget* window, const QString& path) {
  QTest::qWait(300);  // let the last paint land
  if (window->grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "vr_screenshot: cannot write %s\n", qPrintable(path));
  return false;
}

void TypeLine(QWidget* editor, const QString& line) {
  QTest::keyClicks(editor, line);
  QTest::keyClick(editor, Qt::Key_Return);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QDir output(QString::fromLocal8Bit(argv[2]));

  vr::CalculatorDialog dialog(folder.toStdString(), vr::CommandLine{});
  dialog.StartUp();
  // Roomier than the least size, so that every line typed below shows.
  dialog.resize(dialog.size().expandedTo(QSize(720, 520)));
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog)) {
    std::fprintf(stderr, "vr_screenshot: the window was not shown\n");
    return 1;
  }

  QWidget* editor = dialog.Editor();
  editor->setFocus();
  const char* const lines[] = {
      "2+3*4",
      "sqrt(2)",
      "1\\2+1\\3",
      "(3+i4)*(1-i2)",
      "r=5",
      "pi*r**2",
      "#15.03.2024#+30",
      "compound(1000;5;10)",
  };
  for (const char* line : lines) TypeLine(editor, QString::fromLatin1(line));
  if (!Save(&dialog, output.filePath(QStringLiteral("window.png")))) return 1;

  TypeLine(editor, QStringLiteral("graph2d(sin(x)*x;-10;10)"));
  QWidget* graph = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != &dialog && w->isVisible() && w->isWindow() && !w->inherits("QMenu")) graph = w;
  }
  if (graph == nullptr || !QTest::qWaitForWindowExposed(graph)) {
    std::fprintf(stderr, "vr_screenshot: no graph window was shown\n");
    return 1;
  }
  return Save(graph, output.filePath(QStringLiteral("graph.png"))) ? 0 : 1;
}
