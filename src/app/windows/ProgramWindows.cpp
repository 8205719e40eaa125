#include "app/windows/ProgramWindows.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QTranslator>
#include <QWidget>

#include "windows/Help.h"
#include "windows/Icons.h"
#include "windows/Language.h"

namespace pramo {
namespace {

constexpr int kHintDelay = 500;      // ms before a hint shows
constexpr int kHintDuration = 5000;  // ms a hint stays

// Fusion with the program's hint delay.
class ProgramStyle : public QProxyStyle {
 public:
  ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintDelay;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// Every widget's own hint stays for the same time, however long its text.
class HintDuration : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::ToolTip || !widget || widget->toolTip().isEmpty())
      return QObject::eventFilter(watched, event);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), widget, QRect(),
                       kHintDuration);
    return true;
  }
};

}  // namespace

void ApplyProgramAppearance() {
  QApplication::setApplicationName(QStringLiteral("Pramo"));
  // The desktop entry and icon are installed under this id; the desktop matches the windows to them by it.
  QGuiApplication::setDesktopFileName(QStringLiteral("cz.tavor.Pramo"));
  QApplication::setStyle(new ProgramStyle);
  const QString hintDuration = QStringLiteral("HintDuration");
  if (!qApp->findChild<QObject*>(hintDuration, Qt::FindDirectChildrenOnly)) {
    auto* filter = new HintDuration(qApp);
    filter->setObjectName(hintDuration);
    qApp->installEventFilter(filter);
  }
  // Qt's own dialogs (file choice, name input, printing) speak Czech with the program until a language
  // module says otherwise.
  if (!qApp->findChild<QTranslator*>(QStringLiteral("QtTexts"), Qt::FindDirectChildrenOnly))
    UseBuiltInQtTexts();
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
      FNahled(messages, printer, &fMain),
      FGraf(messages, &fMain),
      FNastaveniTisku(printer, &fMain),
      FOProgramu(&fMain),
      FJmenoTekutiny(fMain.State(), &fMain),
      FZmenaHesla2(messages, configurationPath, &fMain),
      FConvert(messages, FStavPrevodu, &fMain),
      FStavPrevodu(&fMain),
      FTabulkaNejistot(&fMain),
      FZapati(&fMain),
      FPrutok2mA(&fMain) {
  fMain.SetDialogs(&FZadej, &FRadaTlakDif, &FZadej2, &FOProgramu, &FJmenoTekutiny);
  fMain.SetPasswordChange(&FZmenaHesla2);
  fMain.SetPrintWindows(&printer, &FNahled, &FNastaveniTisku, &FZapati);
  fMain.SetUncertaintyWindows(&FGraf, &FTabulkaNejistot);
  fMain.SetFlowTableWindow(&FPrutok2mA);
  fMain.SetConversionWindow(&FConvert);
  QObject::connect(&fMain, &TfMain::LoggedOut, &FLogin, &TFLogin::ShowAgain);
  InstallHelpKey(messages);
  fMain.SwitchLanguage(FLogin.LanguageList());
  fMain.Environment_ReInit();
}

}  // namespace pramo
