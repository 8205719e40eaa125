#pragma once

#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/PageCanvas.h"
#include "printing/PageEngine.h"
#include "printing/PageFrame.h"
#include "printing/UncertaintyGraphDrawing.h"
#include "strings/printing.h"

namespace pramo {

// The print options of the print settings window.
struct PrintOptions {
  bool Description = true;      // "Popis": the description block
  bool Cascade = true;          // "Kaskádu": the cascade table; the cascade curve preselected in the graph
  bool Graph = true;            // "Graf nejistot"
  bool Table = true;            // "Tabulku nejistot": the two uncertainty tables
  bool CascadeNewPage = false;  // "Kaskádu vždy na novou stránku"
  bool Standard = true;         // "Norma": the parts and editions of the standard under the title
  bool Signatures = true;       // "Podpisy": the signature block at the end
  bool NonComplianceReasons = true;  // "Důvody nesplnění normy": the error memo under the warning

  bool operator==(const PrintOptions&) const = default;
};

// The texts of the input page's pressure and differential-pressure edits, which the certificate prints
// as they stand.
struct InputFieldTexts {
  std::string Pressure;
  std::string DpMax;
};

// The edit texts the input page shows for a calculation: the entered values in general format.
InputFieldTexts InputFieldTextsOf(const CalculationState& state, char decimalSeparator = '.');

// Everything besides the calculation that decides what a certificate shows. The caller takes the options,
// the footer and the owner name from the configuration and the windows, and formats the dates in the
// short date format in force.
struct CertificateSettings {
  PrintOptions Options;
  std::string FooterText = Tr(str::kDefaultFooterText);
  bool FooterOn = false;
  std::string OwnerName;
  std::string DatabasePath;     // the open database file, shown in the header
  std::string Today;            // today's date
  std::string CalculationDate;  // the date of the calculation
  char DecimalSeparator = '.';
  InputFieldTexts Fields;
  // The graph window's state: the print settings handed over with "Pro tisk", and the cascade switch.
  GraphPrintSettings GraphSettings;
  bool GraphCascadeSwitch = true;
  bool Numbered = true;  // false: a calculation without a number yet, whose header shows none
};

// The parts and editions of ČSN EN ISO 5167 a calculation follows, as the line under the title names them;
// empty for an unknown element.
std::string StandardLineOf(const CalculationState& state);

// The header and footer of every page for a calculation.
PageFrame CertificateFrame(const CalculationState& state, const CertificateSettings& settings);

// The properties of the certificate as a document: the title with the calculation number, the designer
// as its author, the element and the fluid as its subject, and the program.
DocumentInfo CertificateDocumentInfo(const CalculationState& state, const CertificateSettings& settings);

// The body of the certificate between header and footer, section by section: description, inputs,
// intermediate results, results, straight lengths, uncertainties and the validity warning, then (by the
// print options) the cascade table, the uncertainty graph and the two uncertainty tables.
void DrawCertificateBody(PageEngine& engine, const CalculationState& state,
                         const CertificateSettings& settings);

// The whole certificate on the printer's pages. False when the printer or the paper was refused or the
// job failed; the user has been told.
bool RenderCertificate(const CalculationState& state, const CertificateSettings& settings,
                       PrinterCanvas& printer, Messages& messages);

// The whole certificate on preview pages of the zoom's width, laid out for the printer's page.
bool RenderCertificatePreview(const CalculationState& state, const CertificateSettings& settings,
                              PrinterCanvas& printer, PreviewCanvas& preview, PreviewZoom zoom,
                              Messages& messages);

// The graph view the certificate draws: the stored print settings of the graph when they are set,
// otherwise the automatic scale with transmitter 1's curve, and the cascade curve when the option
// "Kaskádu" asks for it (else the graph window's switch decides). Without a second, third or fourth
// transmitter only transmitter 1's curve is drawn.
GraphView CertificateGraphView(const CalculationState& state, const UncertaintyCurves& curves,
                               const CertificateSettings& settings);

// The calculation with transmitter 1 of its cascade set as the results show it: ranging over the
// differential pressure at maximum flow, with the transmitter accuracy of the settings.
CalculationState CascadeOfResult(const CalculationState& state);

// Both curves of the shown result, with transmitter 1 of the cascade ranging over the differential
// pressure at its maximum flow.
UncertaintyCurves CertificateCurves(const CalculationState& state);

}  // namespace pramo
