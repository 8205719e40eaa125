#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "core/Messages.h"
#include "legacy/ConversionRun.h"
#include "legacy/LegacyFiles.h"
#include "legacy/LegacyRecord.h"

namespace Ui {
class TFConvert;
}

namespace pramo {

class TFStavPrevodu;

// "Převod výpočtů Kvantora do databáze PRAMO": the older program's files, the target database, and the
// start of the conversion, whose progress TFStavPrevodu shows.
class TFConvert : public QDialog {
  Q_OBJECT

 public:
  // The file dialog: the chosen path, empty when cancelled. Tests choose without a dialog.
  using FileChooser =
      std::function<std::string(QWidget* parent, const std::string& title, const std::string& filter)>;

  TFConvert(Messages& messages, TFStavPrevodu& stavPrevodu, QWidget* parent = nullptr);
  ~TFConvert() override;

  // Opens the window on the databases of the folder, with the chosen one selected; `companyList` is the
  // main window's company list, which the names of the converted calculations extend.
  void ShowFor(const std::string& databaseFolder, const std::string& selectedDatabase,
               const std::vector<std::string>& companyList);
  void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
  const ConversionRun* Run() const { return m_run.get(); }

  void BBSoubVypoctyClick();
  void BBSoubFirmyClick();
  void RGCestinaClick();
  void BPrevedVsechnyClick();

 private:
  LegacyEncoding Encoding() const;
  void ReadList();
  void ReadCompanies();

  std::unique_ptr<Ui::TFConvert> ui;
  Messages& m_messages;
  TFStavPrevodu& m_stavPrevodu;
  FileChooser m_chooseFile;
  std::string m_folder;
  std::vector<LegacyListEntry> m_list;
  LegacyCompanies m_companies;
  std::vector<std::string> m_mainCompanies;
  std::vector<std::string> m_companyList;
  std::optional<DatabaseAccess> m_target;
  std::unique_ptr<ConversionRun> m_run;
};

}  // namespace pramo
