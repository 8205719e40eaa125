#pragma once

// String table: certificate printing (page header, footer, refusals, preview).

#include "language/StringTable.h"

namespace pramo::str {

inline constexpr Text kPrinterAccessError{6000, "Chyba přístupu k tiskárně..."};
inline constexpr Text kPaperTooSmall{
    6001, "Formát papíru je pro tisk osvědčení příliš malý!\r\nNastavte větší formát média, nejlépe A4."};

// Certificate titles by kind of calculation (bore, differential pressure, flow).
inline constexpr Text kCertificateTitle[] = {
    {6010, "Osvědčení o výpočtu primárního prvku dle ČSN EN ISO 5167"},
    {6011, "Osvědčení o výpočtu diferenčního tlaku dle ČSN EN ISO 5167"},
    {6012, "Osvědčení o výpočtu průtoku dle ČSN EN ISO 5167"},
};

// Page header.
inline constexpr Text kProgramLineOld{6020, "Kvantora verze 2"};
inline constexpr Text kProgramLine{6021, "Pramo verze "};
inline constexpr Text kProgramVersionFirst{6022, " 1.0"};
inline constexpr Text kProgramLineUnknown{6023, "X"};
inline constexpr Text kMakerLine{6024, "Tavor"};
inline constexpr Text kPageLabel{6025, "Strana "};
inline constexpr Text kNumberLabel{6026, "Číslo výpočtu:"};
inline constexpr Text kDateLabel{6027, "Datum výpočtu:"};
inline constexpr Text kCompanyLabel{6028, "Firma/Útvar"};
inline constexpr Text kMeasuringPointLabel{6029, "Měřicí místo:"};
inline constexpr Text kDesignerLabel{6030, "Navrhl:"};
inline constexpr Text kDatabaseLabel{6031, "Databáze: "};

// Zoom list of the preview.
inline constexpr Text kZoomItem[] = {{6040, "50 %"}, {6041, "75 %"}, {6042, "100 %"}, {6043, "150 %"}};

}  // namespace pramo::str
