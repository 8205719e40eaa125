#include "tools/certificate_output.h"

#include <QDir>
#include <QImage>
#include <QString>

#include "core/Dates.h"
#include "printing/qt/HeadlessGui.h"
#include "printing/qt/ImagePreviewCanvas.h"
#include "printing/qt/LocaleFormats.h"
#include "printing/qt/PdfPrinterCanvas.h"

namespace pramo::tools {

namespace {

bool ReadSwitch(const std::string& value, bool& flag) {
  if (value == "on") {
    flag = true;
  } else if (value == "off") {
    flag = false;
  } else {
    return false;
  }
  return true;
}

// The zoom list's entries without their " %".
bool ReadZoom(const std::string& value, PreviewZoom& zoom) {
  for (PreviewZoom candidate :
       {PreviewZoom::Half, PreviewZoom::ThreeQuarters, PreviewZoom::Full, PreviewZoom::OneAndHalf}) {
    if (ZoomEntryText(candidate) == value + " %") {
      zoom = candidate;
      return true;
    }
  }
  return false;
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool WritePages(const ImagePreviewCanvas& preview, const std::string& dir, std::string& error) {
  if (!QDir().mkpath(FromUtf8(dir))) {
    error = "cannot create the folder " + dir;
    return false;
  }
  const QDir folder(FromUtf8(dir));
  for (std::size_t page = 0; page < preview.Pages().size(); ++page) {
    const QString name = QStringLiteral("page-%1.png").arg(page + 1);
    if (!preview.Pages()[page].save(folder.filePath(name), "PNG")) {
      error = "cannot write " + folder.filePath(name).toStdString();
      return false;
    }
  }
  return true;
}

}  // namespace

const char* const kCertificateUsage =
    "certificate: --certificate FILE.pdf  --png DIR  --zoom 50|75|100|150\n"
    "             --description on|off  --cascade on|off  --graph on|off  --uncertainty-table on|off\n"
    "             --cascade-new-page on|off  --footer on|off  --footer-text TEXT  --owner NAME\n"
    "             --database PATH  --decimal-separator .|,\n";

OptionRead ReadCertificateOption(int argc, char** argv, int& i, CertificateRequest& request,
                                 std::string& error) {
  const std::string option = argv[i];
  CertificateSettings& settings = request.settings;
  PrintOptions& print = settings.Options;
  struct SwitchOption {
    const char* name;
    bool* flag;
  };
  const SwitchOption switchOptions[] = {
      {"--description", &print.Description},
      {"--cascade", &print.Cascade},
      {"--graph", &print.Graph},
      {"--uncertainty-table", &print.Table},
      {"--cascade-new-page", &print.CascadeNewPage},
      {"--footer", &settings.FooterOn},
  };
  const char* const valued[] = {
      "--certificate", "--png", "--zoom", "--footer-text", "--owner", "--database", "--decimal-separator"};
  bool known = false;
  for (const SwitchOption& s : switchOptions) known = known || option == s.name;
  for (const char* name : valued) known = known || option == name;
  if (!known) return OptionRead::NotMine;
  if (i + 1 >= argc) {
    error = option + " needs a value";
    return OptionRead::Bad;
  }
  const std::string value = argv[++i];

  for (const SwitchOption& s : switchOptions) {
    if (option != s.name) continue;
    if (ReadSwitch(value, *s.flag)) return OptionRead::Taken;
    error = option + " takes on or off";
    return OptionRead::Bad;
  }
  if (option == "--certificate") {
    request.pdfPath = value;
  } else if (option == "--png") {
    request.pngDir = value;
  } else if (option == "--zoom") {
    if (!ReadZoom(value, request.zoom)) {
      error = "--zoom takes 50, 75, 100 or 150";
      return OptionRead::Bad;
    }
  } else if (option == "--footer-text") {
    settings.FooterText = value;
  } else if (option == "--owner") {
    settings.OwnerName = value;
  } else if (option == "--database") {
    settings.DatabasePath = value;
  } else if (option == "--decimal-separator") {
    if (value != "." && value != ",") {
      error = "--decimal-separator takes . or ,";
      return OptionRead::Bad;
    }
    settings.DecimalSeparator = value[0];
    request.separatorGiven = true;
  }
  return OptionRead::Taken;
}

bool WriteCertificate(const CalculationState& state, const CertificateRequest& request, Messages& messages,
                      std::string& error) {
  CertificateSettings settings = request.settings;
  if (!request.separatorGiven) settings.DecimalSeparator = LocaleDecimalPoint();
  if (settings.Today.empty()) settings.Today = LocaleShortDate(TodayDayCount());
  if (settings.CalculationDate.empty()) settings.CalculationDate = LocaleShortDate(state.Date);
  if (settings.Fields.Pressure.empty() && settings.Fields.DpMax.empty())
    settings.Fields = InputFieldTextsOf(state, settings.DecimalSeparator);

  HeadlessGui gui;
  // The preview is laid out for the same printer, which is only measured: its file is written only when
  // the document is begun.
  PdfPrinterCanvas printer(FromUtf8(request.pdfPath));
  printer.SetDocumentInfo(CertificateDocumentInfo(state, settings));
  if (!request.pdfPath.empty() && !RenderCertificate(state, settings, printer, messages)) {
    error = "the certificate could not be written to " + request.pdfPath;
    return false;
  }
  if (request.pngDir.empty()) return true;
  ImagePreviewCanvas preview;
  if (!RenderCertificatePreview(state, settings, printer, preview, request.zoom, messages)) {
    error = "the certificate preview could not be drawn";
    return false;
  }
  return WritePages(preview, request.pngDir, error);
}

}  // namespace pramo::tools
