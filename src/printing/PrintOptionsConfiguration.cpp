#include "printing/PrintOptionsConfiguration.h"

namespace pramo {

PrintOptions PrintOptionsOf(const InterfaceState& state) {
  PrintOptions options;
  options.Description = state.PrintDescription;
  options.Cascade = state.PrintCascade;
  options.Graph = state.PrintGraph;
  options.Table = state.PrintUncertaintyTable;
  options.CascadeNewPage = state.CascadeOnNewPage;
  options.Standard = state.PrintStandard;
  options.Signatures = state.PrintSignatures;
  options.NonComplianceReasons = state.PrintNonComplianceReasons;
  return options;
}

void TakePrintOptions(const PrintOptions& options, InterfaceState& state) {
  state.PrintDescription = options.Description;
  state.PrintCascade = options.Cascade;
  state.PrintGraph = options.Graph;
  state.PrintUncertaintyTable = options.Table;
  state.CascadeOnNewPage = options.CascadeNewPage;
  state.PrintStandard = options.Standard;
  state.PrintSignatures = options.Signatures;
  state.PrintNonComplianceReasons = options.NonComplianceReasons;
}

}  // namespace pramo
