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

}  // namespace pramo::str
