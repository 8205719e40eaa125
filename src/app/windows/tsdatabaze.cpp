#include "app/windows/tsdatabaze.h"

#include <QAction>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QShortcut>
#include <QTableWidget>
#include <QToolButton>

#include "windows/Language.h"
#include "windows/WindowText.h"
#include "core/NumberText.h"
#include "storage/FileSystem.h"
#include "core/Dates.h"
#include "storage/windows/companiesgroup.h"
#include "strings/app.h"
#include "strings/storage.h"
#include "ui_tsdatabaze.h"

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

TSDatabaze::TSDatabaze(SessionController& session, Messages& messages, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TSDatabaze>()), m_session(session), m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] {
    ui->retranslateUi(this);
    RetranslateDatabasePage();
  });
  for (QLineEdit* number : {ui->eCisloVypoctuCount, ui->eCisloVypoctuIdx}) {
    number->installEventFilter(this);
    connect(number, &QLineEdit::textChanged, this, &TSDatabaze::eCisloVypoctuCountChange);
  }
  SetUpDatabasePage();
  connect(ui->bZobrazitvypocet1, &QPushButton::clicked, this, &TSDatabaze::bZobrazitvypocet1Click);
  connect(ui->bNovyvypocet1, &QPushButton::clicked, this, &TSDatabaze::bNovyvypocet1Click);
  connect(ui->bbKopievypoctu1, &QPushButton::clicked, this, &TSDatabaze::bbKopievypoctu1Click);
  connect(ui->bbPrepocitatvypocet1, &QPushButton::clicked, this, &TSDatabaze::bbPrepocitatvypocet1Click);
}

TSDatabaze::~TSDatabaze() = default;

void TSDatabaze::SetUpDatabasePage() {
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
  const std::array<void (TSDatabaze::*)(), 4> commands{
      &TSDatabaze::bZobrazitvypocet1Click, &TSDatabaze::bNovyvypocet1Click, &TSDatabaze::bbKopievypoctu1Click,
      &TSDatabaze::bbPrepocitatvypocet1Click};
  for (std::size_t i = 0; i < commands.size(); ++i)
    connect(popup->addAction(ToQt(Tr(str::kPopupItem[i]))), &QAction::triggered, this, commands[i]);
  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid, &QWidget::customContextMenuRequested, this,
          [grid, popup](const QPoint& at) { popup->popup(grid->viewport()->mapToGlobal(at)); });
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter})
    connect(new QShortcut(QKeySequence(key), grid, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, &TSDatabaze::bZobrazitvypocet1Click);
  connect(grid, &QTableWidget::cellDoubleClicked, this, &TSDatabaze::bZobrazitvypocet1Click);
  connect(grid, &QTableWidget::currentCellChanged, this, [this](int row) { SGDatabaze6SelectCell(row + 1); });

  for (const Text& item : str::kFilterItem) ui->CBFiltr1->addItem(ToQt(Tr(item)));
  connect(ui->CBFiltr1, &QComboBox::currentIndexChanged, this, &TSDatabaze::CBFiltr1Change);
  connect(ui->CBFiltr2, &QComboBox::currentIndexChanged, this, &TSDatabaze::CBFiltr2Change);
  connect(ui->sbSeraditDleCislaVypoctu, &QToolButton::clicked, this,
          &TSDatabaze::sbSeraditDleCislaVypoctuClick);
  ShowSortButton(0);

  m_companies = new CompaniesGroup(m_messages, this);
  m_companies->setGeometry(ui->GBUtvaryDBPlace->geometry());
  ui->GBUtvaryDBPlace->hide();
  connect(m_companies, &CompaniesGroup::NamesChanged, this, &TSDatabaze::CompaniesGroupChanged);
}

void TSDatabaze::RetranslateDatabasePage() {
  QStringList headers;
  for (const Text& header : str::kColumnHeader) headers << ToQt(Tr(header));
  ui->SGDatabaze6->setHorizontalHeaderLabels(headers);
  if (auto* popup = ui->SGDatabaze6->findChild<QMenu*>(QStringLiteral("PMVypocty")))
    for (int i = 0; i < popup->actions().size(); ++i)
      popup->actions()[i]->setText(ToQt(Tr(str::kPopupItem[i])));
  for (int i = 0; i < ui->CBFiltr1->count(); ++i) ui->CBFiltr1->setItemText(i, ToQt(Tr(str::kFilterItem[i])));
  ShowSortButton(m_session.Settings().Interface.SortOrder);
}

// The sort button for an order: 1 lists in reverse file order. Its glyph and hint tell what a click does.
void TSDatabaze::ShowSortButton(int sortOrder) {
  m_session.Settings().Interface.SortOrder = sortOrder;
  ui->sbSeraditDleCislaVypoctu->setIcon(SortGlyph(1 - sortOrder));
  ui->sbSeraditDleCislaVypoctu->setToolTip(
      ToQt(Tr(sortOrder == 1 ? str::kSortAscending : str::kSortDescending)));
}

