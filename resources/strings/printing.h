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
inline constexpr Text kHeaderCompanyLabel{6028, "Firma/Útvar"};
inline constexpr Text kHeaderMeasuringPointLabel{6029, "Měřicí místo:"};
inline constexpr Text kDesignerLabel{6030, "Navrhl:"};
inline constexpr Text kDatabaseLabel{6031, "Databáze: "};

// Properties of a certificate's PDF file: the program, the title with the number, the element and fluid.
inline constexpr Text kProgramName{6032, "Pramo"};
inline constexpr Text kDocumentTitle{6033, "%1 – %2"};
inline constexpr Text kDocumentSubject{6034, "%1, %2"};

// Zoom list of the preview.
inline constexpr Text kZoomItem[] = {{6040, "50 %"}, {6041, "75 %"}, {6042, "100 %"}, {6043, "150 %"}};

// Certificate body: section headings and row labels.
inline constexpr Text kDescriptionHeading{6100, "Popis"};
inline constexpr Text kInputsHeading{6101, "Zadané hodnoty"};
inline constexpr Text kElementLabel{6102, "Primární prvek"};
inline constexpr Text kFluidLabel{6103, "Tekutina"};
inline constexpr Text kAbsolutePressureLabel{6104, "Absolutní tlak"};
inline constexpr Text kGaugePressureLabel{6105, "Relativní tlak"};
inline constexpr Text kTemperatureLabel{6106, "Provozní teplota"};
inline constexpr Text kDensityLabel{6107, "Měrná hmotnost"};
inline constexpr Text kViscosityLabel{6108, "Viskozita"};
inline constexpr Text kHumidityLabel{6109, "Vlhkost (pro vlhký vzduch)"};
inline constexpr Text kKappaLabel{6110, "Izentropický exponent Cp/Cv"};
inline constexpr Text kBore20Label{6111, "Průměr otvoru primárního prvku d při 20°C"};
inline constexpr Text kBoreLabel{6112, "Průměr otvoru primárního prvku d při prov. podm."};
inline constexpr Text kPipe20Label{6113, "Průměr potrubí při 20 °C"};
inline constexpr Text kPipeLabel{6114, "Průměr potrubí při provozních podmínkách"};
inline constexpr Text kFlowOperatingLabel{6115, "Průtok provozní"};
inline constexpr Text kFlowMaximumLabel{6116, "Průtok maximální"};
inline constexpr Text kFlowMinimumLabel{6117, "Minimální průtok (zadaný)"};
inline constexpr Text kFlowLabel{6118, "Průtok"};
inline constexpr Text kFlowAsDryAirHeading{6119, "Průtok zadán jako Suchý vzduch"};
inline constexpr Text kDpMaximumLabel{6120, "Diferenční tlak maximální"};
inline constexpr Text kDpLabel{6121, "Diferenční tlak"};
inline constexpr Text kElementMaterialLabel{6122, "Materiál primárního prvku"};
inline constexpr Text kPipeMaterialRowLabel{6123, "Materiál potrubí"};

inline constexpr Text kIntermediateHeading{6130, "Mezivýsledky"};
inline constexpr Text kReynoldsLabel{6131, "Reynoldsovo číslo Re"};
inline constexpr Text kVelocityLabel{6132, "Rychlost"};
inline constexpr Text kReynoldsOperatingLabel{6133, "Reynoldsovo číslo při provozním průtoku"};
inline constexpr Text kVelocityOperatingLabel{6134, "Rychlost při provozním průtoku"};
inline constexpr Text kReynoldsMaximumLabel{6135, "Reynoldsovo číslo při maximálním průtoku"};
inline constexpr Text kVelocityMaximumLabel{6136, "Rychlost při maximálním průtoku"};
inline constexpr Text kReynoldsMinimumLabel{6137, "Reynoldsovo číslo při minimálním průtoku"};

inline constexpr Text kResultsHeading{6140, "Výsledné hodnoty"};
inline constexpr Text kDischargeCoefficientLabel{6141, "Součinitel průtoku C"};
inline constexpr Text kExpansibilityLabel{6142, "Součinitel expanze"};
inline constexpr Text kBetaLabel{6143, "Poměr průměrů Beta=d/D při provozních podm."};

inline constexpr Text kUpstreamLengthsLabel{6150, "Přímé délky před primárním prvkem:"};
inline constexpr Text kDownstreamLengthLabel{6151, "Přímá délka za primárním prvkem do nejbližší tvarovky"};
inline constexpr Text kPressureLossLabel{6152, "Tlaková ztráta"};
inline constexpr Text kPressureLossMaximumLabel{6153, "Tlaková ztráta při maximálním průtoku"};
inline constexpr Text kReynoldsMinimumAllowedLabel{6154, "Reynoldsovo číslo minimální povolené"};

