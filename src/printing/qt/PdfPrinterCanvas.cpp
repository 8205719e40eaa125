#include "printing/qt/PdfPrinterCanvas.h"

#include <algorithm>

#include <QByteArray>
#include <QDateTime>
#include <QMarginsF>
#include <QPageLayout>
#include <QRegularExpression>

namespace pramo {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A PDF text string: UTF-16 with its byte order mark, in hexadecimal.
QByteArray PdfText(const std::string& text) {
  QByteArray bytes("\xFE\xFF", 2);
  for (const QChar unit : FromUtf8(text)) {
    bytes.append(static_cast<char>(unit.unicode() >> 8));
    bytes.append(static_cast<char>(unit.unicode() & 0xFF));
  }
  return "<" + bytes.toHex().toUpper() + ">";
}

QByteArray XmlText(const std::string& text) {
  return FromUtf8(text).toHtmlEscaped().toUtf8();
}

// The XMP packet of a PDF/A-1b document with the same properties as its document information.
QByteArray XmpMetadata(const DocumentInfo& info, const QString& created, const QString& producer) {
  const auto alt = [](const char* name, const std::string& text) {
    return QByteArray("<dc:") + name + "><rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlText(text) +
           "</rdf:li></rdf:Alt></dc:" + name + ">";
  };
  QByteArray dc = alt("title", info.Title);
  if (!info.Author.empty())
    dc += "<dc:creator><rdf:Seq><rdf:li>" + XmlText(info.Author) + "</rdf:li></rdf:Seq></dc:creator>";
  if (!info.Subject.empty()) dc += alt("description", info.Subject);
  return "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
         "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
         "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
         "<rdf:Description xmlns:dc=\"http://purl.org/dc/elements/1.1/\" rdf:about=\"\">" +
         dc +
         "</rdf:Description>\n"
         "<rdf:Description xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" rdf:about=\"\" xmp:CreatorTool=\"" +
         XmlText(info.Creator) + "\" xmp:CreateDate=\"" + created.toUtf8() + "\" xmp:ModifyDate=\"" +
         created.toUtf8() +
         "\"/>\n"
         "<rdf:Description xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" rdf:about=\"\" pdf:Producer=\"" +
         producer.toHtmlEscaped().toUtf8() +
         "\"/>\n"
         "<rdf:Description xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" rdf:about=\"\" "
         "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
         "</rdf:RDF></x:xmpmeta>\n<?xpacket end='w'?>";
}

QString Producer() {
  return QStringLiteral("Qt ") + QString::fromLatin1(qVersion());
}

}  // namespace

PdfPrinterCanvas::PdfPrinterCanvas(const QString& path, const QPageSize& paper)
    : PainterCanvas<PrinterCanvas>(kResolution), m_paperName(paper.name()), m_file(path), m_writer(&m_file) {
  m_writer.setResolution(kResolution);
  m_writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
  m_writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                     QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                                     QPageLayout::Point));
}

PdfPrinterCanvas::~PdfPrinterCanvas() {
  if (m_painter) Abandon();
}

std::optional<PrinterSettings> PdfPrinterCanvas::ReadSettings() {
  PrinterSettings settings;
  settings.DeviceName = "PDF " + m_paperName.toStdString() + " " + std::to_string(kResolution) + " dpi";
  settings.PrintQuality = kResolution;
  settings.VerticalResolution = kResolution;
  settings.LogicalDpiX = m_writer.logicalDpiX();
  settings.LogicalDpiY = m_writer.logicalDpiY();
  return settings;
}

int PdfPrinterCanvas::PageWidth() const {
  return m_writer.width();
}

int PdfPrinterCanvas::PageHeight() const {
  return m_writer.height();
}

bool PdfPrinterCanvas::BeginDocument(const std::string& title) {
  if (m_info.Title.empty()) m_info.Title = title;
  if (m_info.Creator.empty()) m_info.Creator = "Pramo";
  m_created = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
  m_writer.setTitle(FromUtf8(m_info.Title));
  m_writer.setCreator(FromUtf8(m_info.Creator));
  m_writer.setDocumentXmpMetadata(XmpMetadata(m_info, m_created, Producer()));
  if (!m_file.open(QIODevice::ReadWrite | QIODevice::Truncate)) return false;
  m_painter = std::make_unique<QPainter>();
  if (!m_painter->begin(&m_writer)) {
    Abandon();
    return false;
  }
  PreparePainter(*m_painter);
  return true;
}

void PdfPrinterCanvas::NewPage() {
  m_writer.newPage();
}

bool PdfPrinterCanvas::EndDocument() {
  if (!m_painter) return false;
  const bool ended = m_painter->end();
  m_painter.reset();
  if (ended && m_file.error() == QFileDevice::NoError && AppendDocumentInfo()) {
    m_file.close();
    return true;
  }
  m_file.close();
  m_file.remove();
  return false;
}

bool PdfPrinterCanvas::AppendDocumentInfo() {
  // The writer has just finished the file: its trailer names the information dictionary, which the update
  // replaces by one with author and subject and the dates of the XMP packet.
  if (!m_file.seek(std::max<qint64>(0, m_file.size() - 1024))) return false;
  const QString tail = QString::fromLatin1(m_file.read(1024));
  const auto number = [&](const char* pattern) {
    const QRegularExpressionMatch match = QRegularExpression(QString::fromLatin1(pattern)).match(tail);
    return match.hasMatch() ? match.captured(1) : QString();
  };
  const QString size = number("/Size (\\d+)");
  const QString info = number("/Info (\\d+) 0 R");
  const QString root = number("/Root (\\d+) 0 R");
  const QString id = number("/ID (\\[[^\\]]*\\])");
  const QString previous = number("startxref\\s+(\\d+)");
  if (size.isEmpty() || info.isEmpty() || root.isEmpty() || previous.isEmpty()) return false;

  const QDateTime created = QDateTime::fromString(m_created, Qt::ISODate);
  const QByteArray date = "(D:" + created.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
  QByteArray update = "\n";
  const qint64 offset = m_file.size() + update.size();
  update += info.toLatin1() + " 0 obj\n<<\n/Title " + PdfText(m_info.Title);
  if (!m_info.Author.empty()) update += "\n/Author " + PdfText(m_info.Author);
  if (!m_info.Subject.empty()) update += "\n/Subject " + PdfText(m_info.Subject);
  update += "\n/Creator " + PdfText(m_info.Creator) + "\n/Producer " + PdfText(Producer().toStdString()) +
            "\n/CreationDate " + date + "\n/ModDate " + date + "\n>>\nendobj\n";
  const qint64 xref = m_file.size() + update.size();
  update += "xref\n" + info.toLatin1() + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') +
            " 00000 n \ntrailer\n<<\n/Size " + size.toLatin1() + "\n/Info " + info.toLatin1() +
            " 0 R\n/Root " + root.toLatin1() + " 0 R\n";
  if (!id.isEmpty()) update += "/ID " + id.toLatin1() + "\n";
  update += "/Prev " + previous.toLatin1() + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
  return m_file.seek(m_file.size()) && m_file.write(update) == update.size() && m_file.flush();
}

void PdfPrinterCanvas::Abandon() {
  if (m_painter && m_painter->isActive()) m_painter->end();
  m_painter.reset();
  m_file.close();
  m_file.remove();
}

}  // namespace pramo
