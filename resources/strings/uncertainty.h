#pragma once

// String table: uncertainty (flow uncertainty model, cascade of differential-pressure transmitters).

#include "language/StringTable.h"

namespace pramo::str {

// Reading the cascade grid.
inline constexpr Text kCascadeRangeInvalid{2000, "Špatně zadán diferenční tlak kaskády!"};
inline constexpr Text kCascadeAccuracyInvalid{2001, "Špatně zadána přesnost snímače tlakové diference!"};
// %1: the transmitter number 2..4.
inline constexpr Text kCascadeAccuracyTooSmall{
    2002, "Zadaná přesnost snímače tlakové diference %1 je příliš malá!"};

// Cascade check before the graph, the table or storing.
inline constexpr Text kCascadeRangeNotBelowDpMax{2010,
                                                 "Rozsah kaskádního snímače tlakové diference musí být menší "
                                                 "než diferenční\r\ntlak při maximálním průtoku!"};

}  // namespace pramo::str
