#pragma once

#include <memory>
#include <string>

#include <QDialog>

namespace Ui {
class TFOProgramu;
}

namespace pramo {

// "O programu ...": the program line, its version and the owner of the installation.
class TFOProgramu : public QDialog {
  Q_OBJECT

 public:
  explicit TFOProgramu(QWidget* parent = nullptr);
  ~TFOProgramu() override;

  void SetVersion(const std::string& versionText);
  void ShowFor(const std::string& ownerName);

 private:
  std::unique_ptr<Ui::TFOProgramu> ui;
};

// "Verze " and the program's version as major.minor.release.
std::string VersionLabel();

}  // namespace pramo
