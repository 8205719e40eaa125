#pragma once

// String table: uncertainty (flow uncertainty model, cascade of differential-pressure transmitters).

#include "language/StringTable.h"

namespace pramo::str {

// Cascade check before the graph, the table or storing.
inline constexpr Text kCascadeRangeNotBelowDpMax{
    2010,
    "Rozsah kaskádního snímače tlakové diference musí být menší než diferenční\r\ntlak při maximálním průtoku!"};

// Opening the graph or the table of the uncertainties.
inline constexpr Text kNoValuesComputed{2100, "Nejsou vypočteny žádné hodnoty!"};

// "Pro tisk" of the graph window.
inline constexpr Text kNoCurveChosen{
    2110,
    "Není zvolena žádná nejistota! Hodnoty pro tisk nejsou uloženy.\r\n\r\nNepřejete-li si tisknout graf nejistot, použijte volbu v menu Soubor | \r\nNastavení tisku."};
inline constexpr Text kGraphSettingsStored{
    2111, "Vlastnosti grafu pro tisk byly uloženy.\r\nToto je pouze dočasné nastavení pro aktuální výpočet."};

// Row labels of the uncertainty tables (window and certificate).
inline constexpr Text kTableFlowLabel{2120, "Průtok [%]"};
inline constexpr Text kTableSingleLabel{2121, "Nejistota 1 [%]"};
inline constexpr Text kTableCascadeLabel{2122, "Nej. kaskáda [%]"};

}  // namespace pramo::str
