#pragma once

#include <string>
#include <string_view>

#include "core/CalculationState.h"

namespace pramo {

// What the header and the footer of every certificate page show, gathered before rendering.
struct PageFrame {
  std::string ProgramLine;      // first header line, left
  std::string OwnerName;        // first header line, right
  std::string Today;            // second header line, right; the short date format
  std::string Title;            // by kind of calculation; empty for none
  std::string StandardLine;     // under the title, centred; empty for none
  std::string NumberText;       // the calculation number; also the print job title
  std::string CalculationDate;  // the short date format
  bool HasOriginRows = true;    // company, measuring point and designer rows
  std::string Company;          // company/department
  std::string MeasuringPoint;
  std::string Designer;
  std::string DatabasePath;  // the open database file
  bool FooterOn = false;
  std::string FooterText;
};

// The parts of the frame that the calculation decides (program line, title, number, origin rows),
// by its version tag. Owner, dates, database path and footer are left for the caller.
PageFrame PageFrameOf(const CalculationState& state);

// The title for a kind of calculation, empty for an unknown kind.
std::string CertificateTitle(CalculationKind kind);

// The running program with its version, "Pramo 1.2.2".
std::string ProgramNameAndVersion();

// The program that made a calculation of this version tag, as the header names it.
std::string ProgramLine(std::string_view versionTag);

}  // namespace pramo
