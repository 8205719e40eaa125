#pragma once

#include <array>
#include <set>
#include <string>

namespace pramo {

// Numeric edits of the input page that the input gathering may mark (yellow) as bad input.
enum class InputField {
  ETlak,
  EProvozniTeplota,
  EMernaHmotnost,
  EDynamickaViskozita,
  EVlhkost,
  EIzentropickyExponent7,
  EPrutokProvozni,
  EPrutokMax,
  EPrutokMin,
  EDifTlakMax,
  EPrumerPotrubiPri20C,
  ePrumerOtvoru_d20,
};

// The cascade grid SGKaskada2: 3 rows (headers, "Rozsah [Pa]", "Přesnost [%]") × 5 columns (titles,
// transmitters 1 to 4). The user edits columns 2 to 4 of rows 1 and 2.
struct CascadeGrid {
  std::array<std::array<std::string, 5>, 3> cells;
  int selectedRow = -1;  // the cell that a reading error selected
  int selectedColumn = -1;
};

// The input page without its window: the texts of the edits, the check boxes and the list indices, named
// after the controls. The window fills it from its controls and takes back what the gathering changed
// (marked fields, check boxes forced on, the bore written back).
struct InputForm {
  int cbDruhVypoctu = 0;    // kind of calculation 0..2
  int CBPrimarniPrvek = 0;  // element kind 0..8
  int CBTekutina5 = 0;      // fluid kind 0..7

  std::string ETlak;
  int CBJednTlakH = 0;  // 0..15

  bool ChBProvozniTeplota = false;
  std::string EProvozniTeplota;
  int CBJednProvozniTeplota = 0;

  bool ChBMernaHmotnost = false;
  std::string EMernaHmotnost;
  int CBJednMernaHmotnost = 0;  // list index = density unit

  bool ChBDynamickaViskozita = false;
  std::string EDynamickaViskozita;
  int CBJednViskozita = 0;

  std::string EVlhkost;

  bool ChBIzentropickyExponent = false;
  std::string EIzentropickyExponent7;

  std::string EPrutokProvozni;
  std::string EPrutokMax;
  std::string EPrutokMin;
  int CBFlowUnit = 0;  // list index; the stored flow unit kind follows from it
  bool ChBSuchyVzduch = false;

  bool ChBDifTlakMax = false;
  bool EDifTlakMaxVisible = true;
  std::string EDifTlakMax;
  int CBJednDifTlakMaxH = 0;

  std::string EPrumerPotrubiPri20C;
  int CBJednPrumerPotrubiPri20C = 0;
  std::string ePrumerOtvoru_d20;  // mm

  int cbMaterialPrimPrvku = 0;
  int cbMaterialPotrubi = 0;
  std::array<bool, 12> chbTvarovka{true};  // chbTvarovka01 .. chbTvarovka12
  bool ChBNejistota05 = false;
  bool ChBNejistota02 = false;

  std::string CBUtvar;       // company / department, at most 50 characters
  std::string EMericiMisto;  // measuring point, at most 40
  std::string EPopis;        // description, at most 40
  std::string eCisloVypoctuCount;
  std::string eCisloVypoctuIdx;

  CascadeGrid SGKaskada2;

  std::set<InputField> marked;  // edits shown yellow
  // Reading the cascade grid found values other than those stored: the main window's texts-changed flag
  // takes this over.
  bool textsChanged = false;
};

}  // namespace pramo
