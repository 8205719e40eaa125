// The database page of the main window: the grid of stored calculations with its filter, order and
// selection, and the company list of the open database.

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>

#include "app/windows/WindowText.h"
#include "app/windows/tfmain.h"
#include "core/Dates.h"
#include "storage/windows/companiesgroup.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "ui_tfmain.h"

namespace pramo {

namespace {

// Every listing shows at least this many rows, the header included.
constexpr int kLeastGridRows = 14;
constexpr int kGridRowHeight = 18;
constexpr int kColumnWidths[kListingColumns] = {70, 129, 95, 145, 75, 60, 164};

// The sort button's two glyphs: 0 an upward arrow (a click lists in file order), 1 a downward one.
QIcon SortGlyph(int index) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 128));
  const bool down = index == 1;
  painter.drawRect(QRectF(6.5, down ? 2 : 6, 3, 8));
  const QPointF head[] = {{2, down ? 9.0 : 7.0}, {14, down ? 9.0 : 7.0}, {8, down ? 15.0 : 1.0}};
  painter.drawPolygon(head, 3);
  return QIcon(pixmap);
}

}  // namespace

void TfMain::SetUpDatabasePage() {
  QTableWidget* grid = ui->SGDatabaze6;
  grid->setColumnCount(kListingColumns);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  // The columns have the widths of the program's tradition; a smaller face keeps a number or a date whole.
  QFont small = grid->font();
  small.setPointSize(8);
  grid->setFont(small);
  grid->horizontalHeader()->setFont(small);
  grid->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 2px; }"));
  grid->horizontalHeader()->setHighlightSections(false);
  // The selected row stays white on navy whether or not the grid has the focus.
  QPalette colours = grid->palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
    colours.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  grid->setPalette(colours);
  QStringList headers;
  for (const Text& header : str::kColumnHeader) headers << ToQt(Tr(header));
  grid->setHorizontalHeaderLabels(headers);

  auto* popup = new QMenu(grid);
  popup->setObjectName(QStringLiteral("PMVypocty"));
  const std::array<void (TfMain::*)(), 4> commands{&TfMain::bZobrazitvypocet1Click,
                                                   &TfMain::bNovyvypocet1Click, &TfMain::bbKopievypoctu1Click,
                                                   &TfMain::bbPrepocitatvypocet1Click};
  for (std::size_t i = 0; i < commands.size(); ++i)
    connect(popup->addAction(ToQt(Tr(str::kPopupItem[i]))), &QAction::triggered, this, commands[i]);
  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid, &QWidget::customContextMenuRequested, this,
          [grid, popup](const QPoint& at) { popup->popup(grid->viewport()->mapToGlobal(at)); });
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter})
    connect(new QShortcut(QKeySequence(key), grid, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &TfMain::bZobrazitvypocet1Click);
  connect(grid, &QTableWidget::cellDoubleClicked, this, &TfMain::bZobrazitvypocet1Click);
  connect(grid, &QTableWidget::currentCellChanged, this, [this](int row) { SGDatabaze6SelectCell(row + 1); });

  for (const Text& item : str::kFilterItem) ui->CBFiltr1->addItem(ToQt(Tr(item)));
  connect(ui->CBFiltr1, &QComboBox::currentIndexChanged, this, &TfMain::CBFiltr1Change);
  connect(ui->CBFiltr2, &QComboBox::currentIndexChanged, this, &TfMain::CBFiltr2Change);
  connect(ui->sbSeraditDleCislaVypoctu, &QToolButton::clicked, this, &TfMain::sbSeraditDleCislaVypoctuClick);
  ShowSortButton(0);

  m_companies = new CompaniesGroup(m_messages, ui->TSDatabaze);
  m_companies->setGeometry(ui->GBUtvaryDBPlace->geometry());
  ui->GBUtvaryDBPlace->hide();
  connect(m_companies, &CompaniesGroup::NamesChanged, this, &TfMain::CompaniesChanged);
}

