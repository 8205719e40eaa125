#include "printing/windows/tfnahled.h"

#include <algorithm>

#include <QLabel>
#include <QPainter>
#include <QStyle>

#include "windows/Icons.h"
#include "windows/Language.h"
#include "printing/windows/CertificatePrinter.h"
#include "printing/windows/QtPrinterCanvas.h"
#include "strings/printing.h"
#include "ui_tfnahled.h"

namespace pramo {

namespace {

constexpr PreviewZoom kZooms[] = {PreviewZoom::Half, PreviewZoom::ThreeQuarters, PreviewZoom::Full,
                                  PreviewZoom::OneAndHalf};
constexpr int kPageOffset = 10;
constexpr int kShadowOffset = 18;
// The page numbers are kept in a byte.
constexpr int kMaxPages = 255;

}  // namespace

TFNahled::TFNahled(Messages& messages, CertificatePrinter& printer, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFNahled>()), m_messages(messages), m_printer(printer) {
  ui->setupUi(this);
  RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setWindowModality(Qt::ApplicationModal);
  ui->TBTisk5->setIcon(PrintIcon());
  ui->TBExportPdf->setIcon(QIcon::fromTheme(QStringLiteral("document-export"), ToolIcon(ToolGlyph::Export)));
  ui->TBPrvni->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
  ui->TBPredchozi->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
  ui->TBDalsi->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
  ui->TBPosledni->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
  for (PreviewZoom zoom : kZooms) ui->CBMeritko->addItem(QString::fromStdString(ZoomEntryText(zoom)));
  ui->CBMeritko->setCurrentIndex(2);
  ui->SBNahled->setBackgroundRole(QPalette::Dark);
  ui->PNahled->setAutoFillBackground(false);

  m_statusPage = new QLabel(this);
  m_statusPage->setFixedWidth(100);
  m_statusPrinter = new QLabel(this);
  m_statusPrinter->setMinimumWidth(50);
  ui->SBNahledDoleni->addWidget(m_statusPage);
  ui->SBNahledDoleni->addWidget(m_statusPrinter, 1);

  connect(ui->TBTisk5, &QToolButton::clicked, this, &TFNahled::TBTisk5Click);
  connect(ui->TBExportPdf, &QToolButton::clicked, this, &TFNahled::TBExportPdfClick);
  connect(ui->TBPrvni, &QToolButton::clicked, this, &TFNahled::TBPrvniClick);
  connect(ui->TBPredchozi, &QToolButton::clicked, this, &TFNahled::TBPredchoziClick);
  connect(ui->TBDalsi, &QToolButton::clicked, this, &TFNahled::TBDalsiClick);
  connect(ui->TBPosledni, &QToolButton::clicked, this, &TFNahled::TBPosledniClick);
  connect(ui->BZavritNahled, &QPushButton::clicked, this, &QDialog::close);
  connect(ui->CBMeritko, &QComboBox::activated, this, &TFNahled::CBMeritkoChange);
}

TFNahled::~TFNahled() = default;

PreviewZoom TFNahled::Zoom() const {
  return kZooms[std::clamp(ui->CBMeritko->currentIndex(), 0, 3)];
}

bool TFNahled::Render(const CalculationState& state, const CertificateSettings& settings) {
  m_state = state;
  m_settings = settings;
  QtPrinterCanvas printer(m_printer.Printer());
  return RenderCertificatePreview(m_state, m_settings, printer, m_preview, Zoom(), m_messages);
}

QString TFNahled::PageStatus() const {
  return QString::fromStdString(
      Format(str::kPreviewPageStatus, {std::to_string(m_current), std::to_string(Pages().size())}));
}

void TFNahled::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFNahled::FormShow() {
  const bool pages = !Pages().empty();
  m_current = pages ? 1 : 0;
  ui->TBTisk5->setEnabled(pages);
  ui->TBExportPdf->setEnabled(pages);
  EnablePaging(false, Pages().size() >= 2);
  LoadPage();
  ShowPageStatus();
  m_statusPrinter->setText(m_printer.PrinterName());
}

void TFNahled::EnablePaging(bool backwards, bool forwards) {
  ui->TBPrvni->setEnabled(backwards);
  ui->TBPredchozi->setEnabled(backwards);
  ui->TBDalsi->setEnabled(forwards);
  ui->TBPosledni->setEnabled(forwards);
}

// The shown page and its shadow, both at the page's size, on the grey area.
void TFNahled::LoadPage() {
  if (m_current < 1 || m_current > static_cast<int>(Pages().size())) {
    ui->INahled->clear();
    ui->INahledStin->clear();
    return;
  }
  const QImage& page = Pages()[static_cast<std::size_t>(m_current - 1)];
  ui->INahled->setPixmap(QPixmap::fromImage(page));
  ui->INahled->setGeometry(kPageOffset, kPageOffset, page.width(), page.height());
  QPixmap shadow(page.size());
  shadow.fill(QColor(64, 64, 64));
  ui->INahledStin->setPixmap(shadow);
  ui->INahledStin->setGeometry(kShadowOffset, kShadowOffset, page.width(), page.height());
  ui->PNahled->resize(page.width() + kShadowOffset + kPageOffset,
                      page.height() + kShadowOffset + kPageOffset);
}

void TFNahled::ShowPageStatus() {
  m_statusPage->setText(PageStatus());
}

void TFNahled::TBPrvniClick() {
  m_current = 1;
  LoadPage();
  EnablePaging(false, true);
  ShowPageStatus();
}

void TFNahled::TBPredchoziClick() {
  m_current = std::max(m_current - 1, 1);
  LoadPage();
  EnablePaging(m_current > 1, true);
  ShowPageStatus();
}

void TFNahled::TBDalsiClick() {
  const int count = static_cast<int>(Pages().size());
  m_current = std::min(m_current + 1, count);
  LoadPage();
  EnablePaging(true, m_current < count);
  ShowPageStatus();
}

void TFNahled::TBPosledniClick() {
  m_current = std::min(static_cast<int>(Pages().size()), kMaxPages);
  LoadPage();
  EnablePaging(true, false);
  ShowPageStatus();
}

// All pages are rebuilt at the new width; the page number stays.
void TFNahled::CBMeritkoChange(int) {
  QtPrinterCanvas printer(m_printer.Printer());
  RenderCertificatePreview(m_state, m_settings, printer, m_preview, Zoom(), m_messages);
  m_current = std::min(m_current, static_cast<int>(Pages().size()));
  LoadPage();
  ShowPageStatus();
  ui->SBNahled->setFocus();
}

void TFNahled::TBExportPdfClick() {
  m_printer.PdfExport().Export(this, m_state, m_settings, m_messages);
}

void TFNahled::TBTisk5Click() {
  if (m_printer.AskAndPrint(this, m_state, m_settings, m_messages))
    m_statusPrinter->setText(m_printer.PrinterName());
}

}  // namespace pramo
