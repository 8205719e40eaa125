#pragma once

// String table: conversion of the older DOS program's calculation and company files.

#include "language/StringTable.h"

namespace pramo::str {

// The encodings of the Czech letters in the old files, in the order the user chooses among them.
inline constexpr Text kLegacyEncodingItem[] = {
    {7000, "Kamenických"},
    {7001, "Latin 2"},
    {7002, "Bez diakritiky"},
};

// Fluid names of a converted calculation, fluid kinds 0 to 6 (the old program's own names).
inline constexpr Text kLegacyFluidName[] = {
    {7010, "Pára sytá"},    {7011, "Pára přehřátá"}, {7012, "Voda"},     {7013, "Vzduch suchý"},
    {7014, "Vzduch vlhký"}, {7015, "Plyn"},          {7016, "Kapalina"},
};

// Designer of every converted calculation: the old files do not say who made it.
inline constexpr Text kLegacyDesigner{7020, "neurčeno"};

inline constexpr Text kLegacyCalculationsReadFailed{7100, "Nepodařilo se přečíst soubor s výpočty!"};
inline constexpr Text kLegacyCompaniesReadFailed{7101, "Nepodařilo se přečíst soubor databází firem!"};

// The conversion run into a database of this program.
inline constexpr Text kConvertNoCalculationsFile{7200, "Nalistujte soubor databáze programu Kvantora!"};
inline constexpr Text kConvertNoTargetDatabase{7201, "Vyberte soubor databáze programu Pramo!"};
inline constexpr Text kConvertConfirm{
    7202,
    "Výpočty budou uloženy do nové databáze, všechny předchozí výpočty \r\nnové databáze budou nenávratně ztraceny!\r\n\r\nOpravdu chcete výpočty převést do nové databáze?"};
inline constexpr Text kConvertCancelQuestion{7203, "Převod byl přerušen!\r\nUkončit převádění formátu?"};
inline constexpr Text kConvertDone{7204, "Výpočty z Kvantora byly převedeny do databáze Pramo."};
inline constexpr Text kConvertSourceReadFailed{7205, "Nepodařilo se přečíst soubor!"};
inline constexpr Text kConvertValuesOutOfRange{
    7206,
    "Převedené výpočty s neplatnou hodnotou (např. neznámou jednotkou): %1.\r\nV databázi jsou uvedeny, nelze je však zobrazit ani dále zpracovat."};
inline constexpr Text kConvertProgressCalculations{7210,
                                                   "Převádím výpočty z Kvantora do databáze programu Pramo."};
inline constexpr Text kConvertProgressConverted{7211, "Zkonvertován výpočet:"};
inline constexpr Text kConvertProgressCompanies{7212, "Ukládám databázi firem."};
// A calculations file whose size leaves bytes after the last whole record: the tail is not a calculation.
inline constexpr Text kConvertTrailingBytes{
    7220, "Soubor výpočtů končí neúplným záznamem (%1 bajtů navíc), ten nebude převeden."};

// The file dialogs of the conversion window: titles and filters.
inline constexpr Text kConvertCalculationsDialogTitle{7300, "Soubor databáze výpočtů"};
inline constexpr Text kConvertCalculationsFilter{7301, "Databáze výpočtů Kvantora (vypocty.000)"};
inline constexpr Text kConvertCompaniesDialogTitle{7302, "Soubor databáze firem"};
inline constexpr Text kConvertCompaniesFilter{7303, "Databáze firem Kvantora (firmy.000)"};
// The header of the list of old calculations.
inline constexpr Text kConvertListHeader[] = {{7310, "Číslo výpočtu"}, {7311, "Popis"}};

}  // namespace pramo::str
