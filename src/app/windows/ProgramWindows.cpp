#include "app/windows/ProgramWindows.h"

#include <QApplication>
#include <QStyleFactory>

#include "app/windows/Icons.h"

namespace pramo {

void ApplyProgramAppearance() {
  QApplication::setApplicationName(QStringLiteral("Pramo"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
  QApplication::setWindowIcon(ProgramIcon());
}

ProgramWindows::ProgramWindows(Messages& messages, const Configuration& configuration,
                               const std::string& configurationPath)
    : fMain(messages, configuration, configurationPath),
      FLogin(fMain, FZmenaHesla2, messages,
             ConfigurationPaths{configurationPath, configuration.DatabaseFolder}),
      FZadej(fMain.State(), messages, &fMain),
      FRadaTlakDif(fMain.State(), &fMain),
      FZadej2(fMain.State(), messages, &fMain),
      FOProgramu(&fMain),
      FJmenoTekutiny(fMain.State(), &fMain),
      FZmenaHesla2(messages, configurationPath, &fMain),
      FNahled(messages, printer, &fMain),
      FNastaveniTisku(printer, &fMain),
      FZapati(&fMain),
      FGraf(messages, &fMain),
      FTabulkaNejistot(&fMain),
      FPrutok2mA(&fMain),
      FStavPrevodu(&fMain),
      FConvert(messages, FStavPrevodu, &fMain) {
  fMain.SetDialogs(&FZadej, &FRadaTlakDif, &FZadej2, &FOProgramu, &FJmenoTekutiny);
  fMain.SetPasswordChange(&FZmenaHesla2);
  fMain.SetPrintWindows(&printer, &FNahled, &FNastaveniTisku, &FZapati);
  fMain.SetUncertaintyWindows(&FGraf, &FTabulkaNejistot);
  fMain.SetFlowTableWindow(&FPrutok2mA);
  fMain.SetConversionWindow(&FConvert);
  fMain.Environment_ReInit();
}

}  // namespace pramo
