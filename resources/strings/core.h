#pragma once

// String table: calculation core (state, units, input gathering, properties).

#include "language/StringTable.h"

namespace pramo::str {

// Primary element kinds: list items and the long names of the certificate.
inline constexpr Text kElementItem[] = {
    {1000, "clona s koutovými odběry"},
    {1001, "clona s odběry ve vzd. D a D/2"},
    {1002, "clona s přírubovými odběry"},
    {1003, "dýza ISA 1932"},
    {1004, "dýza s dlouhým poloměrem"},
    {1005, "Venturiho trubice A"},
    {1006, "Venturiho trubice B"},
    {1007, "Venturiho trubice C"},
    {1008, "Venturiho dýza"},
};
inline constexpr Text kElementLongName[] = {
    {65282, "clona s koutovými odběry"},
    {65283, "clona s odběry ve vzdálenosti D a D/2"},
    {65284, "clona s přírubovými odběry"},
    {65285, "dýza ISA 1932"},
    {65286, "dýza s dlouhým poloměrem"},
    {65287, "klasická Venturiho trubice s odlitým konfuzorem"},
    {65288, "klasická Venturiho trubice s obrobeným konfuzorem"},
    {65289, "klasická Venturiho trubice s plechovým svařovaným konfuzorem"},
    {65290, "Venturiho dýza"},
};

// Fluid kinds: the list items are also the fluid names stored for kinds 0 to 6.
inline constexpr Text kFluidItem[] = {
    {1010, "sytá pára"},    {1011, "přehřátá pára"}, {1012, "voda"},     {1013, "suchý vzduch"},
    {1014, "vlhký vzduch"}, {1015, "plyn"},          {1016, "kapalina"}, {1017, "neurčeno"},
};

inline constexpr Text kCalculationKindItem[] = {
    {1020, "Průměr otvoru d"},
    {1021, "Diferenční tlak delta_p"},
    {1022, "Průtok q"},
};

// Materials of the primary element and the pipe (current list; row of the expansion table).
inline constexpr Text kMaterialItem[] = {
    {1030, "1.0345 (11364; P235GH; A516-65/55)"},
    {1031, "1.0405 (12022; P255G1TH)"},
    {1032, "1.0425 (11416, P265GH)"},
    {1033, "1.0570 (11523; E355SR)"},
    {1034, "1.4006 (17021; X12Cr13; AISI 410)"},
    {1035, "1.4301 (17240; 304)"},
    {1036, "1.4306 (17249; 304L)"},
    {1037, "1.4401 (17346; 316)"},
    {1038, "1.4404 (17349; 316L)"},
    {1039, "1.4541 (17248; X10CrNiTi18-9; 321)"},
    {1040, "1.4571 (17348, 316Ti)"},
    {1041, "1.4903 (X10CrMoVNb9-1; A182 F91)"},
    {1042, "1.5415 (15020; 15Mo3/16Mo3; A182 F1)"},
    {1043, "1.7335 (15121; 13CrMo4-5/13CrMo4-4; A182 F11/F12)"},
    {1044, "1.7362 (17102; 12CrMo19-5; A182 Gr. 3)"},
    {1045, "1.7380 (15313; 10CrMo9-10; A182 F22)"},
    {1046, "1.7715 (15128; 14MoV6-3; K11591)"},
    {1047, "1.6903 (17246; X10CrNiTi18-10)"},
    {1048, "jiný"},
};

// Unit lists.
inline constexpr Text kPressureUnitItem[] = {
    {1100, "Pa - A"},   {1101, "kPa - A"}, {1102, "MPa - A"},   {1103, "PSI - A"},
    {1104, "mbar - A"}, {1105, "bar - A"}, {1106, "g/cm2 - A"}, {1107, "kg/cm2 - A"},
    {1108, "Pa - G"},   {1109, "kPa - G"}, {1110, "MPa - G"},   {1111, "PSI - G"},
    {1112, "mbar - G"}, {1113, "bar - G"}, {1114, "g/cm2 - G"}, {1115, "kg/cm2 - G"},
};
inline constexpr Text kDpUnitItem[] = {
    {1120, "Pa"},   {1121, "kPa"}, {1122, "MPa"},   {1123, "PSI"},
    {1124, "mbar"}, {1125, "bar"}, {1126, "g/cm2"}, {1127, "kg/cm2"},
};
inline constexpr Text kTemperatureUnitItem[] = {{1130, "°C"}, {1131, "K"}, {1132, "°F"}};
inline constexpr Text kPipeDiameterUnitItem[] = {{1135, "mm"}, {1136, "cm"}, {1137, "dm"}, {1138, "m"}};
inline constexpr Text kViscosityUnitItem[] = {
    {1140, "1E-6 Pa . s"}, {1141, "Pa . s"}, {1142, "g/cm . s"}, {1143, "mP"},  {1144, "cP"}, {1145, "P"},
    {1146, "mm2/s"},       {1147, "cm2/s"},  {1148, "m2/s"},     {1149, "cSt"}, {1150, "St"},
};
inline constexpr Text kDensityUnitItem[] = {
    {1155, "kg/m3"},
    {1156, "vp[kg/m3]"},
    {1157, "N[kg/m3]"},
    {1158, "n[kg/m3]"},
};
// Flow units by stored kind 0..5.
inline constexpr Text kFlowUnitKindText[] = {
    {1160, "kg/h"}, {1161, "m3/h"}, {1162, "vp[m3/h]"}, {1163, "n[m3/h]"}, {1164, "N[m3/h]"}, {1165, "t/h"},
};
inline constexpr Text kConditionsN{1166, "[98,0665 kPa, 20°C]"};
inline constexpr Text kConditionsNN{1167, "[101,3250 kPa, 0°C]"};

// Input gathering.
inline constexpr Text kFlowMaxBelowOperating{
    1200,
    "Hodnota maximálního průtoku je menší než hodnota provozního!\r\nOpravte hodnotu maximálního průtoku!"};
inline constexpr Text kFlowMinAboveOperating{
    1201,
    "Hodnota minimálního průtoku je větší než hodnota provozního!\r\nOpravte hodnotu minimálního průtoku!"};
inline constexpr Text kNoFittingChosen{
    1202, "Není zvolena žádná tvarovka před primárním prvkem!\r\nProgram automaticky přiřadí Koleno 90°."};
inline constexpr Text kSaturationTemperatureNotComputable{1203, "Teplotu syté páry nelze vypočítat!"};
inline constexpr Text kDensityNotComputable{1204, "Špatné parametry (tlak, teplota) - nelze vypočítat!"};
inline constexpr Text kViscosityFailed{
    1205, "Chyba v zadání!\r\nZřejmě došlo k prekročení mezní hodnoty měrné hmotnosti nebo teploty."};
inline constexpr Text kTextNotStorable{
    1206, "Text pole \"%1\" obsahuje znak, který program nedokáže uložit:\r\n%2\r\nOpravte text."};
inline constexpr Text kDescriptionLabel{1210, "Poznámka"};
inline constexpr Text kCompanyLabel{1211, "Firma / Útvar"};
inline constexpr Text kMeasuringPointLabel{1212, "Měřicí místo"};

// Water and steam.
inline constexpr Text kSaturatedSteamNeedsProperties{
    1300,
    "Zadání provozní teploty pro sytou páru je podmíněno nutností zadat \r\nodpovídající měrnou hmotnost a viskozitu!"};
inline constexpr Text kStateIsWater{
    1301, "Zadanému tlaku a teplotě neodpovídá stav tekutiny.\r\nTekutina je voda!"};
inline constexpr Text kStateIsSteam{
    1302, "Zadanému tlaku a teplotě neodpovídá stav tekutiny.\r\nTekutina je přehřátá pára!"};
inline constexpr Text kDensityMustBeTyped{1303, "Nelze vypočítat měrnou hmotnost!\r\nBudete ji muset zadat."};

// Preparation of a run.
inline constexpr Text kBadIndexSettings{
    1400, "Chybné nastavení parametrů zadání nebo nastavení!\r\nOpravte parametry."};

// Sizing iterations and validity limits: the failure of a calculation and the lines of the error memo.
inline constexpr Text kCalculationFailed{
    1500,
    "Zřejmě chybné zadání parametrů pro výpočet, nebo překročení mezí!\r\nPečlivě zkontrolujte zadání a nastavení parametrů."};
inline constexpr Text kLimitReDMax{1510, "Re_Dmax přesahuje meze!"};
inline constexpr Text kLimitBore{1511, "Průměr otvoru primárního prvku mimo meze!"};
inline constexpr Text kLimitPipe{1512, "Průměr potrubí mimo meze!"};
inline constexpr Text kLimitConvergence{1513, "Výpočet nekonverguje - %1!"};
inline constexpr Text kLimitBeta{1514, "Beta mimo meze!"};
inline constexpr Text kLimitMinimumFlow{1515, "Mimimální průtok nevyhovuje!"};
inline constexpr Text kLimitPressureRatio{1516, "Poměr tlaků p2/p1 < 0.75!"};
inline constexpr Text kLimitVelocity{1517, "Rychlost mimo %1 - %2 m/s   inf."};
inline constexpr Text kOldCalculationWrong{1518, "Výpočet je chybný!"};
// Appended to the memo when a sized bore does not reproduce its maximum flow.
inline constexpr Text kBoreCheckFailed[] = {
    {1520, "Chyba výpočtu !"},
    {1521, "Proveďte prosím export zadání"},
    {1522, "a zašlete ho do Tavor"},
    {1523, "na adresu technické podpory uvedenou v nápovědě."},
    {1524, "Děkujeme."},
};

// Fitting check boxes, by the version tag's generation of straight-length tables and the element group.
inline constexpr Text kFittingCurrentOrifice[] = {
    {1800, "Koleno 90° nebo dvě kolena, S>30D"},
    {1801, "Dvě kolena 90° v rovině, 30D>=S>10D"},
    {1802, "Dvě kolena 90° v rovině, 10D>=S"},
    {1803, "Dvě kolena 90° v kolmých rov., 30D>=S>5D"},
    {1804, "Dvě kolena 90° v kolmých rov., 5D>S"},
    {1805, "Jednoduchý T kus 90°"},
    {1806, "Koleno 45°, dvě kolena 45° S>=2D"},
    {1807, "Soustředné zúžení ze 2D na D"},
    {1808, "Soustředné rozšíření z 0,5D na D"},
    {1809, "Zcela otevřené šoupě"},
    {1810, "Náhlé symetrické zúžení"},
    {1811, "Teploměrová jímka <=0,03D"},
};
inline constexpr Text kFittingCurrentNozzle[] = {
    {1815, "Koleno 90° nebo T kus"},         {1816, "Více kolen v rovině"},
    {1817, "Více kolen v různých rovinách"}, {1818, "Zúžení ze 2D na D"},
    {1819, "Rozšíření z 0,5D na D"},         {1820, "Zcela otevřený přímý ventil"},
    {1821, "Zcela otevřené šoupě"},          {1822, "Náhlé symetrické zúžení"},
    {1823, "Teploměrová jímka <=0,03D"},     {1824, "Teploměrová jímka 0,03-0,13D"},
};
inline constexpr Text kFittingCurrentVenturiTube[] = {
    {1830, "Koleno 90°"},
    {1831, "Více kolen"},
    {1832, "Zúžení potrubí z 1,33D na D"},
    {1833, "Rozšíření z 0,67D na D"},
    {1834, "Zúžení z 3D na D"},
    {1835, "Rozšíření z 0,75D na D"},
    {1836, "Zcela otevřené šoupě"},
};
// Older tables: orifice plates and nozzles share one list.
inline constexpr Text kFittingOlderOrificeNozzle[] = {
    {1840, "Koleno 90° nebo T kus"},         {1841, "Více kolen v rovině"},
    {1842, "Více kolen v různých rovinách"}, {1843, "Zúžení ze 2D na D"},
    {1844, "Rozšíření z 0,5D na D"},         {1845, "Plně otevřený přímý ventil"},
    {1846, "Plně otevřené šoupě"},           {1847, "Náhlé symetrické zúžení"},
    {1848, "Teploměrová jímka <=0,03D"},     {1849, "Teploměrová jímka 0,03-0,13D"},
};
inline constexpr Text kFittingOlderVenturiTube[] = {
    {1850, "Koleno 90°"},        {1851, "Více kolen v rovině"},    {1852, "Více kolen v různých rovinách"},
    {1853, "Zúžení ze 3D na D"}, {1854, "Rozšíření z 0,75D na D"}, {1855, "Plně otevřené šoupě"},
};
inline constexpr Text kPipeMaterialLabel{1860, "Materiál potrubí"};
inline constexpr Text kInletCylinderMaterialLabel{1861, "Materiál vstupního válce"};

// Reading the cascade grid of the input page (numbered with the uncertainty model's texts).
inline constexpr Text kCascadeRangeInvalid{2000, "Špatně zadán diferenční tlak kaskády!"};
inline constexpr Text kCascadeAccuracyInvalid{2001, "Špatně zadána přesnost snímače tlakové diference!"};
// %1: the transmitter number 2..4.
inline constexpr Text kCascadeAccuracyTooSmall{
    2002, "Zadaná přesnost snímače tlakové diference %1 je příliš malá!"};

}  // namespace pramo::str