inline constexpr Text kUncertaintiesLabel{6160, "Nejistoty:"};
inline constexpr Text kUncertaintyCItem{6161, "C - součinitel průtoku"};
inline constexpr Text kShortLengthsItem{6162, "zkráceních přímých délek"};
inline constexpr Text kOffsetItem{6163, "přesazení > 0,3%"};
inline constexpr Text kUncertaintyEpsilonItem{6164, "Eps - součinitel expanze"};
inline constexpr Text kUncertaintyPipeItem{6165, "D - průměr potrubí"};
inline constexpr Text kUncertaintyBoreItem{6166, "d - průměr primárního prvku"};
inline constexpr Text kUncertaintyDpItem{6167, "dP - tlaková diference"};
inline constexpr Text kUncertaintyDensityItem{6168, "Ro - měrná hmotnost"};
inline constexpr Text kFlowUncertaintyLabel{6169, "Nejistota provozního průtoku"};
inline constexpr Text kNotCompliant{6170, "!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!"};

inline constexpr Text kCascadeHeading{6180, "Kaskáda snímačů tlakové diference"};
inline constexpr Text kCascadeTransmitterLabel{6181, "Snímač tlakové diference"};
inline constexpr Text kCascadeRangeLabel{6182, "Rozsah            [Pa]"};
inline constexpr Text kCascadeAccuracyLabel{6183, "Přesnost           [%]"};

inline constexpr Text kGraphHeadingOld{6190, "Graf nejistoty průtoku"};
inline constexpr Text kGraphHeading{6191, "Graf nejistoty průtoku - pro "};
inline constexpr Text kGraphForBoth{6192, "kaskádu a zadaný snímač"};
inline constexpr Text kGraphForSingle{6193, "zadaný snímač"};
inline constexpr Text kGraphForCascade{6194, "kaskádu"};
inline constexpr Text kGraphVerticalTitle{6195, "nejistota [%]"};
inline constexpr Text kGraphHorizontalTitle{6196, "rozsah [%]"};
// The key under the graph names its curves as the graph window's switches do.
inline constexpr Text kGraphKeySingle{6197, "První snímač"};
inline constexpr Text kGraphKeyCascade{6198, "Kaskáda"};

inline constexpr Text kUncertaintyTablesHeading{6200, "Nejistoty průtoku"};

// Unit cells and notes of the body rows.
inline constexpr Text kUnitCell{6210, "[%1] :"};
inline constexpr Text kUnitEntryCell{6211, "%1 :"};
inline constexpr Text kNoUnitCell{6212, ":"};
inline constexpr Text kBarometricNote{6213, "[%1 Pa]"};
inline constexpr Text kFlowReferenceNote{6214, "[%1 Pa, %2°C]"};
inline constexpr Text kDensityReferenceNote{6215, "[%1 Pa, %2 °C]"};
inline constexpr Text kUnitMillimetres{6216, "mm"};
inline constexpr Text kUnitMetresPerSecond{6217, "m/s"};
inline constexpr Text kUnitPascal{6218, "Pa"};
inline constexpr Text kUnitPercent{6219, "%"};
inline constexpr Text kUnitKilogramsPerHour{6220, "kg/h"};

// The material lists that calculations of the older version tags were made with.
inline constexpr Text kOldElementMaterialItem[] = {
    {6230, "ČSN 17 246"}, {6231, "ČSN 15 123"}, {6232, "ČSN 17 021"}, {6233, "ČSN 17 248"},
    {6234, "ČSN 17 347"}, {6235, "ČSN 17 348"}, {6236, "ČSN 12 022"}, {6237, "jiný"},
};
inline constexpr Text kOldPipeMaterialItem[] = {
    {6240, "ČSN 11 373"}, {6241, "ČSN 15 123"}, {6242, "ČSN 17 021"}, {6243, "ČSN 17 246"},
    {6244, "ČSN 17 248"}, {6245, "ČSN 17 347"}, {6246, "ČSN 17 348"}, {6247, "jiný"},
};

// The footer text until one is set.
inline constexpr Text kDefaultFooterText{6250, "Firma x Telefon x URL"};

// The preview's status: the shown page of how many.
inline constexpr Text kPreviewPageStatus{6260, "Strana %1 z %2"};

// The print options of the certificate's own: the standard's parts and editions under the title, the
// signature block, and the reasons of a result outside the standard.
inline constexpr Text kStandardLine{6270, "Norma: ČSN EN ISO 5167-1:2003 a ČSN EN ISO 5167-%1:2003"};
inline constexpr Text kStandardOldLengths{6271, ", přímé délky dle ČSN EN ISO 5167-1:1998"};
inline constexpr Text kSignatureColumn[] = {
    {6272, "Vypracoval"},
    {6273, "Kontroloval"},
    {6274, "Schválil"},
};
inline constexpr Text kSignatureNameLabel{6275, "Jméno:"};
inline constexpr Text kSignatureDateLabel{6276, "Datum:"};
inline constexpr Text kSignatureLabel{6277, "Podpis:"};

// Export of the certificate as a PDF file.
inline constexpr Text kPdfExportTitle{6280, "Export osvědčení do PDF"};
inline constexpr Text kPdfExportFilter{6281, "Dokumenty PDF|*.pdf|Všechny soubory|*.*"};
inline constexpr Text kPdfExportFallbackName{6282, "osvedceni"};
inline constexpr Text kPdfWritten{6283, "Osvědčení bylo zapsáno do souboru\r\n%1"};

}  // namespace pramo::str
