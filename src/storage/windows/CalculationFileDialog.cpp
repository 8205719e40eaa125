#include "storage/windows/CalculationFileDialog.h"

#include <QFileDialog>

#include "app/windows/WindowText.h"

namespace pramo {

std::string ChooseCalculationFile(QWidget* parent, const CalculationFileChoice& choice) {
  QFileDialog dialog(parent, ToQt(choice.title));
  dialog.setObjectName(choice.save ? QStringLiteral("SDExport") : QStringLiteral("ODImportCln"));
  dialog.setNameFilters({QStringLiteral("Soubory Pramo (*.cln)"), QStringLiteral("Všechny soubory (*)")});
  dialog.setDefaultSuffix(QStringLiteral("cln"));
  // The program asks itself, once the extension is settled.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (choice.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(ToQt(choice.proposedName));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return FromQt(dialog.selectedFiles().front());
}

}  // namespace pramo
