#include "printing/PageFrame.h"

#include <cstdio>
#include <iterator>

#include "core/ProgramVersion.h"
#include "strings/printing.h"

namespace pramo {

namespace {

bool IsIndexedTag(std::string_view versionTag) {
  return versionTag == "ver3.4" || versionTag == "ver3.5";
}

std::string ZeroPadded(unsigned long value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*lu", digits, value);
  return text;
}

// Calculations numbered before the index existed show installation and running count only.
std::string HeaderNumberText(const CalculationState& state) {
  std::string text = ZeroPadded(state.NumberInstallation, 2) + ZeroPadded(state.NumberCount, 5);
  if (IsIndexedTag(state.VersionTag)) {
    text += '-';
    text += ZeroPadded(state.NumberIndex, 2);
  }
  return text;
}

}  // namespace

std::string ProgramNameAndVersion() {
  return Tr(str::kProgramName) + " " + std::string(ProgramVersion());
}

std::string CertificateTitle(CalculationKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < std::size(str::kCertificateTitle) ? Tr(str::kCertificateTitle[index]) : std::string();
}

std::string ProgramLine(std::string_view versionTag) {
  if (versionTag == "ver2.2") return Tr(str::kProgramLineOld);
  if (versionTag == "ver3.3") return Tr(str::kProgramLine) + Tr(str::kProgramVersionFirst);
  if (IsIndexedTag(versionTag)) return Tr(str::kProgramLine) + std::string(ProgramVersion());
  return Tr(str::kProgramLineUnknown);
}

PageFrame PageFrameOf(const CalculationState& state) {
  PageFrame frame;
  frame.ProgramLine = ProgramLine(state.VersionTag);
  frame.Title = CertificateTitle(state.CalcKind);
  frame.NumberText = HeaderNumberText(state);
  frame.HasOriginRows = state.VersionTag == "ver3.3" || IsIndexedTag(state.VersionTag);
  if (frame.HasOriginRows) {
    frame.Company = state.Company;
    frame.MeasuringPoint = state.MeasuringPoint;
    frame.Designer = state.Designer;
  }
  return frame;
}

}  // namespace pramo
