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

std::string ChooseFile(QWidget* parent, const CalculationFileChoice& choice, const FileDialogKind& kind) {
  QFileDialog dialog(parent, ToQt(choice.title));
  dialog.setObjectName(kind.objectName);
  dialog.setNameFilters(FileDialogNameFilters(kind.filter));
  dialog.setDefaultSuffix(kind.suffix);
  if (kind.programAsksBeforeReplacing) dialog.setOption(QFileDialog::DontConfirmOverwrite);
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

std::string ChooseCalculationFile(QWidget* parent, const CalculationFileChoice& choice) {
  // The program asks itself before replacing, once the extension is settled.
  return ChooseFile(parent, choice,
                    {choice.save ? QStringLiteral("SDExport") : QStringLiteral("ODImportCln"),
                     Tr(str::kExportFilter), QStringLiteral("cln"), true});
}

}  // namespace pramo
