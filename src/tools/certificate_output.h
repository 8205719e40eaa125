#pragma once

#include <string>

#include "core/CalculationState.h"
#include "core/Messages.h"
#include "printing/Certificate.h"
#include "printing/PageEngine.h"

namespace pramo::tools {

// What the tools are asked to make of a calculation's certificate: a PDF file, preview pages as PNG
// images, or both, with the print settings that decide the content.
struct CertificateRequest {
  std::string pdfPath;  // empty: no PDF
  std::string pngDir;   // empty: no preview images
  PreviewZoom zoom = PreviewZoom::Full;
  CertificateSettings settings;
  bool separatorGiven = false;  // else the locale's decimal separator

  bool Wanted() const { return !pdfPath.empty() || !pngDir.empty(); }
};

// Renders the certificate of a computed calculation into the requested PDF file and PNG pages
// (DIR/page-1.png, …). The dates left empty in the request's settings become today's and the
// calculation's, in the locale's short date form, as the program prints them. False with the reason in error
// when the renderer cannot be loaded or refused (its message went to messages) or a file could not be
// written.
bool WriteCertificate(const CalculationState& state, const CertificateRequest& request, Messages& messages,
                      std::string& error);

// The renderer module's entry point, which WriteCertificate calls.
using CertificateWriter = bool(const CalculationState& state, const CertificateRequest& request,
                               Messages& messages, std::string& error);
inline constexpr const char* kCertificateWriterName = "pramo_write_certificate";

}  // namespace pramo::tools