ListingFilter TSDatabaze::CurrentFilter() const {
  ListingFilter filter;
  filter.kind = static_cast<FilterKind>(std::max(0, ui->CBFiltr1->currentIndex()));
  filter.item = ui->CBFiltr2->currentIndex();
  filter.company = FromQt(ui->CBFiltr2->currentText());
  return filter;
}

ListingRequest TSDatabaze::CurrentListingRequest() const {
  ListingRequest request;
  request.filter = CurrentFilter();
  request.today = TodayDayCount();
  request.format.decimalSeparator = DecimalSeparator();
  request.format.shortDate = m_shortDateFormat;
  request.descending = m_session.Settings().Interface.SortOrder == 1;
  return request;
}

// The rows of the listing into the grid, with the selected row current and the counter.
void TSDatabaze::FillDatabaseGrid() {
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
void TSDatabaze::ShowNewListing() {
  m_selectedRow = 1;
  FillDatabaseGrid();
  ui->SGDatabaze6->scrollToTop();
}

// A database state with nothing listed: the grid empty until the second filter list chooses.
void TSDatabaze::EmptyDatabaseGrid() {
  m_listing.Clear();
  m_selectedRow = 1;
  FillDatabaseGrid();
}

// Every calculation, the second list empty.
void TSDatabaze::ResetFilter() {
  const QSignalBlocker quiet1(ui->CBFiltr1);
  const QSignalBlocker quiet2(ui->CBFiltr2);
  ui->CBFiltr1->setCurrentIndex(0);
  ui->CBFiltr2->clear();
  m_filterKind = 0;
  m_filterItem = -1;
}

// After a login: everything listed, in the remembered order, with the database's companies.
void TSDatabaze::ResetDatabasePage() {
  ResetFilter();
  ShowSortButton(m_session.Settings().Interface.SortOrder == 1 ? 1 : 0);
  m_companies->ListCompanies(m_session.Current().databasePath);
}

void TSDatabaze::SGDatabaze6SelectCell(int row) {
  if (row < 1 || static_cast<std::size_t>(row) == m_selectedRow) return;
  if ((m_session.Unsaved() || m_session.CalculationUnstored()) && !ConfirmDiscardUnsaved(m_messages)) {
    const QSignalBlocker quiet(ui->SGDatabaze6);
    ui->SGDatabaze6->setCurrentCell(static_cast<int>(m_selectedRow) - 1, 0);
    ui->SGDatabaze6->selectRow(static_cast<int>(m_selectedRow) - 1);
    return;
  }
  m_session.ClearChanges();
  m_selectedRow = static_cast<std::size_t>(row);
  ui->lVypocetPocetVypoctu->setText(
      ToQt(CounterText(std::min(m_selectedRow, m_listing.RowCount()), m_listing.RowCount())));
  emit ListingChoiceChanged();
}

// Asked before a filter change throws away unsaved work; false keeps the work and the old filter.
bool TSDatabaze::FilterChangeAllowed() {
  if (m_session.Unsaved() && !ConfirmDiscardUnsaved(m_messages)) return false;
  m_session.ClearChanges();
  emit ListingChoiceChanged();
  return true;
}

void TSDatabaze::CBFiltr1Change(int index) {
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

void TSDatabaze::CBFiltr2Change(int index) {
  if (index == m_filterItem) return;
  if (!FilterChangeAllowed()) {
    const QSignalBlocker quiet(ui->CBFiltr2);
    ui->CBFiltr2->setCurrentIndex(m_filterItem);
    return;
  }
  m_filterItem = index;
  if (index >= 0) ListDatabaseIntoGrid();
}

void TSDatabaze::sbSeraditDleCislaVypoctuClick() {
  ShowSortButton(m_session.Settings().Interface.SortOrder == 1 ? 0 : 1);
  m_listing.Reverse();
  m_selectedRow = SelectionAfterReversal(m_listing.RowCount(), m_selectedRow);
  FillDatabaseGrid();
  ui->SGDatabaze6->setFocus();
}

// The company field of the input page and, while it filters by company, the filter offer the names.
void TSDatabaze::CompaniesGroupChanged() {
  emit CompaniesChanged(m_companies->Names());
  if (static_cast<FilterKind>(m_filterKind) != FilterKind::Company) return;
  const QSignalBlocker quiet(ui->CBFiltr2);
  const QString chosen = ui->CBFiltr2->currentText();
  ui->CBFiltr2->clear();
  for (const std::string& name : m_companies->Names()) ui->CBFiltr2->addItem(ToQt(name));
  ui->CBFiltr2->setCurrentIndex(ui->CBFiltr2->findText(chosen));
  m_filterItem = ui->CBFiltr2->currentIndex();
}

const std::vector<std::string>& TSDatabaze::CompanyNames() const {
  return m_companies->Names();
}

DatabaseAccess TSDatabaze::Database() {
  return DatabaseAccess{LocalFileSystem(), PathsOf(m_session.Current().databasePath), m_messages};
}

bool TSDatabaze::ListDatabaseIntoGrid() {
  DatabaseAccess db = Database();
  ListingRequest request = CurrentListingRequest();
  // The login window's progress bar follows the records read; it is painted at once, since the listing
  // runs in one go without returning to the event loop.
  QProgressBar* bar = m_listingProgress;
  if (bar) {
    bar->setValue(0);
    bar->show();
    request.progress = [bar](int percent) {
      if (percent == bar->value()) return;
      bar->setValue(percent);
      bar->repaint();
    };
  }
  const bool listed = ListDatabase(db, request, m_listing);
  if (bar) bar->hide();
  ShowNewListing();
  return listed;
}

void TSDatabaze::ShowIdentification(const CalculationState& state, bool countWritable) {
  auto digits = [](unsigned value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
  };
  ShowEditText(ui->eCisloVypoctuInstal, digits(state.NumberInstallation, 2));
  ShowEditText(ui->eCisloVypoctuCount, digits(state.NumberCount, 5));
  ShowEditText(ui->eCisloVypoctuIdx, digits(state.NumberIndex, 2));
  ShowEditText(ui->EProjektant, ToQt(state.Designer));
  ui->eCisloVypoctuCount->setReadOnly(!countWritable);
  m_countWritable = countWritable;
}

void TSDatabaze::ClearIdentification() {
  for (QLineEdit* edit :
       {ui->eCisloVypoctuInstal, ui->eCisloVypoctuCount, ui->eCisloVypoctuIdx, ui->EProjektant})
    edit->clear();
}

void TSDatabaze::AllowNumberEdits(bool allowed) {
  ui->GBCisloVypoctu->setEnabled(allowed);
}

void TSDatabaze::bNovyvypocet1Click() {
  const Configuration& configuration = m_session.Settings();
  const auto state = NewCalculation(m_messages, m_session.SettingsChanged(), m_listing.HighestRunningCount(),
                                    configuration.Working, m_session.SignerNow());
  if (!state) return;
  emit EditingWanted(*state, true, true);
}

void TSDatabaze::bZobrazitvypocet1Click() {
  DatabaseAccess db = Database();
  const auto state = ShowCalculation(db, m_listing, m_selectedRow,
                                     m_session.SettingsChanged() || m_session.CalculationUnstored());
  if (state) emit CalculationOpened(*state);
}

void TSDatabaze::bbKopievypoctu1Click() {
  EditSelectedCalculation(true);
}

void TSDatabaze::bbPrepocitatvypocet1Click() {
  EditSelectedCalculation(false);
}

// The selected calculation as a copy under a new number, or recomputed under the next index of its own.
void TSDatabaze::EditSelectedCalculation(bool asCopy) {
  DatabaseAccess db = Database();
  const auto load = asCopy ? CopyCalculation : RecomputeCalculation;
  const auto state = load(db, m_listing, m_selectedRow, m_session.Unsaved(), m_session.Settings().Working,
                          m_session.SignerNow());
  if (state) emit EditingWanted(*state, asCopy, false);
}

void TSDatabaze::PutNumberInto(InputForm& form) const {
  form.eCisloVypoctuCount = FromQt(ui->eCisloVypoctuCount->text());
  form.eCisloVypoctuIdx = FromQt(ui->eCisloVypoctuIdx->text());
}

bool TSDatabaze::NumberEditsHoldNumbers() {
  for (QLineEdit* edit : {ui->eCisloVypoctuCount, ui->eCisloVypoctuIdx}) {
    if (IsWholeNumberText(FromQt(edit->text()))) continue;
    Tell(m_messages, MessageKind::Error, str::kWholeNumberExpected);
    emit PageWanted();
    edit->setFocus(Qt::OtherFocusReason);
    return false;
  }
  return true;
}

void TSDatabaze::AskForOtherNumber() {
  emit PageWanted();
  ui->eCisloVypoctuCount->setFocus(Qt::OtherFocusReason);
}

// Leaving a number edit: a whole number is shown with its digits, anything else gives way to the text the
// edit had on entry.
void TSDatabaze::NumberEditExit(QLineEdit* edit, int digits) {
  const QString shown =
      ToQt(NumberEditOnExit(FromQt(edit->text()), FromQt(m_textOnEntry), digits, m_messages));
  if (shown != m_textOnEntry) m_session.MarkSettingsChanged();
  ShowEditText(edit, shown);
}

void TSDatabaze::EAkceTypExit2() {
  NumberEditExit(ui->eCisloVypoctuCount, 5);
}

void TSDatabaze::eCisloVypoctuIdxExit() {
  NumberEditExit(ui->eCisloVypoctuIdx, 2);
}

void TSDatabaze::eCisloVypoctuCountChange() {
  emit NumberTyped(ui->eCisloVypoctuCount->text(), ui->eCisloVypoctuIdx->text());
}

bool TSDatabaze::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
  if (!edit || !focusChange) return QWidget::eventFilter(watched, event);
  // A message box or a pop-up taking the focus for a moment neither enters nor leaves the edit.
  const auto reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    if (event->type() == QEvent::FocusIn)
      m_textOnEntry = edit->text().trimmed();
    else
      edit == ui->eCisloVypoctuCount ? EAkceTypExit2() : eCisloVypoctuIdxExit();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pramo
