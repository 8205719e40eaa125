#include "printing/PrintOptionsConfiguration.h"

#include <gtest/gtest.h>

namespace pramo {
namespace {

// Each option alone travels through the configuration's interface state and back, so none is dropped or
// taken for another.
TEST(PrintOptionsConfiguration, EveryOptionKeepsItsOwnKey) {
  bool PrintOptions::*const options[] = {
      &PrintOptions::Description,    &PrintOptions::Cascade,
      &PrintOptions::Graph,          &PrintOptions::Table,
      &PrintOptions::CascadeNewPage, &PrintOptions::Standard,
      &PrintOptions::Signatures,     &PrintOptions::NonComplianceReasons,
  };
  EXPECT_EQ(PrintOptionsOf(InterfaceState{}), PrintOptions{});
  for (bool PrintOptions::*option : options) {
    PrintOptions flipped;
    flipped.*option = !(flipped.*option);
    InterfaceState state;
    TakePrintOptions(flipped, state);
    EXPECT_EQ(PrintOptionsOf(state), flipped);
  }
}

}  // namespace
}  // namespace pramo
