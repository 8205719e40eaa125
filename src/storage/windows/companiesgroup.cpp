#include "storage/windows/companiesgroup.h"

#include <QLineEdit>

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "storage/Companies.h"
#include "storage/ListOrder.h"
#include "ui_companiesgroup.h"

namespace pramo {

namespace {

DatabaseAccess DatabaseAt(const std::string& path, Messages& messages) {
  return DatabaseAccess{LocalFileSystem(), PathsOf(path), messages};
}

}  // namespace

CompaniesGroup::CompaniesGroup(Messages& messages, QWidget* parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::CompaniesGroup>()), m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  ui->CBUtvarDB->lineEdit()->setMaxLength(static_cast<int>(kCompanyNameCapacity));
  connect(ui->CBUtvarDB, &QComboBox::activated, this, &CompaniesGroup::CBUtvarDBChange);
  connect(ui->CBUtvarDB->lineEdit(), &QLineEdit::returnPressed, this, &CompaniesGroup::BBPridejUtvarClick);
  connect(ui->BBPridejUtvar, &QPushButton::clicked, this, &CompaniesGroup::BBPridejUtvarClick);
  connect(ui->BBZmenJmenoUtvaru, &QPushButton::clicked, this, &CompaniesGroup::BBZmenJmenoUtvaruClick);
  connect(ui->BBOdstranUtvar, &QPushButton::clicked, this, &CompaniesGroup::BBOdstranUtvarClick);
}

CompaniesGroup::~CompaniesGroup() = default;

void CompaniesGroup::ListCompanies(const std::string& databasePath) {
  m_databasePath = databasePath;
  DatabaseAccess db = DatabaseAt(m_databasePath, m_messages);
  m_names = pramo::ListCompanies(db).value_or(std::vector<std::string>{});
  ShowNames();
}

void CompaniesGroup::ShowNames() {
  const QSignalBlocker quiet(ui->CBUtvarDB);
  ui->CBUtvarDB->clear();
  for (const std::string& name : m_names) ui->CBUtvarDB->addItem(ToQt(name));
  ClearChoice();
  emit NamesChanged();
}

void CompaniesGroup::ClearChoice() {
  m_chosen.reset();
  ui->CBUtvarDB->setCurrentIndex(-1);
  ui->CBUtvarDB->setEditText(QString());
  ui->LCelkemFiremUtvaru->setText(ToQt(CompanyCounterText(m_chosen, m_names.size())));
}

void CompaniesGroup::CBUtvarDBChange(int index) {
  if (index < 0) return;
  m_chosen = static_cast<std::size_t>(index);
  ui->LCelkemFiremUtvaru->setText(ToQt(CompanyCounterText(m_chosen, m_names.size())));
}

void CompaniesGroup::BBPridejUtvarClick() {
  const std::string name = FromQt(ui->CBUtvarDB->currentText());
  DatabaseAccess db = DatabaseAt(m_databasePath, m_messages);
  if (!AddCompany(db, m_names, name)) return;
  m_names.push_back(name);
  SortLikeList(m_names);
  ShowNames();
}

void CompaniesGroup::BBZmenJmenoUtvaruClick() {
  const std::string name = FromQt(ui->CBUtvarDB->currentText());
  DatabaseAccess db = DatabaseAt(m_databasePath, m_messages);
  if (!RenameCompany(db, m_names, m_chosen, name)) return;
  m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(*m_chosen));
  m_names.push_back(name);
  SortLikeList(m_names);
  ShowNames();
}

void CompaniesGroup::BBOdstranUtvarClick() {
  DatabaseAccess db = DatabaseAt(m_databasePath, m_messages);
  RemoveCompany(db, FromQt(ui->CBUtvarDB->currentText()));
  // Read again whether or not the name went: another user may have changed the list meanwhile.
  ListCompanies(m_databasePath);
}

}  // namespace pramo
