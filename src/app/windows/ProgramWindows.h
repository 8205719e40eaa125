#pragma once

#include <string>

#include "access/windows/tflogin.h"
#include "access/windows/tfzmenahesla2.h"
#include "app/windows/tfjmenotekutiny.h"
#include "app/windows/tfmain.h"
#include "app/windows/tfoprogramu.h"
#include "app/windows/tfprutok2ma.h"
#include "app/windows/tfradatlakdif.h"
#include "app/windows/tfzadej.h"
#include "app/windows/tfzadej2.h"
#include "legacy/windows/tfconvert.h"
#include "legacy/windows/tfstavprevodu.h"
#include "printing/windows/CertificatePrinter.h"
#include "printing/windows/tfnahled.h"
#include "printing/windows/tfnastavenitisku.h"
#include "printing/windows/tfzapati.h"
#include "uncertainty/windows/tfgraf.h"
#include "uncertainty/windows/tftabulkanejistot.h"

namespace pramo {

// Fusion style, the program's font and icon for every window.
void ApplyProgramAppearance();

// The program's windows, each created once, in the order the start-up creates them; the main window is
// prepared (its pages in their initial state) and knows the windows it opens. The login window reads the
// configuration again at each showing; where no folder of databases is configured it keeps the one the
// start-up read.
struct ProgramWindows {
  ProgramWindows(Messages& messages, const Configuration& configuration,
                 const std::string& configurationPath);

  CertificatePrinter printer;
  TfMain fMain;
  TFLogin FLogin;
  TFZadej FZadej;
  TFRadaTlakDif FRadaTlakDif;
  TFZadej2 FZadej2;
  TFNahled FNahled;
  TFGraf FGraf;
  TFNastaveniTisku FNastaveniTisku;
  TFOProgramu FOProgramu;
  TFJmenoTekutiny FJmenoTekutiny;
  TFZmenaHesla2 FZmenaHesla2;
  TFConvert FConvert;
  TFStavPrevodu FStavPrevodu;
  TFTabulkaNejistot FTabulkaNejistot;
  TFZapati FZapati;
  TFPrutok2mA FPrutok2mA;
};

}  // namespace pramo