void TfMain::RetranslateDatabasePage() {
  QStringList headers;
  for (const Text& header : str::kColumnHeader) headers << ToQt(Tr(header));
  ui->SGDatabaze6->setHorizontalHeaderLabels(headers);
  if (auto* popup = ui->SGDatabaze6->findChild<QMenu*>(QStringLiteral("PMVypocty")))
    for (int i = 0; i < popup->actions().size(); ++i)
      popup->actions()[i]->setText(ToQt(Tr(str::kPopupItem[i])));
  for (int i = 0; i < ui->CBFiltr1->count(); ++i) ui->CBFiltr1->setItemText(i, ToQt(Tr(str::kFilterItem[i])));
  ShowSortButton(m_configuration.Interface.SortOrder);
}

// The sort button for an order: 1 lists in reverse file order. Its glyph and hint tell what a click does.
void TfMain::ShowSortButton(int sortOrder) {
  m_configuration.Interface.SortOrder = sortOrder;
  ui->sbSeraditDleCislaVypoctu->setIcon(SortGlyph(1 - sortOrder));
  ui->sbSeraditDleCislaVypoctu->setToolTip(
      ToQt(Tr(sortOrder == 1 ? str::kSortAscending : str::kSortDescending)));
}

ListingFilter TfMain::CurrentFilter() const {
  ListingFilter filter;
  filter.kind = static_cast<FilterKind>(std::max(0, ui->CBFiltr1->currentIndex()));
  filter.item = ui->CBFiltr2->currentIndex();
  filter.company = FromQt(ui->CBFiltr2->currentText());
  return filter;
}

ListingRequest TfMain::CurrentListingRequest() const {
  ListingRequest request;
  request.filter = CurrentFilter();
  request.today = TodayDayCount();
  request.format.decimalSeparator = DecimalSeparator();
  request.format.shortDate = m_shortDateFormat;
  request.descending = m_configuration.Interface.SortOrder == 1;
  return request;
}

// The rows of the listing into the grid, with the selected row current and the counter.
void TfMain::FillDatabaseGrid() {
  QTableWidget* grid = ui->SGDatabaze6;
  const QSignalBlocker quiet(grid);
  const int rows = static_cast<int>(m_listing.RowCount());
  grid->clearContents();
  grid->setRowCount(std::max(kLeastGridRows - 1, rows));
  for (int c = 0; c < kListingColumns; ++c) grid->setColumnWidth(c, kColumnWidths[c]);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kListingColumns; ++c)
      grid->setItem(r, c,
                    new QTableWidgetItem(ToQt(std::string(m_listing.Cell(static_cast<std::size_t>(r), c)))));
  if (rows > 0) {
    const int current = static_cast<int>(std::min<std::size_t>(m_selectedRow, m_listing.RowCount())) - 1;
    grid->setCurrentCell(current, 0);
    grid->selectRow(current);
  } else {
    grid->clearSelection();
  }
  ui->lVypocetPocetVypoctu->setText(ToQt(CounterText(
      rows > 0 ? std::min<std::size_t>(m_selectedRow, m_listing.RowCount()) : 0, m_listing.RowCount())));
}

// A new reading of the database: its first row is the selected one, so that the highlighted row, the
// counter and what show, copy and recompute take are one calculation.
void TfMain::ShowNewListing() {
  m_selectedRow = 1;
  FillDatabaseGrid();
  ui->SGDatabaze6->scrollToTop();
}

// A database state with nothing listed: the grid empty until the second filter list chooses.
void TfMain::EmptyDatabaseGrid() {
  m_listing.Clear();
  m_selectedRow = 1;
  FillDatabaseGrid();
}

// Every calculation, the second list empty.
void TfMain::ResetFilter() {
  const QSignalBlocker quiet1(ui->CBFiltr1);
  const QSignalBlocker quiet2(ui->CBFiltr2);
  ui->CBFiltr1->setCurrentIndex(0);
  ui->CBFiltr2->clear();
  m_filterKind = 0;
  m_filterItem = -1;
}

