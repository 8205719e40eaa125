#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QWidget>

#include "app/CalculationCommands.h"
#include "app/windows/sessioncontroller.h"
#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/Messages.h"
#include "storage/DatabaseListing.h"
#include "storage/DatabasePage.h"

class QLineEdit;
class QProgressBar;

namespace Ui {
class TSDatabaze;
}

namespace pramo {

class CompaniesGroup;

// The page "Databáze": the grid of stored calculations with its filter, order and selection, the number
// and designer of the open calculation, and the company list of the open database.
class TSDatabaze : public QWidget {
  Q_OBJECT

 public:
  TSDatabaze(SessionController& session, Messages& messages, QWidget* parent = nullptr);
  ~TSDatabaze() override;

  // The progress bar a listing of the database drives (the login window's).
  void SetListingProgress(QProgressBar* bar) { m_listingProgress = bar; }
  // How the page shows dates (the locale's short date format, one separator character).
  void UseShortDateFormat(std::string format) { m_shortDateFormat = std::move(format); }

  // After a login: everything listed, in the remembered order, with the database's companies.
  void ResetDatabasePage();
  // Every calculation, the second list empty.
  void ResetFilter();
  // The sort button for an order: 1 lists in reverse file order.
  void ShowSortButton(int sortOrder);
  // Lists the database into the grid; false when it could not be listed (told).
  bool ListDatabaseIntoGrid();
  // A new reading of the database: its first row is the selected one.
  void ShowNewListing();

  DatabaseAccess Database();
  DatabaseListing& Listing() { return m_listing; }
  ListingRequest CurrentListingRequest() const;
  const std::vector<std::string>& CompanyNames() const;

  // The number and designer of the open calculation; the running count is typed only for a new number.
  void ShowIdentification(const CalculationState& state, bool countWritable);
  void ClearIdentification();
  void AllowNumberEdits(bool allowed);
  bool CountWritable() const { return m_countWritable; }
  // The running count and index as typed, for the form of a run, an export or a store.
  void PutNumberInto(InputForm& form) const;
  // Storing takes the number from the edits: neither may hold anything but a whole number then.
  bool NumberEditsHoldNumbers();
  // Another instance took the number: it is to be corrected.
  void AskForOtherNumber();

  void bZobrazitvypocet1Click();
  void bNovyvypocet1Click();
  void bbKopievypoctu1Click();
  void bbPrepocitatvypocet1Click();

 signals:
  // A stored calculation to show, or one to edit (copied, recomputed or new).
  void CalculationOpened(const CalculationState& state);
  void EditingWanted(const CalculationState& state, bool countWritable, bool newCalculation);
  // The filter or the selection changed: the window goes back to the user mode.
  void ListingChoiceChanged();
  // The page is to be shown, to correct something on it.
  void PageWanted();
  void NumberTyped(const QString& count, const QString& index);
  void CompaniesChanged(const std::vector<std::string>& names);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpDatabasePage();
  // The page's texts set in code, in the language in force.
  void RetranslateDatabasePage();
  void EditSelectedCalculation(bool asCopy);
  ListingFilter CurrentFilter() const;
  void FillDatabaseGrid();
  void EmptyDatabaseGrid();
  bool FilterChangeAllowed();
  void SGDatabaze6SelectCell(int row);
  void CBFiltr1Change(int index);
  void CBFiltr2Change(int index);
  void sbSeraditDleCislaVypoctuClick();
  void CompaniesGroupChanged();
  // The running count and index edits.
  void EAkceTypExit2();
  void eCisloVypoctuIdxExit();
  void eCisloVypoctuCountChange();
  void NumberEditExit(QLineEdit* edit, int digits);

  std::unique_ptr<Ui::TSDatabaze> ui;
  SessionController& m_session;
  Messages& m_messages;
  DatabaseListing m_listing;
  std::size_t m_selectedRow = 1;
  int m_filterKind = 0;   // the index of CBFiltr1 the grid was listed with
  int m_filterItem = -1;  // and of CBFiltr2
  CompaniesGroup* m_companies = nullptr;
  bool m_countWritable = true;
  QProgressBar* m_listingProgress = nullptr;
  std::string m_shortDateFormat = kPlainListingDatePattern;
  QString m_textOnEntry;
};

}  // namespace pramo
