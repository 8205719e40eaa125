#pragma once

// String table: the calculation run, the flow and current table, the diagnostic export.

#include "language/StringTable.h"

namespace pramo::str {

inline constexpr Text kChooseFluid{3000, "Zvolte tekutinu!"};
inline constexpr Text kBadInput{3001, "Špatně zadáno!"};
inline constexpr Text kNoSeriesValues{3002, "Žádné hodnoty nejsou k dispozici !"};

// Flow and current table.
inline constexpr Text kTableHeader[] = {
    {3100, " Průtok [%]"},     {3101, "  Průtok [kg/h]"}, {3102, "  Delta p [Pa]"},
    {3103, "  I [mA] (4-20)"}, {3104, "  I [mA] (0-20)"},
};

// Diagnostic export.
inline constexpr Text kDiagnosticTitle{3200, "Pramo data"};
inline constexpr Text kDiagnosticPrompt{3201, "Zadejte cestu a jméno souboru"};
inline constexpr Text kDiagnosticHeader{3202,
                                        "Průtok;Součinitel průtoku;Součinitel "
                                        "expanze;Beta;d1;d20;C;Eps;D;d;dP;Nej. průtoku;Nej. průt. kask.;0,5% "
                                        "Zkrácení přímých délek;eEpsq"};
inline constexpr Text kDiagnosticNotSaved{3203, "Data se nepodařilo uložit."};
inline constexpr Text kDiagnosticSaved{3204, "Data byla uložena."};
inline constexpr Text kDeveloperMode{
    3205,
    "Developer Menu.\r\nPovoleno uložení všech výpočtů!\r\n\r\nPři náhodném spuštění tohoto režimu, prosím "
    "ukončete program Pramo!\r\nOpětovným spuštěním programu bude vše vpořádku."};

}  // namespace pramo::str