// After a login: everything listed, in the remembered order, with the database's companies.
void TfMain::ResetDatabasePage() {
  ResetFilter();
  ShowSortButton(m_configuration.Interface.SortOrder == 1 ? 1 : 0);
  m_companies->ListCompanies(m_session.databasePath);
}

void TfMain::SGDatabaze6SelectCell(int row) {
  if (row < 1 || static_cast<std::size_t>(row) == m_selectedRow) return;
  if ((m_settingsChanged || m_textsChanged || ui->AUlozit->isEnabled()) &&
      !ConfirmDiscardUnsaved(m_messages)) {
    const QSignalBlocker quiet(ui->SGDatabaze6);
    ui->SGDatabaze6->setCurrentCell(static_cast<int>(m_selectedRow) - 1, 0);
    ui->SGDatabaze6->selectRow(static_cast<int>(m_selectedRow) - 1);
    return;
  }
  m_settingsChanged = m_textsChanged = false;
  m_selectedRow = static_cast<std::size_t>(row);
  ui->lVypocetPocetVypoctu->setText(
      ToQt(CounterText(std::min(m_selectedRow, m_listing.RowCount()), m_listing.RowCount())));
  SetMode(MainMode::User);
}

// Asked before a filter change throws away unsaved work; false keeps the work and the old filter.
bool TfMain::FilterChangeAllowed() {
  if ((m_settingsChanged || m_textsChanged) && !ConfirmDiscardUnsaved(m_messages)) return false;
  m_settingsChanged = m_textsChanged = false;
  SetMode(MainMode::User);
  return true;
}

void TfMain::CBFiltr1Change(int index) {
  if (index == m_filterKind) return;
  if (!FilterChangeAllowed()) {
    const QSignalBlocker quiet(ui->CBFiltr1);
    ui->CBFiltr1->setCurrentIndex(m_filterKind);
    return;
  }
  m_filterKind = index;
  {
    const QSignalBlocker quiet(ui->CBFiltr2);
    ui->CBFiltr2->clear();
    for (const std::string& item : SecondFilterItems(static_cast<FilterKind>(index), m_companies->Names()))
      ui->CBFiltr2->addItem(ToQt(item));
    ui->CBFiltr2->setCurrentIndex(-1);
  }
  m_filterItem = -1;
  EmptyDatabaseGrid();
  if (index == 0) ListDatabaseIntoGrid();
}

void TfMain::CBFiltr2Change(int index) {
  if (index == m_filterItem) return;
  if (!FilterChangeAllowed()) {
    const QSignalBlocker quiet(ui->CBFiltr2);
    ui->CBFiltr2->setCurrentIndex(m_filterItem);
    return;
  }
  m_filterItem = index;
  if (index >= 0) ListDatabaseIntoGrid();
}

void TfMain::sbSeraditDleCislaVypoctuClick() {
  ShowSortButton(m_configuration.Interface.SortOrder == 1 ? 0 : 1);
  m_listing.Reverse();
  m_selectedRow = SelectionAfterReversal(m_listing.RowCount(), m_selectedRow);
  FillDatabaseGrid();
  ui->SGDatabaze6->setFocus();
}

// The company field of the input page and, while it filters by company, the filter offer the names.
void TfMain::CompaniesChanged() {
  FillCompanyList();
  if (static_cast<FilterKind>(m_filterKind) != FilterKind::Company) return;
  const QSignalBlocker quiet(ui->CBFiltr2);
  const QString chosen = ui->CBFiltr2->currentText();
  ui->CBFiltr2->clear();
  for (const std::string& name : m_companies->Names()) ui->CBFiltr2->addItem(ToQt(name));
  ui->CBFiltr2->setCurrentIndex(ui->CBFiltr2->findText(chosen));
  m_filterItem = ui->CBFiltr2->currentIndex();
}

}  // namespace pramo
