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
inline constexpr Text kDiagnosticHeader{
    3202,
    "Průtok;Součinitel průtoku;Součinitel expanze;Beta;d1;d20;C;Eps;D;d;dP;Nej. průtoku;Nej. průt. kask.;0,5% Zkrácení přímých délek;eEpsq"};
inline constexpr Text kDiagnosticNotSaved{3203, "Data se nepodařilo uložit."};
inline constexpr Text kDiagnosticSaved{3204, "Data byla uložena."};
inline constexpr Text kDeveloperMode{
    3205,
    "Developer Menu.\r\nPovoleno uložení všech výpočtů!\r\n\r\nPři náhodném spuštění tohoto režimu, prosím ukončete program Pramo!\r\nOpětovným spuštěním programu bude vše vpořádku."};

// Results page: the series list header and the results grid.
inline constexpr Text kSeriesHeaderBore[] = {
    {3300, "Delta_p [Pa]"}, {3301, "C"},     {3302, "Beta"},
    {3303, "d1 [mm]"},      {3304, "e [%]"}, {3305, "e_min [%]"},
    {3306, "e_max [%]"},    {3307, "L [m]"}, {3308, "Tlaková ztráta [Pa]"},
};
inline constexpr Text kSeriesHeaderFlow{3309, "Průtok [kg/h]"};
inline constexpr Text kResultAbsolutePressure{3310, "Absolutní tlak"};
inline constexpr Text kResultTemperature{3311, "Provozní teplota"};
inline constexpr Text kResultDensity{3312, "Měrná hmotnost"};
inline constexpr Text kResultViscosity{3313, "Dynamická viskozita"};
inline constexpr Text kResultKappa{3314, "Izentropický exponent"};
inline constexpr Text kResultFlow{3315, "Průtok provozní"};
inline constexpr Text kResultFlowMax{3316, "Průtok maximální"};
inline constexpr Text kResultFlowMinGiven{3317, "Minimální průtok (zadaný)"};
inline constexpr Text kResultPipeDiameter{3318, "Průměr potrubí provozní"};
inline constexpr Text kResultDpMax{3319, "Diferenční tlak maximální"};
inline constexpr Text kResultDpOperating{3320, "Diferenční tlak provozní"};
inline constexpr Text kResultReDMax{3321, "Reynoldsovo číslo Re_Dmax"};
inline constexpr Text kResultVelocityMax{3322, "Maximální rychlost"};
inline constexpr Text kResultEpsilon{3323, "Součinitel expanze"};
inline constexpr Text kResultC{3324, "Součinitel průtoku"};
inline constexpr Text kResultBeta{3325, "Poměr průměrů Beta=d/D"};
inline constexpr Text kResultBore{3326, "Prům. otvoru prim. prvku d"};
inline constexpr Text kResultUncertainty{3327, "Nejistota prov. průtoku"};
inline constexpr Text kResultUncertaintyMin{3328, "Nejistota min. průtoku"};
inline constexpr Text kResultUncertaintyMax{3329, "Nejistota max. průtoku"};
inline constexpr Text kResultFlowMinAllowed{3330, "Min. průtok (vypočtený)"};
inline constexpr Text kResultStraightLength{3331, "Minimální přímá délka"};
inline constexpr Text kResultReD{3332, "Reynoldsovo číslo Re"};
inline constexpr Text kResultVelocity{3333, "Rychlost"};
inline constexpr Text kResultUncertaintyOnly{3334, "Nejistota průtoku"};
inline constexpr Text kResultFlowOnly{3335, "Průtok"};
inline constexpr Text kResultDp{3336, "Diferenční tlak"};
inline constexpr Text kGridUnitPa{3340, "Pa"};
inline constexpr Text kGridUnitCelsius{3341, "°C"};
inline constexpr Text kGridUnitDensity{3342, "kg/m3"};
inline constexpr Text kGridUnitViscosity{3343, "1E-6 Pa.s"};
inline constexpr Text kGridUnitNone{3344, "-"};
inline constexpr Text kGridUnitKgPerHour{3345, "kg/h"};
inline constexpr Text kGridUnitMm{3346, "mm"};
inline constexpr Text kGridUnitMetresPerSecond{3347, "m/s"};
inline constexpr Text kGridUnitPercent{3348, "%"};
inline constexpr Text kGridUnitPercentInf{3349, "% inf"};
inline constexpr Text kGridUnitMetres{3350, "m"};

