#pragma once

#include <optional>

#include <QObject>

#include "app/windows/sessioncontroller.h"
#include "core/CalculationState.h"
#include "core/InputForm.h"
#include "core/InputGathering.h"
#include "core/Messages.h"
#include "printing/Certificate.h"
#include "storage/windows/CalculationFileDialog.h"

class QWidget;

namespace pramo {

class TSZadani;
class TSVysledky;
class TSDatabaze;
class CertificatePrinter;
class TFNahled;
class TFNastaveniTisku;
class TFZapati;
struct CertificateSettings;
class TFGraf;
class TFTabulkaNejistot;

// The pages a calculation lives on, as the actions see them.
struct CalculationPages {
  TSZadani& zadani;
  TSVysledky& vysledky;
  TSDatabaze& databaze;
};

// The menu actions on the open calculation: run it, open, edit and store it, print and preview its
// certificate, show its uncertainties, export and import its inputs.
class CalculationActions : public QObject {
  Q_OBJECT

 public:
  CalculationActions(QWidget& window, SessionController& session, CalculationState& state,
                     DerivedValues& derived, Messages& messages, CalculationPages pages);

  // The print options are taken from the configuration.
  void SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled, TFNastaveniTisku* nastaveniTisku,
                       TFZapati* zapati);
  // The print options as the print settings window holds them now.
  std::optional<PrintOptions> PrintOptionsNow() const;
  void SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot);
  void SetFileChooser(CalculationFileChooser chooser) { m_chooseFile = std::move(chooser); }

  void AVypocetParametru5Execute();
  void EnterEditing(const CalculationState& state, bool countWritable, bool newCalculation);
  void ShowStoredCalculation(const CalculationState& state);
  void ActionSaveExecute();
  // True when the calculation was stored.
  bool StoreCurrent();
  // Before the window is left: a calculation not yet stored is asked about, Yes stores it; false when
  // the user stays (or storing failed).
  bool MayLeaveCalculation();
  void ATiskOsvedceniExecute();
  void ANahledExecute();
  // "Export PDF ...": the certificate as the printer would print it, into a file the user names.
  void AExportPdfExecute();
  void ANastaveniTiskuExecute();
  // The footer text of the administration page.
  void BBZapatiClick();
  void AZobrazGrafNejistotExecute();
  void ActionZobrazTabulkuNejistotExecute();
  void AExportExecute();
  void AImportExecute();

  // The kind of calculation changed on the input page: the results grid follows.
  void LayOutResultsGrid();

 signals:
  void ModeWanted(MainMode mode);
  void PageWanted(QWidget* page);

 private:
  // The input page's form with the calculation number of the database page.
  InputForm FormOfPages() const;
  GatherContext ContextNow(bool showMessages, int selectedSeriesEntry) const;
  // The graph's view chosen for printing belongs to the calculation it was chosen for.
  void ForgetGraphPrintSettings();
  // What the certificate shows besides the calculation, as the windows hold it now.
  CertificateSettings CertificateSettingsNow() const;

  QWidget& m_window;
  SessionController& m_session;
  CalculationState& m_state;
  DerivedValues& m_derived;
  Messages& m_messages;
  CalculationPages m_pages;
  CertificatePrinter* m_printer = nullptr;
  TFNahled* m_nahled = nullptr;
  TFNastaveniTisku* m_nastaveniTisku = nullptr;
  TFZapati* m_zapati = nullptr;
  TFGraf* m_graf = nullptr;
  TFTabulkaNejistot* m_tabulkaNejistot = nullptr;
  CalculationFileChooser m_chooseFile = ChooseCalculationFile;
};

}  // namespace pramo
