#include "gui/window/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <vector>

namespace vr {

namespace {

// Owned by the application object, so they go when it goes.
std::vector<QPointer<QTranslator>>& Installed() {
  static std::vector<QPointer<QTranslator>> translators;
  return translators;
}

}  // namespace

void ApplyUiLanguage(bool english) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  auto& installed = Installed();
  for (const QPointer<QTranslator>& t : installed) {
    if (t) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
  installed.clear();
  if (english) return;
  auto install = [&](auto&& load) {
    auto* translator = new QTranslator(app);
    if (load(*translator) && QCoreApplication::installTranslator(translator)) {
      installed.emplace_back(translator);
    } else {
      delete translator;
    }
  };
  // Each window keeps its own translation file; all of them are loaded.
  const QDir dir(QStringLiteral(":/i18n"));
  for (const QString& name : dir.entryList({QStringLiteral("*.qm")}, QDir::Files))
    install([&](QTranslator& t) { return t.load(dir.filePath(name)); });
  // Qt's own texts (standard buttons, the editor's context menu), where the
  // system has them.
  install([](QTranslator& t) {
    return t.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  });
}

}  // namespace vr
