#include "storage/windows/CalculationFileDialog.h"

#include <QFileDialog>

#include "windows/WindowText.h"
#include "strings/storage.h"

namespace pramo {

QStringList FileDialogNameFilters(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = parts[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : parts[i + 1];
    filters << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
  }
  return filters;
}

std::string ChooseCalculationFile(QWidget* parent, const CalculationFileChoice& choice) {
  QFileDialog dialog(parent, ToQt(choice.title));
  dialog.setObjectName(choice.save ? QStringLiteral("SDExport") : QStringLiteral("ODImportCln"));
  dialog.setNameFilters(FileDialogNameFilters(Tr(str::kExportFilter)));
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