// Input page: labels the page rewrites, the cascade grid, the flow warning.
inline constexpr Text kLabelPipeDiameter20{3400, "Průměr potrubí při 20 °C"};
inline constexpr Text kLabelPipeDiameterOperating{3401, "Průměr potrubí při provozních podmínkách"};
inline constexpr Text kLabelBoreAt20{3412, "Průměr otvoru d při 20 °C"};
inline constexpr Text kLabelFlowOperating{3402, "Průtok provozní"};
inline constexpr Text kLabelFlow{3403, "Průtok"};
inline constexpr Text kCascadeHeader[] = {
    {3404, "Snímač tlakové diference"}, {3405, "    1"}, {3406, "    2"}, {3407, "    3"}, {3408, "    4"},
};
inline constexpr Text kCascadeRangeTitle{3409, "Rozsah            [Pa]"};
inline constexpr Text kCascadeAccuracyTitle{3410, "Přesnost           [%]"};
inline constexpr Text kFlowMaxWarning{
    3411,
    "Zadáním provozního průtoku jiného než maximálního můžete snížit nejistoty měření pro nizké průtoky, ale zpětný výpočet tlakového rozsahu nebo průtoku tuto optimalizaci neumožňuje. Výsledky se nebudou shodovat!"};

// Settings dialogs.
inline constexpr Text kNumberExpected{3500, "Očekávám číselnou hodnotu!"};
inline constexpr Text kAccuracyTooSmall{3501, "Zadaná přesnost snímače tlakové diference je příliš malá!"};
inline constexpr Text kValuePrompt[] = {
    {3502, "Zadejte přesnost snímače tlakové diference."},
    {3503, "Zadejte přesnost stanovení měrné hmotnosti."},
    {3504, "Zadejte barometrický tlak."},
};
inline constexpr Text kReferenceHeadingFlow{3505, "Vztažné podmínky - průtok"};
inline constexpr Text kReferenceHeadingDensity{3506, "Vztažné podmínky - hustota"};
inline constexpr Text kHintDensityReference{3507, "Vztažné podmínky pro měrnou hmotnost"};
inline constexpr Text kHintFlowReference{3508, "Vztažné podmínky pro průtok"};
inline constexpr Text kHintPressure{3509, "Tlak "};
inline constexpr Text kHintTemperature{3510, "Teplota "};
inline constexpr Text kHintBarometric{3511, "Barometrický tlak"};

// Main window: leaving it, help, about.
inline constexpr Text kCalculationNotStored{
    3600,
    "Výpočet nebyl uložen do databáze!\r\nUložit do databáze?\r\n(Tlačítkem Ne ukončíte program bez uložení rozpracovaného návrhu.)\r\n(Tlačítkem Storno se vrátíte do programu - pak můžete provést Export zadání.)"};
inline constexpr Text kNoUserInNewDatabase{
    3601, "Do nové databáze nebyl zaregistrován žádný uživatel. \r\nDatabáze nebude založena!"};
inline constexpr Text kHelpMissing{3602, "Obsah nápovědy nelze spustit!\r\nSoubor nápovědy nebyl nalezen!"};
inline constexpr Text kAboutVersion{3603, "Verze "};
inline constexpr Text kToolHints[] = {
    {3604, "Uložit výpočet"}, {3605, "Export zadání"},
    {3606, "Import zadání"},  {3607, "Výpočet parametrů"},
    {3608, "Graf nejistot"},  {3609, "Tabulka nejistot"},
    {3610, "Náhled"},         {3611, "Nápověda"},
};

// Message boxes: the caption of each kind (error, warning, information, confirmation) and the buttons.
inline constexpr Text kMessageCaption[] = {
    {3612, "Chyba"},
    {3613, "Upozornění"},
    {3614, "Informace"},
    {3615, "Potvrzení"},
};
inline constexpr Text kButtonYes{3616, "&Ano"};
inline constexpr Text kButtonNo{3617, "&Ne"};
inline constexpr Text kButtonCancel{3618, "Storno"};
inline constexpr Text kButtonOk{3619, "OK"};

// Help window.
inline constexpr Text kHelpPagesFound{3620, "Nalezeno stránek: %1"};

}  // namespace pramo::str
