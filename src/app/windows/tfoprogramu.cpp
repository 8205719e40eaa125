#include "app/windows/tfoprogramu.h"

#include "windows/Icons.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "core/ProgramVersion.h"
#include "strings/app.h"
#include "ui_tfoprogramu.h"

namespace pramo {

std::string VersionLabel() {
  return Tr(str::kAboutVersion) + std::string(ProgramVersion());
}

TFOProgramu::TFOProgramu(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TFOProgramu>()) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] {
    ui->retranslateUi(this);
    SetVersion(VersionLabel());
  });
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  ui->LIkona->setPixmap(ProgramIcon().pixmap(48, 48));
  QFont bold = ui->LProgram->font();
  bold.setBold(true);
  ui->LProgram->setFont(bold);
  ui->BOK->setDefault(true);
  connect(ui->BOK, &QPushButton::clicked, this, &QDialog::accept);
}

TFOProgramu::~TFOProgramu() = default;

void TFOProgramu::SetVersion(const std::string& versionText) {
  ui->LVerze->setText(ToQt(versionText));
}

void TFOProgramu::ShowFor(const std::string& ownerName) {
  ui->LVlastnik->setText(ToQt(ownerName));
  show();
}

}  // namespace pramo
