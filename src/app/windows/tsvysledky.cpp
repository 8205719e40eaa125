#include "app/windows/tsvysledky.h"

#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "app/ResultsPage.h"
#include "windows/FixedGrid.h"
#include "windows/Icons.h"
#include "windows/Language.h"
#include "windows/WindowText.h"
#include "core/NumberText.h"
#include "core/Validity.h"
#include "storage/DatabasePage.h"
#include "strings/app.h"
#include "ui_tsvysledky.h"

namespace pramo {
namespace {

constexpr int kResultRowHeight = 22;

// One entry of the series list: its status icon, then each field under the header section of its number.
void DrawSeriesEntry(QPainter& painter, const QRect& rect, const QString& text, bool isEntry, bool selected,
                     const QPalette& palette, const QHeaderView* header) {
  painter.save();
  painter.fillRect(rect, selected ? palette.highlight() : palette.base());
  painter.setPen(selected ? palette.highlightedText().color() : palette.text().color());
  if (!isEntry) {
    painter.drawText(rect.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    painter.restore();
    return;
  }
  const SeriesEntryFields entry = SplitSeriesEntry(FromQt(text));
  const int iconSize = std::min(16, rect.height() - 2);
  painter.drawPixmap(rect.left() + 3, rect.top() + (rect.height() - iconSize) / 2,
                     StatusIcon(entry.status, iconSize));
  for (std::size_t i = 0; i < entry.fields.size() && static_cast<int>(i) + 1 < header->count(); ++i) {
    const int section = static_cast<int>(i) + 1;
    const QRect cell(rect.left() + header->sectionViewportPosition(section) + 1, rect.top(),
                     header->sectionSize(section) - 2, rect.height());
    painter.drawText(cell, Qt::AlignVCenter | Qt::AlignLeft, ToQt(entry.fields[i]));
  }
  painter.restore();
}

class SeriesEntryDelegate : public QStyledItemDelegate {
 public:
  SeriesEntryDelegate(const QHeaderView* header, QObject* parent)
      : QStyledItemDelegate(parent), m_header(header) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    DrawSeriesEntry(*painter, option.rect, index.data().toString(), index.data(Qt::UserRole).toBool(),
                    option.state & QStyle::State_Selected, option.palette, m_header);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), 20));
    return size;
  }

 private:
  const QHeaderView* m_header;
};

}  // namespace

TSVysledky::TSVysledky(CalculationState& state, DerivedValues& derived, Messages& messages, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::TSVysledky>()),
      m_state(state),
      m_derived(derived),
      m_messages(messages) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });

  // The series list draws its entries itself, under the sections of its header.
  HCVyber = new QHeaderView(Qt::Horizontal, ui->HCVyberHolder);
  HCVyber->setObjectName(QStringLiteral("HCVyber"));
  HCVyber->setModel(new QStandardItemModel(0, 10, HCVyber));
  HCVyber->setGeometry(0, 0, ui->HCVyberHolder->width(), ui->HCVyberHolder->height());
  HCVyber->setSectionResizeMode(QHeaderView::Fixed);
  HCVyber->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int sectionWidths[] = {26, 96, 70, 70, 80, 62, 74, 74, 62, 150};
  for (int i = 0; i < 10; ++i) HCVyber->resizeSection(i, sectionWidths[i]);
  ui->cbVyberZRady->setItemDelegate(new SeriesEntryDelegate(HCVyber, ui->cbVyberZRady));
  ui->cbVyberZRady->installEventFilter(this);

  // The grid keeps its column widths; a smaller font lets the longest labels fit them.
  QTableWidget* grid = ui->SGVysledky;
  QFont gridFont = grid->font();
  gridFont.setPointSize(8);
  grid->setFont(gridFont);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setRowCount(kResultRows);
  grid->setColumnCount(kResultColumns);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(kResultRowHeight);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::NoFocus);
  const int resultWidths[] = {140, 70, 257, 160, 70, 42};
  for (int c = 0; c < kResultColumns; ++c) grid->setColumnWidth(c, resultWidths[c]);
  for (int r = 0; r < kResultRows; ++r)
    for (int c = 0; c < kResultColumns; ++c) {
      QTableWidgetItem* item = FixedItem(QString());
      if (c == 1 || c == 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->setItem(r, c, item);
    }

  connect(ui->cbVyberZRady, &QComboBox::activated, this, &TSVysledky::cbVyberZRadyChange);
}

TSVysledky::~TSVysledky() = default;

void TSVysledky::LayOutResultsGrid(CalculationKind kind, bool elementMaterialOther) {
  m_kind = kind;
  const ResultsGrid grid = ResultsGridLayout(kind, elementMaterialOther);
  for (int r = 0; r < kResultRows; ++r)
    for (int c : {0, 2, 3, 5}) ui->SGVysledky->item(r, c)->setText(ToQt(grid[r][c]));
  LayOutSeriesHeader();
}

