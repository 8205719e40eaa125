#include "legacy/windows/tfconvert.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "legacy/windows/tfstavprevodu.h"
#include "storage/DatabasePage.h"
#include "storage/FileSystem.h"
#include "strings/legacy.h"
#include "ui_tfconvert.h"

namespace pramo {

namespace {

std::string ChooseLegacyFile(QWidget* parent, const std::string& title, const std::string& filter) {
  return FromQt(QFileDialog::getOpenFileName(parent, ToQt(title), QString(), ToQt(filter)));
}

// The hourglass while the old files are read.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TFConvert::TFConvert(Messages& messages, TFStavPrevodu& stavPrevodu, QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::TFConvert>()),
      m_messages(messages),
      m_stavPrevodu(stavPrevodu),
      m_chooseFile(ChooseLegacyFile) {
  ui->setupUi(this);
  setFixedSize(size());
  setWindowModality(Qt::ApplicationModal);
  QTableWidget* list = ui->SGVypVer20;
  list->setColumnCount(2);
  auto setTexts = [this, list] {
    ui->retranslateUi(this);
    list->setHorizontalHeaderLabels(
        {ToQt(Tr(str::kConvertListHeader[0])), ToQt(Tr(str::kConvertListHeader[1]))});
  };
  setTexts();
  RetranslateOnLanguageChange(this, setTexts);
  list->setColumnWidth(0, 70);
  list->setColumnWidth(1, 213);
  list->verticalHeader()->hide();
  list->verticalHeader()->setDefaultSectionSize(18);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(ui->BBSoubVypocty, &QToolButton::clicked, this, &TFConvert::BBSoubVypoctyClick);
  connect(ui->BBSoubFirmy, &QToolButton::clicked, this, &TFConvert::BBSoubFirmyClick);
  for (QRadioButton* encoding : {ui->RBKamenickych, ui->RBLatin2, ui->RBBezDiakritiky})
    connect(encoding, &QRadioButton::clicked, this, &TFConvert::RGCestinaClick);
  connect(ui->BPrevedVsechny, &QPushButton::clicked, this, &TFConvert::BPrevedVsechnyClick);
  connect(ui->BClose, &QPushButton::clicked, this, &QDialog::close);
}

TFConvert::~TFConvert() = default;

void TFConvert::ShowFor(const std::string& databaseFolder, const std::string& selectedDatabase,
                        const std::vector<std::string>& companyList) {
  m_folder = databaseFolder;
  m_mainCompanies = companyList;
  std::vector<std::string> items = DatabaseChoiceItems(LocalFileSystem(), databaseFolder);
  ui->CBDatabazePramo->clear();
  // The first item creates a new database, which is no target.
  for (std::size_t i = 1; i < items.size(); ++i) ui->CBDatabazePramo->addItem(ToQt(items[i]));
  ui->CBDatabazePramo->setCurrentIndex(ui->CBDatabazePramo->findText(ToQt(selectedDatabase)));
  show();
}

LegacyEncoding TFConvert::Encoding() const {
  if (ui->RBLatin2->isChecked()) return LegacyEncoding::Latin2;
  if (ui->RBBezDiakritiky->isChecked()) return LegacyEncoding::Plain;
  return LegacyEncoding::Kamenicky;
}

void TFConvert::BBSoubVypoctyClick() {
  const std::string path =
      m_chooseFile(this, Tr(str::kConvertCalculationsDialogTitle), Tr(str::kConvertCalculationsFilter));
  if (path.empty()) return;
  ShowEditText(ui->EVypVer2, ToQt(path));
  ReadList();
}

void TFConvert::BBSoubFirmyClick() {
  const std::string path =
      m_chooseFile(this, Tr(str::kConvertCompaniesDialogTitle), Tr(str::kConvertCompaniesFilter));
  if (path.empty()) return;
  ShowEditText(ui->EFirmyVer2, ToQt(path));
  ReadCompanies();
}

void TFConvert::RGCestinaClick() {
  ReadList();
}

void TFConvert::ReadList() {
  const std::string path = FromQt(ui->EVypVer2->text());
  if (path.empty()) return;
  const WaitCursor wait;
  const bool read = ReadLegacyList(path, Encoding(), m_list, m_messages);
  QTableWidget* list = ui->SGVypVer20;
  list->setRowCount(static_cast<int>(m_list.size()));
  for (std::size_t i = 0; i < m_list.size(); ++i) {
    list->setItem(static_cast<int>(i), 0, new QTableWidgetItem(ToQt(m_list[i].number)));
    list->setItem(static_cast<int>(i), 1, new QTableWidgetItem(ToQt(m_list[i].description)));
  }
  if (!m_list.empty()) list->selectRow(0);
  if (read) ReadCompanies();
}

void TFConvert::ReadCompanies() {
  const WaitCursor wait;
  ReadLegacyCompanies(FromQt(ui->EFirmyVer2->text()), Encoding(), m_companies, m_messages);
}

void TFConvert::BPrevedVsechnyClick() {
  if (m_run &&
      (m_run->Phase() == ConversionPhase::Calculations || m_run->Phase() == ConversionPhase::Companies))
    return;
  m_run.reset();
  ConversionRequest request;
  request.calculationsFile = FromQt(ui->EVypVer2->text());
  request.companiesFile = FromQt(ui->EFirmyVer2->text());
  request.encoding = Encoding();
  request.allCompanies = ui->ChBVsechnyFirmy->isChecked();
  const std::string item = FromQt(ui->CBDatabazePramo->currentText());
  std::optional<std::string> target;
  if (!request.calculationsFile.empty() && !item.empty()) {
    target = ChosenDatabasePath(LocalFileSystem(), m_folder, item, m_messages);
    if (!target) return;
  }
  m_target.emplace(DatabaseAccess{LocalFileSystem(), PathsOf(target.value_or(std::string())), m_messages});
  // The names the old calculations refer to join the company list of the main window; the target's own
  // names are replaced with its calculations.
  m_companyList = m_mainCompanies;
  m_run = std::make_unique<ConversionRun>(*m_target, m_companies, m_companyList);
  if (!m_run->Start(request)) return;
  m_stavPrevodu.Run(*m_run);
}

}  // namespace pramo
