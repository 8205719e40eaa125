#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "app/CalculationRun.h"
#include "core/CalculationState.h"
#include "core/Messages.h"

class QHeaderView;

namespace Ui {
class TSVysledky;
}

namespace pramo {

// The page "Výsledky": the list of results of the last run (one per series value), the results grid of
// the chosen one, its limit messages and the deviation of the bore check.
class TSVysledky : public QWidget {
  Q_OBJECT

 public:
  TSVysledky(CalculationState& state, DerivedValues& derived, Messages& messages, QWidget* parent = nullptr);
  ~TSVysledky() override;

  // The labels and units of the grid and the list's header for a kind of calculation.
  void LayOutResultsGrid(CalculationKind kind, bool elementMaterialOther);
  void ClearResults();
  void ClearMemo();
  // The entries of a run, the first one chosen and shown; false when the run computed nothing.
  bool ShowEntries(const std::vector<SeriesEntry>& entries);
  // A stored calculation as it was stored, without an iteration.
  void ShowStoredResults();
  // A calculation being edited lets another entry be chosen; a shown one does not.
  void AllowChoice(bool allowed);
  void FocusSeriesList();
  void DropDownSeriesList();
  // The title of the results group names the calculation number the database page shows.
  void ShowNumber(const QString& count, const QString& index);

  int ChosenEntry() const;
  const std::vector<SeriesEntry>& SeriesEntries() const { return m_entries; }

  void cbVyberZRadyChange(int index);

 signals:
  // The chosen entry sized a bore: the input page shows it.
  void BoreSized();
  // The first transmitter of the cascade follows the shown result.
  void FirstTransmitterShown(double range, double accuracy);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOutSeriesHeader();
  void ShowResults();
  void FillSeriesList(const std::vector<SeriesEntry>& entries);

  std::unique_ptr<Ui::TSVysledky> ui;
  CalculationState& m_state;
  DerivedValues& m_derived;
  Messages& m_messages;
  QHeaderView* HCVyber = nullptr;
  CalculationKind m_kind = CalculationKind::Bore;  // the kind the grid is laid out for
  std::vector<SeriesEntry> m_entries;
  bool m_resultsStored = false;  // the page shows a stored calculation, not a run
};

}  // namespace pramo
