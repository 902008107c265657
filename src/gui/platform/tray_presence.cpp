#include "gui/platform/tray_presence.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include "gui/platform/app_icon.h"

namespace vr {

TrayPresence::TrayPresence(QObject* parent)
    : QObject(parent),
      icon_(new QSystemTrayIcon(AppIcon(), this)),
      menu_(new QMenu),
      restore_(menu_->addAction(QString())),
      about_(menu_->addAction(QString())),
      exit_(nullptr) {
  menu_->addSeparator();
  exit_ = menu_->addAction(QString());
  menu_->setDefaultAction(restore_);
  icon_->setToolTip(QStringLiteral("VadadeRivo"));
  icon_->setContextMenu(menu_);
  connect(restore_, &QAction::triggered, this, &TrayPresence::restoreRequested);
  connect(about_, &QAction::triggered, this, &TrayPresence::aboutRequested);
  connect(exit_, &QAction::triggered, this, &TrayPresence::exitRequested);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
    if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) emit restoreRequested();
  });
  Retranslate();
}

// The menu has no parent widget (a tray menu belongs to no window), so it is
// deleted here.
TrayPresence::~TrayPresence() { delete menu_; }

namespace {

std::optional<bool> availableForTests;

}  // namespace

bool TrayPresence::Available() {
  return availableForTests.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayPresence::SetAvailableForTests(std::optional<bool> available) {
  availableForTests = available;
}

void TrayPresence::Show() { icon_->show(); }

void TrayPresence::Hide() { icon_->hide(); }

bool TrayPresence::IsShown() const { return icon_->isVisible(); }

void TrayPresence::Retranslate() {
  restore_->setText(tr("&Restore"));
  about_->setText(tr("&About VadadeRivo..."));
  exit_->setText(tr("E&xit"));
}

}  // namespace vr
