#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QStringList>

class QWidget;

namespace pramo {

// What a file dialog for an export file asks: saving (with a proposed name) or opening, and its title.
struct CalculationFileChoice {
  bool save = false;
  std::string title;
  std::string proposedName;
};

// The chosen path, or empty when the dialog was cancelled. The program shows the system's file dialog;
// tests choose without one.
using CalculationFileChooser = std::function<std::string(QWidget* parent, const CalculationFileChoice&)>;

// A string table's filter ("name|pattern|name|pattern") as a file dialog's name filters; "*.*" means every
// file.
QStringList FileDialogNameFilters(const std::string& filter);

// A kind of file the system's file dialog chooses: the dialog's object name, the string table's filter, the
// default extension, and whether the program itself asks before a file is replaced.
struct FileDialogKind {
  QString objectName;
  std::string filter;
  QString suffix;
  bool programAsksBeforeReplacing = false;
};
std::string ChooseFile(QWidget* parent, const CalculationFileChoice& choice, const FileDialogKind& kind);

// The file dialog for export files: filter "Soubory Pramo" (*.cln) and "Všechny soubory", default
// extension "cln".
std::string ChooseCalculationFile(QWidget* parent, const CalculationFileChoice& choice);

}  // namespace pramo
