#pragma once

#include <QDialog>
#include <filesystem>

class QLabel;

namespace vr {

// The program's icon, name and version, with a link to its help.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(std::filesystem::path programFolder, QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  std::filesystem::path programFolder_;
  QLabel* link_;
};

}  // namespace vr
