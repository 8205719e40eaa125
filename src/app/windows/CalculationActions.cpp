#include "app/windows/CalculationActions.h"

#include "app/CalculationCommands.h"
#include "app/CalculationRun.h"
#include "windows/WindowText.h"
#include "app/windows/tsdatabaze.h"
#include "app/windows/tsvysledky.h"
#include "app/windows/tszadani.h"
#include "core/NumberText.h"
#include "printing/PrintOptionsConfiguration.h"
#include "printing/qt/LocaleFormats.h"
#include "printing/windows/CertificatePrinter.h"
#include "printing/windows/tfnahled.h"
#include "printing/windows/tfnastavenitisku.h"
#include "printing/windows/tfzapati.h"
#include "storage/ExportImport.h"
#include "storage/FileSystem.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "uncertainty/FlowUncertainty.h"
#include "uncertainty/windows/tfgraf.h"
#include "uncertainty/windows/tftabulkanejistot.h"

namespace pramo {

CalculationActions::CalculationActions(QWidget& window, SessionController& session, CalculationState& state,
                                       DerivedValues& derived, Messages& messages, CalculationPages pages)
    : QObject(&window),
      m_window(window),
      m_session(session),
      m_state(state),
      m_derived(derived),
      m_messages(messages),
      m_pages(pages) {}

void CalculationActions::SetPrintWindows(CertificatePrinter* printer, TFNahled* nahled,
                                         TFNastaveniTisku* nastaveniTisku, TFZapati* zapati) {
  m_printer = printer;
  m_nahled = nahled;
  m_nastaveniTisku = nastaveniTisku;
  m_zapati = zapati;
  m_nastaveniTisku->SetOptions(PrintOptionsOf(m_session.Settings().Interface));
  connect(m_zapati, &TFZapati::TextsChanged, this, [this] { m_session.MarkTextsChanged(); });
  connect(m_zapati, &TFZapati::FooterTaken, this,
          [this](const std::string& footer) { m_session.Settings().Working.Footer = footer; });
}

std::optional<PrintOptions> CalculationActions::PrintOptionsNow() const {
  if (!m_nastaveniTisku) return std::nullopt;
  return m_nastaveniTisku->Options();
}

void CalculationActions::SetUncertaintyWindows(TFGraf* graf, TFTabulkaNejistot* tabulkaNejistot) {
  m_graf = graf;
  m_tabulkaNejistot = tabulkaNejistot;
}

InputForm CalculationActions::FormOfPages() const {
  InputForm form = m_pages.zadani.FormOfPage();
  m_pages.databaze.PutNumberInto(form);
  return form;
}

GatherContext CalculationActions::ContextNow(bool showMessages, int selectedSeriesEntry) const {
  return GatherContext{m_messages,
                       showMessages,
                       m_session.Current().fullName,
                       m_session.Settings().InstallationNumber,
                       TodayDayCount(),
                       selectedSeriesEntry};
}

void CalculationActions::LayOutResultsGrid() {
  m_pages.vysledky.LayOutResultsGrid(m_pages.zadani.Kind(), m_pages.zadani.ElementMaterialOther());
}

void CalculationActions::AVypocetParametru5Execute() {
  if (!ControlsOf(m_session.Mode()).run) return;
  m_pages.vysledky.ClearResults();
  m_pages.vysledky.ClearMemo();
  m_pages.zadani.ClearMarks();
  InputForm form = FormOfPages();
  const GatherContext context = ContextNow(true, -1);
  const RunOutcome outcome = RunCalculation(form, m_state, m_derived, context, DecimalSeparator());
  if (outcome.stopped && form.CBTekutina5 == static_cast<int>(FluidKind::Undetermined)) {
    emit PageWanted(&m_pages.zadani);
    m_pages.zadani.FocusFluidList();
    return;
  }
  if (outcome.stopped) return;
  m_pages.zadani.ShowForm(form);
  if (form.textsChanged) m_session.MarkTextsChanged();
  if (m_pages.vysledky.ShowEntries(outcome.entries)) {
    emit PageWanted(&m_pages.vysledky);
    m_pages.vysledky.FocusSeriesList();
  }
  if (outcome.clearChangeFlags) m_session.ClearChanges();
  if (outcome.dropDownList) m_pages.vysledky.DropDownSeriesList();
}

void CalculationActions::EnterEditing(const CalculationState& state, bool countWritable,
                                      bool newCalculation) {
  ForgetGraphPrintSettings();
  if (newCalculation) {
    m_state = state;
    m_pages.zadani.ResetForNewCalculation();
    m_pages.vysledky.ClearResults();
    m_pages.vysledky.ClearMemo();
    LayOutResultsGrid();
  } else {
    m_pages.zadani.ShowCalculationOnPage(state);
    m_pages.vysledky.ShowStoredResults();
  }
  m_pages.databaze.ShowIdentification(m_state, countWritable);
  emit ModeWanted(MainMode::Editing);
  m_session.MarkSettingsChanged();
  m_pages.zadani.RebuildButtonHints();
}

void CalculationActions::ShowStoredCalculation(const CalculationState& state) {
  ForgetGraphPrintSettings();
  m_pages.zadani.ShowCalculationOnPage(state);
  m_pages.vysledky.ShowStoredResults();
  m_pages.databaze.ShowIdentification(m_state, false);
  emit ModeWanted(MainMode::Viewing);
  emit PageWanted(&m_pages.vysledky);
  m_session.ClearChanges();
}

// The graph's view chosen for printing belongs to the calculation it was chosen for.
void CalculationActions::ForgetGraphPrintSettings() {
  if (m_graf) m_graf->ClearPrintSettings();
}

void CalculationActions::ActionSaveExecute() {
  if (m_session.CalculationUnstored()) StoreCurrent();
}

bool CalculationActions::StoreCurrent() {
  if (!m_pages.databaze.NumberEditsHoldNumbers()) return false;
  InputForm form = FormOfPages();
  const int chosen = m_pages.vysledky.ChosenEntry();
  const GatherContext context = ContextNow(true, chosen);
  if (!GatherTexts(form, m_state, context)) return false;
  StoreRequest request;
  request.mode = m_pages.databaze.CountWritable() ? SaveMode::NewNumber : SaveMode::NextIndex;
  request.settingsChanged = m_session.SettingsChanged();
  request.saveAll = m_session.SaveAll();
  request.dpMaxBoxVisible = m_pages.zadani.DpMaxBoxShown();
  const std::vector<SeriesEntry>& entries = m_pages.vysledky.SeriesEntries();
  if (chosen >= 0 && chosen < static_cast<int>(entries.size()))
    request.chosenSeriesValue = entries[chosen].seriesValue;
  DatabaseAccess db = m_pages.databaze.Database();
  const StoreOutcome outcome = StoreCalculation(db, m_state, request, m_pages.databaze.Listing(),
                                                m_pages.databaze.CurrentListingRequest());
  if (outcome == StoreOutcome::Conflict) {
    // The database was read again: the grid shows that reading, and the number is to be corrected.
    m_pages.databaze.ShowNewListing();
    m_pages.databaze.AskForOtherNumber();
  }
  if (outcome != StoreOutcome::Stored) return false;
  m_session.ClearChanges();
  m_pages.zadani.ShowStoredDpMax();
  m_pages.databaze.ShowNewListing();
  emit ModeWanted(MainMode::Viewing);
  return true;
}

CertificateSettings CalculationActions::CertificateSettingsNow() const {
  const Configuration& configuration = m_session.Settings();
  CertificateSettings settings;
  if (m_nastaveniTisku) settings.Options = m_nastaveniTisku->Options();
  settings.FooterText = configuration.Working.Footer;
  settings.FooterOn = configuration.Working.PrintFooter;
  settings.OwnerName = configuration.OwnerName;
  settings.DatabasePath = m_session.Current().databasePath;
  settings.Today = LocaleShortDate(TodayDayCount());
  settings.CalculationDate = LocaleShortDate(m_state.Date);
  settings.DecimalSeparator = DecimalSeparator();
  settings.Fields = InputFieldTextsOf(m_state, settings.DecimalSeparator);
  if (m_graf) {
    settings.GraphSettings = m_graf->PrintSettings();
    settings.GraphCascadeSwitch = m_graf->CascadeSwitch();
  }
  return settings;
}

bool CalculationActions::MayLeaveCalculation() {
  if (!m_session.CalculationUnstored()) return true;
  switch (Ask(m_messages, str::kCalculationNotStored, {Answer::Yes, Answer::No, Answer::Cancel})) {
    case Answer::Yes:
      return StoreCurrent();
    case Answer::Cancel:
      return false;
    default:
      return true;
  }
}

void CalculationActions::ATiskOsvedceniExecute() {
  if (m_printer) m_printer->AskAndPrint(&m_window, m_state, CertificateSettingsNow(), m_messages);
}

void CalculationActions::ANahledExecute() {
  if (m_nahled && m_nahled->Render(m_state, CertificateSettingsNow())) m_nahled->showMaximized();
}

void CalculationActions::AExportPdfExecute() {
  if (m_printer) m_printer->PdfExport().Export(&m_window, m_state, CertificateSettingsNow(), m_messages);
}

void CalculationActions::ANastaveniTiskuExecute() {
  if (m_nastaveniTisku) m_nastaveniTisku->show();
}

void CalculationActions::BBZapatiClick() {
  if (m_zapati) m_zapati->ShowFor(m_session.Settings().Working.Footer);
}

void CalculationActions::AZobrazGrafNejistotExecute() {
  if (m_graf && m_pages.zadani.ReadCascadeOfPage(m_pages.vysledky.ChosenEntry()) &&
      CanShowUncertainties(m_state, m_messages))
    m_graf->ShowFor(m_state);
}

void CalculationActions::ActionZobrazTabulkuNejistotExecute() {
  if (m_tabulkaNejistot && m_pages.zadani.ReadCascadeOfPage(m_pages.vysledky.ChosenEntry()) &&
      CanShowUncertainties(m_state, m_messages))
    m_tabulkaNejistot->ShowFor(m_state, DecimalSeparator());
}

void CalculationActions::AExportExecute() {
  const CalculationNumber number{m_state.NumberInstallation, m_state.NumberCount, m_state.NumberIndex};
  const std::string chosen =
      m_chooseFile(&m_window, {true, Tr(str::kExportDialogTitle), FullNumberText(number)});
  if (chosen.empty()) return;
  const std::string path = ExportFilePath(chosen);
  FileSystem& fs = LocalFileSystem();
  if (!ConfirmExportPath(fs, path, m_messages)) return;
  // The file carries the inputs as the page shows them now; the export keeps the run's messages quiet.
  InputForm form = FormOfPages();
  const GatherContext context = ContextNow(false, m_pages.vysledky.ChosenEntry());
  if (m_session.Mode() == MainMode::Editing && !GatherInputs(form, m_state, m_derived, context)) {
    m_pages.zadani.ShowForm(form);
    return;
  }
  if (!GatherTexts(form, m_state, context)) return;
  if (ExportInputs(fs, path, m_state, m_messages)) m_session.ClearChanges();
}

void CalculationActions::AImportExecute() {
  const std::string path = m_chooseFile(&m_window, {false, Tr(str::kImportDialogTitle), {}});
  if (path.empty()) return;
  FileSystem& fs = LocalFileSystem();
  const std::optional<CalculationState> imported =
      ImportForEditing(fs, path, ReadWorkingSettings(fs, m_session.ConfigurationPath()), m_state, m_messages);
  if (!imported) return;
  m_pages.zadani.ShowCalculationOnPage(*imported);
  m_pages.vysledky.ClearResults();
  m_pages.zadani.MarkChanged();
}

}  // namespace pramo