void TSVysledky::LayOutSeriesHeader() {
  const auto sections = SeriesHeaderSections(m_kind);
  for (int i = 0; i < 10; ++i) HCVyber->model()->setHeaderData(i, Qt::Horizontal, ToQt(sections[i]));
}

void TSVysledky::ClearResults() {
  {
    const QSignalBlocker blocker(ui->cbVyberZRady);
    ui->cbVyberZRady->clear();
    ui->cbVyberZRady->addItem(ToQt(Tr(str::kNoSeriesValues)));
    ui->cbVyberZRady->setCurrentIndex(0);
  }
  m_entries.clear();
  m_resultsStored = false;
  for (int r = 0; r < kResultRows; ++r)
    for (int c : {1, 4}) ui->SGVysledky->item(r, c)->setText(QString());
  ui->SGVysledky->setCurrentItem(nullptr);
  ui->LChybaVypoctu->setText(QStringLiteral(" % "));
}

void TSVysledky::ClearMemo() {
  ui->MChyboveHlaseni->clear();
}

void TSVysledky::FillSeriesList(const std::vector<SeriesEntry>& entries) {
  m_entries = entries;
  const QSignalBlocker blocker(ui->cbVyberZRady);
  ui->cbVyberZRady->clear();
  for (const SeriesEntry& entry : m_entries) ui->cbVyberZRady->addItem(ToQt(entry.text), true);
  ui->cbVyberZRady->setCurrentIndex(0);
}

bool TSVysledky::ShowEntries(const std::vector<SeriesEntry>& entries) {
  m_entries = entries;
  if (m_entries.empty()) return false;
  FillSeriesList(entries);
  cbVyberZRadyChange(0);
  return true;
}

void TSVysledky::ShowStoredResults() {
  ClearResults();
  m_resultsStored = true;
  FillSeriesList({SeriesEntry{DpAtMaximumFlow(m_state), ResultStatus(m_state.LimitFlags),
                              StoredSeriesEntryText(m_state, DecimalSeparator()), m_state}});
  cbVyberZRadyChange(0);
}

void TSVysledky::AllowChoice(bool allowed) {
  ui->cbVyberZRady->setEnabled(allowed);
}

void TSVysledky::FocusSeriesList() {
  ui->cbVyberZRady->setFocus();
}

void TSVysledky::DropDownSeriesList() {
  if (ui->cbVyberZRady->isVisible()) ui->cbVyberZRady->showPopup();
}

void TSVysledky::ShowNumber(const QString& count, const QString& index) {
  ui->GBVysledky->setTitle(ToQt(ResultGroupCaption(FromQt(count), FromQt(index))));
}

int TSVysledky::ChosenEntry() const {
  return ui->cbVyberZRady->currentIndex();
}

void TSVysledky::cbVyberZRadyChange(int index) {
  if (m_entries.empty()) return;
  if (index < 0 || index >= static_cast<int>(m_entries.size())) index = 0;
  // A stored calculation holds its results and the values its iteration needs are not prepared: it is
  // shown as stored, never recomputed.
  if (m_resultsStored) {
    SetFirstTransmitter(m_state, m_entries.front().seriesValue);
  } else {
    if (!ChooseSeriesEntry(index, m_state, m_derived, m_messages)) return;
    // The sized bore of the chosen entry is what a later check of the flow or Δp starts from.
    if (m_state.CalcKind == CalculationKind::Bore) emit BoreSized();
  }
  ShowResults();
}

void TSVysledky::ShowResults() {
  const char separator = DecimalSeparator();
  const double dpMax = m_state.CascadeRange[0];
  const ResultsGrid grid = ResultsGridOf(m_state, dpMax, separator);
  for (int r = 0; r < kResultRows; ++r)
    for (int c = 0; c < kResultColumns; ++c) ui->SGVysledky->item(r, c)->setText(ToQt(grid[r][c]));
  LayOutSeriesHeader();
  QStringList memo;
  for (const auto& line : ResultMemo(m_state, dpMax, separator)) memo << ToQt(line);
  ui->MChyboveHlaseni->setPlainText(memo.join(QLatin1Char('\n')));
  if (m_state.CalcKind == CalculationKind::Bore)
    ui->LChybaVypoctu->setText(ToQt(BoreDeviationText(CheckBore(m_state, dpMax).deviation, separator)));
  emit FirstTransmitterShown(dpMax, m_state.CascadeAccuracy[0]);
}

bool TSVysledky::eventFilter(QObject* watched, QEvent* event) {
  if (watched != ui->cbVyberZRady || event->type() != QEvent::Paint)
    return QWidget::eventFilter(watched, event);
  QComboBox* list = ui->cbVyberZRady;
  QStylePainter painter(list);
  QStyleOptionComboBox option;
  option.initFrom(list);
  option.editable = false;
  option.frame = true;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field =
      list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
  DrawSeriesEntry(painter, field, list->currentText(), list->currentData(Qt::UserRole).toBool(),
                  list->hasFocus(), list->palette(), HCVyber);
  return true;
}

}  // namespace pramo
