// The main window and its dialogs driven as a user drives them: choosing list items, typing, clicking,
// pressing F5, and reading what the windows show.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>

#include "ProgramFixture.h"
#include "storage/FileSystem.h"
#include "strings/app.h"
#include "strings/core.h"
#include "strings/storage.h"

using namespace pramo;
using pramo::testing::CalcResults;
using pramo::testing::Program;
using pramo::testing::Screenshot;

namespace {

// The menu open after the key (pressed on the main window), closed again; nullptr when none opened.
QMenu* MenuOpenedBy(Program& p, int key, Qt::KeyboardModifiers modifiers) {
  QMenu* opened = nullptr;
  QTimer::singleShot(50, [&opened] {
    opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (opened) opened->close();
  });
  QTest::keyClick(&p.main(), static_cast<Qt::Key>(key), modifiers);
  QTest::qWait(150);
  return opened;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale::c());
    ApplyProgramAppearance();
  }

  void StartsInUserModeOnTheDatabasePage() {
    QElapsedTimer timer;
    timer.start();
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.main()));
    qInfo("start-up to the first window shown: %lld ms", static_cast<long long>(timer.elapsed()));
    QCOMPARE(p.main().Mode(), MainMode::User);
    QVERIFY(p.main().windowTitle().startsWith(QStringLiteral("Pramo - ")));
    auto* pages = p.get<QTabWidget>("PCNastaveni");
    QVERIFY(!pages->isTabVisible(0));
    QVERIFY(!pages->isTabVisible(1));
    QVERIFY(pages->isTabVisible(2));
    QVERIFY(!pages->isTabVisible(3));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TSDatabaze"));
    QVERIFY(!p.get<QAction>("AUlozit")->isEnabled());
    QVERIFY(!p.get<QAction>("AVypocetParametru5")->isEnabled());
    QVERIFY(!p.get<QAction>("BarometrickyTlak1")->isEnabled());
    QVERIFY(p.get<QAction>("Zmenitprstupoveheslo")->isEnabled());
    QCOMPARE(p.get<QToolButton>("TBVypocet")->toolTip(), QStringLiteral("Výpočet parametrů"));
    QCOMPARE(p.get<QLabel>("lVypocetPocetVypoctu")->text(), QStringLiteral(" 0 / 0 "));
    QCOMPARE(p.main().width(), 792);
    Screenshot(&p.main(), QStringLiteral("database-page"));
  }

  // The sixteen windows exist once, created in their order (the secondary ones as the main window's
  // children, whose list keeps that order), each with its caption.
  void WindowsAreCreatedInOrderWithTheirCaptions() {
    Program p;
    ProgramWindows& w = *p.windows;
    const std::pair<QWidget*, const char*> windows[] = {
        {&w.fMain, "Pramo"},
        {&w.FLogin, "Přihlášení"},
        {&w.FZadej, "Zadání hodnoty"},
        {&w.FRadaTlakDif, "Řada tlakové diference."},
        {&w.FZadej2, "Zadejte"},
        {&w.FNahled, "Preview - náhled před tiskem."},
        {&w.FGraf, "Graf nejistot průtoku."},
        {&w.FNastaveniTisku, "Nastavení tisku."},
        {&w.FOProgramu, "O programu ..."},
        {&w.FJmenoTekutiny, "Zadejte"},
        {&w.FZmenaHesla2, "Změna hesla"},
        {&w.FConvert, "Převod výpočtů Kvantora do databáze PRAMO"},
        {&w.FStavPrevodu, "Čekejte prosím"},
        {&w.FTabulkaNejistot, "Nejistoty průtoku"},
        {&w.FZapati, "Zadejte text zápatí"},
        {&w.FPrutok2mA, "Prutok2mA"},
    };
    const QObjectList children = w.fMain.children();
    qsizetype previous = -1;
    for (std::size_t i = 0; i < std::size(windows); ++i) {
      const auto& [window, caption] = windows[i];
      if (i == 0) QVERIFY(window->windowTitle().startsWith(QString::fromUtf8(caption)));
      if (i > 0) QCOMPARE(window->windowTitle(), QString::fromUtf8(caption));
      if (i < 2) continue;  // the login window belongs to no other window
      const qsizetype position = children.indexOf(window);
      QVERIFY2(position > previous, window->metaObject()->className());
      previous = position;
    }

    p.get<QAction>("Oprogramu1")->trigger();
    QVERIFY(w.FOProgramu.isVisible());
    QCOMPARE(w.FOProgramu.findChild<QLabel*>("LVerze")->text(), QStringLiteral("Verze 1.2.2"));
    QCOMPARE(w.FOProgramu.findChild<QLabel*>("LVlastnik")->text(), QStringLiteral("Zkušební provoz"));
    w.FOProgramu.close();
  }

  // Every menu command is reached from the keyboard: Alt and the button's letter (or F10 for the first),
  // then the entry's letter; every tool bar command has its menu entry.
  void MenusAreReachedFromTheKeyboard() {
    Program p;
    p.newCalculation();  // every menu enabled
    QApplication::setActiveWindow(&p.main());
    QList<QAction*> inMenus;
    for (const auto& [name, key] : {std::pair{"MSoubor", Qt::Key_S}, std::pair{"MVypocet", Qt::Key_V},
                                    std::pair{"MNastaveni", Qt::Key_T}, std::pair{"MNapoveda", Qt::Key_N}}) {
      QMenu* menu = p.main().findChild<QMenu*>(QString::fromLatin1(name));
      QCOMPARE(MenuOpenedBy(p, key, Qt::AltModifier), menu);
      for (QAction* action : menu->actions())
        if (!action->isSeparator())
          QVERIFY2(!QKeySequence::mnemonic(action->text()).isEmpty(), qPrintable(action->text()));
      inMenus << menu->actions();
    }
    QCOMPARE(MenuOpenedBy(p, Qt::Key_F10, {}), p.main().findChild<QMenu*>(QStringLiteral("MSoubor")));
    for (QAction* action : p.get<QToolBar>("TBPramo11")->actions())
      QVERIFY(action->isSeparator() || action->text().isEmpty() || inMenus.contains(action));
  }

  // What each mode enables and shows, through the four menu buttons as well as the actions.
  void ModesEnableTheMenusAndActionsOfTheirTable() {
    Program p;
    auto enabled = [&](const char* name) { return p.get<QToolButton>(name)->isEnabled(); };
    auto action = [&](const char* name) { return p.get<QAction>(name)->isEnabled(); };
    QVERIFY(!p.get<QMenuBar>("MMPramo")->isVisible());
    QVERIFY(enabled("TBMMSoubor") && !enabled("TBMMVypocet") && enabled("TBMMNastaveni") &&
            enabled("TBMMNapoveda"));
    QCOMPARE(p.get<QToolButton>("TBUzivatel")->text(), QStringLiteral("Jan Novák"));
    QVERIFY(!action("AExport") && !action("AImport") && !action("ANahled") && action("AOdhlasit"));
    QVERIFY(!action("Aq2mA") && !action("Radahodnottlakovediference1"));

    p.newCalculation();
    QVERIFY(enabled("TBMMVypocet"));
    QVERIFY(action("AUlozit") && action("AExport") && action("AImport") && action("AVypocetParametru5"));
    QVERIFY(!action("ATiskOsvedceni") && !action("ANastaveniTisku"));
    QVERIFY(action("Aq2mA") && action("AZobrazGrafNejistot") && action("Radahodnottlakovediference1"));
    QVERIFY(p.get<QWidget>("TSZadani")->isEnabled() && p.get<QWidget>("TSVysledky")->isEnabled());

    p.storeWater();
    QCOMPARE(p.main().Mode(), MainMode::Viewing);
    QVERIFY(!action("AUlozit") && action("AExport") && !action("AImport") && !action("AVypocetParametru5"));
    QVERIFY(action("ATiskOsvedceni") && action("ANastaveniTisku") && action("Aq2mA"));
    QVERIFY(!action("BarometrickyTlak1") && action("Zmenitprstupoveheslo"));
    QVERIFY(!p.get<QWidget>("TSZadani")->isEnabled() && !p.get<QWidget>("TSVysledky")->isEnabled());
    Screenshot(&p.main(), QStringLiteral("menu-buttons"));

    // Another row of the list leaves an unsaved calculation only after Yes, and returns to the list.
    p.newCalculation();
    auto* grid = p.get<QTableWidget>("SGDatabaze6");
    p.messages.Prepare(Answer::No);
    grid->setCurrentCell(1, 0);
    QCOMPARE(p.shown(), std::vector<int>{str::kUnsavedLost.id});
    QCOMPARE(grid->currentRow(), 0);
    QCOMPARE(p.main().Mode(), MainMode::Editing);
    p.messages.Prepare(Answer::Yes);
    grid->setCurrentCell(1, 0);
    QCOMPARE(p.main().Mode(), MainMode::User);
    QVERIFY(!p.main().SettingsChanged());
    QVERIFY(p.edit("eCisloVypoctuCount")->text().isEmpty());
    QCOMPARE(p.get<QLabel>("lVypocetPocetVypoctu")->text(), QStringLiteral(" 1 / 1 "));
  }

  void NewCalculationEntersEditingWithDefaults() {
    Program p;
    p.newCalculation();
    QCOMPARE(p.main().Mode(), MainMode::Editing);
    QVERIFY(p.main().SettingsChanged());
    QCOMPARE(p.get<QTabWidget>("PCNastaveni")->currentWidget()->objectName(), QStringLiteral("TSZadani"));
    QCOMPARE(p.edit("eCisloVypoctuCount")->text(), QStringLiteral("00001"));
    QCOMPARE(p.edit("eCisloVypoctuIdx")->text(), QStringLiteral("01"));
    QCOMPARE(p.list("CBTekutina5")->currentText(), QStringLiteral("sytá pára"));
    QVERIFY(!p.box("ChBProvozniTeplota")->isChecked());
    QVERIFY(!p.edit("EProvozniTeplota")->isEnabled());
    QVERIFY(p.box("chbTvarovka01")->isChecked());
    QVERIFY(!p.box("chbTvarovka02")->isChecked());
    QCOMPARE(p.box("chbTvarovka01")->text(), QStringLiteral("Koleno 90° nebo dvě kolena, S>30D"));
    QCOMPARE(p.get<QTableWidget>("SGKaskada2")->item(1, 0)->text(), QStringLiteral("Rozsah            [Pa]"));
    QVERIFY(p.get<QAction>("AUlozit")->isEnabled());
    QVERIFY(!p.get<QAction>("ANahled")->isEnabled());
    Screenshot(&p.main(), QStringLiteral("input-page"));
  }

  void FluidChangeRules() {
    Program p;
    p.newCalculation();
    // Saturated steam: the temperature may stay untyped.
    p.click(p.box("ChBProvozniTeplota"));
    QVERIFY(p.box("ChBProvozniTeplota")->isChecked());
    p.click(p.box("ChBProvozniTeplota"));
    QVERIFY(!p.box("ChBProvozniTeplota")->isChecked());
    QCOMPARE(p.items("CBFlowUnit"), (QStringList{"kg/h", "t/h"}));

    p.choose("CBTekutina5", 2);  // water
    QVERIFY(p.box("ChBProvozniTeplota")->isChecked());
    QVERIFY(p.edit("EProvozniTeplota")->isEnabled());
    p.click(p.box("ChBProvozniTeplota"));
    QVERIFY(p.box("ChBProvozniTeplota")->isChecked());  // forced on for every fluid but saturated steam
    QVERIFY(!p.get<QToolButton>("BBTekutina7")->isEnabled());
    QVERIFY(!p.windows->FJmenoTekutiny.isVisible());
    QCOMPARE(p.items("CBFlowUnit"), (QStringList{"kg/h", "t/h", "m3/h"}));
    QCOMPARE(p.items("CBJednMernaHmotnost"), QStringList{"kg/m3"});
    QVERIFY(!p.edit("EVlhkost")->isEnabled());

    p.choose("CBTekutina5", 5);  // user gas
    QVERIFY(p.windows->FJmenoTekutiny.isVisible());
    QVERIFY(p.get<QToolButton>("BBTekutina7")->isEnabled());
    QVERIFY(p.box("ChBMernaHmotnost")->isChecked());
    QVERIFY(p.box("ChBDynamickaViskozita")->isChecked());
    QVERIFY(p.box("ChBIzentropickyExponent")->isEnabled());
    QVERIFY(!p.edit("EIzentropickyExponent7")->isEnabled());
    QCOMPARE(p.items("CBFlowUnit").size(), 6);
    QCOMPARE(p.items("CBJednMernaHmotnost").size(), 4);
    auto* name = p.windows->FJmenoTekutiny.findChild<QLineEdit*>(QStringLiteral("EJmenoTekutiny"));
    name->setText(QStringLiteral("zemní plyn"));
    p.click(p.windows->FJmenoTekutiny.findChild<QPushButton*>(QStringLiteral("BOK")));
    QVERIFY(!p.windows->FJmenoTekutiny.isVisible());
    QCOMPARE(p.main().State().FluidName, std::string("zemní plyn"));
    QCOMPARE(p.get<QToolButton>("BBTekutina7")->toolTip(), QStringLiteral("zemní plyn"));

    p.choose("CBTekutina5", 4);  // humid air
    QVERIFY(p.edit("EVlhkost")->isEnabled());
    QVERIFY(p.box("ChBSuchyVzduch")->isEnabled());
    QVERIFY(!p.box("ChBIzentropickyExponent")->isEnabled());
    QVERIFY(!p.box("ChBMernaHmotnost")->isChecked());

    // The same fluid again still clears the property boxes and marks the calculation as changed.
    p.click(p.box("ChBMernaHmotnost"));
    QVERIFY(p.box("ChBMernaHmotnost")->isChecked());
    p.main().State().ResultsValid = true;
    p.choose("CBTekutina5", 4);
    QVERIFY(!p.box("ChBMernaHmotnost")->isChecked());
    QVERIFY(!p.main().State().ResultsValid);
    QVERIFY(p.shown().empty());
  }

  void UnitChoicesOpenTheirDialogs() {
    Program p;
    p.newCalculation();
    QVERIFY(!p.get<QToolButton>("BBBarometrickyTlak1")->isEnabled());
    p.choose("CBJednTlakH", 13);  // bar - G
    QVERIFY(p.get<QToolButton>("BBBarometrickyTlak1")->isEnabled());
    QVERIFY(p.windows->FZadej.isVisible());
    QCOMPARE(p.windows->FZadej.findChild<QLabel*>(QStringLiteral("LZadej"))->text(),
             QStringLiteral("Zadejte barometrický tlak."));
    p.windows->FZadej.reject();
    p.choose("CBJednTlakH", 13);  // the same unit again opens nothing
    QVERIFY(!p.windows->FZadej.isVisible());

    p.choose("CBTekutina5", 3);  // dry air
    p.choose("CBFlowUnit", 3);   // vp[m3/h]
    QVERIFY(p.windows->FZadej2.isVisible());
    QVERIFY(p.get<QToolButton>("BBVPP")->isEnabled());
    QCOMPARE(p.windows->FZadej2.findChild<QLabel*>(QStringLiteral("LVztaznePodminky"))->text(),
             QStringLiteral("Vztažné podmínky - průtok"));
    p.windows->FZadej2.findChild<QLineEdit*>(QStringLiteral("EVztazPodmTlak"))->setText(QStringLiteral("1"));
    p.windows->FZadej2.findChild<QComboBox*>(QStringLiteral("CBJVztPodmTlak"))->setCurrentIndex(5);
    p.click(p.windows->FZadej2.findChild<QPushButton*>(QStringLiteral("BOK")));
    QVERIFY(!p.windows->FZadej2.isVisible());
    QCOMPARE(p.main().State().FlowRefPressure, 100000.0);
    QCOMPARE(p.get<QToolButton>("BBVPP")->toolTip(),
             QStringLiteral("Vztažné podmínky pro průtok\nTlak 1 bar; Teplota 0 °C"));
    p.choose("CBFlowUnit", 0);
    QVERIFY(!p.get<QToolButton>("BBVPP")->isEnabled());
  }

  void ElementGroupsKeepOrResetTheFittings() {
    Program p;
    p.newCalculation();
    p.choose("CBPrimarniPrvek", 3);  // ISA 1932 nozzle: another group, boxes reset
    p.click(p.box("chbTvarovka05"));
    QVERIFY(p.box("chbTvarovka05")->isChecked());
    QCOMPARE(p.box("chbTvarovka01")->text(), QStringLiteral("Koleno 90° nebo T kus"));
    QVERIFY(p.box("chbTvarovka11")->isHidden());
    p.choose("CBPrimarniPrvek", 8);  // Venturi nozzle: the same group keeps them
    QVERIFY(p.box("chbTvarovka05")->isChecked());
    p.choose("CBPrimarniPrvek", 5);  // Venturi tube A: reset to box 01 only
    QVERIFY(!p.box("chbTvarovka05")->isChecked());
    QVERIFY(p.box("chbTvarovka01")->isChecked());
    QVERIFY(p.box("chbTvarovka08")->isHidden());
    QVERIFY(p.box("ChBNejistota02")->isHidden());
    QCOMPARE(p.get<QLabel>("LMaterialPotrubi")->text(), QStringLiteral("Materiál vstupního válce"));
    p.choose("cbMaterialPrimPrvku", 18);
    QCOMPARE(p.get<QLabel>("lPrumerOtvoru_d20")->text(), QStringLiteral("Prům. otvoru prim. prvku d1"));
    p.choose("cbMaterialPotrubi", 18);
    QCOMPARE(p.get<QLabel>("LPrumerPotrubiPri20C")->text(),
             QStringLiteral("Průměr potrubí při provozních podmínkách"));
  }

  void KindSwitchRearrangesRowsAndResults() {
    Program p;
    p.newCalculation();
    QVERIFY(!p.edit("ePrumerOtvoru_d20")->isVisible());
    QVERIFY(p.box("ChBDifTlakMax")->isVisible());
    QVERIFY(p.get<QWidget>("GBKaskada")->isVisible());

    p.choose("cbDruhVypoctu", 1);
    QVERIFY(!p.edit("EPrutokMax")->isVisible());
    QVERIFY(!p.box("ChBDifTlakMax")->isVisible());
    QVERIFY(!p.box("ChBDifTlakMax")->isChecked());
    QVERIFY(!p.edit("EDifTlakMax")->isVisible());
    QVERIFY(p.edit("ePrumerOtvoru_d20")->isVisible());
    QCOMPARE(p.edit("ePrumerOtvoru_d20")->y(), p.edit("ETlak")->y() + 9 * 24);  // row 11
    QCOMPARE(p.get<QLabel>("LPrutokProvozni")->text(), QStringLiteral("Průtok"));
    QVERIFY(!p.get<QWidget>("GBKaskada")->isVisible());
    QCOMPARE(p.result(5, 0), QStringLiteral("Průměr potrubí provozní"));

    p.choose("cbDruhVypoctu", 2);
    QVERIFY(!p.edit("EPrutokProvozni")->isVisible());
    QVERIFY(!p.box("ChBSuchyVzduch")->isVisible());
    QVERIFY(p.box("ChBDifTlakMax")->isChecked());  // hidden but checked: the Δp counts as given
    QVERIFY(p.get<QLabel>("lDiferencniTlak")->isVisible());
    QVERIFY(p.edit("EDifTlakMax")->isEnabled());
    QCOMPARE(p.edit("EDifTlakMax")->y(), p.edit("ETlak")->y() + 6 * 24);  // row 8
    QCOMPARE(p.result(5, 0), QStringLiteral("Průtok"));
    QCOMPARE(p.result(8, 3), QStringLiteral("Minimální přímá délka"));
    QCOMPARE(p.get<QHeaderView>("HCVyber")->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Průtok [kg/h]"));
  }

  void SteamAndAirInTheOtherKindsMatchPramoCalc() {
    Program p;
    p.newCalculation();
    // Saturated steam, Δp kind, bore 60 mm.
    p.choose("cbDruhVypoctu", 1);
    type(p, "ETlak", "10");
    p.choose("CBJednTlakH", 5);
    p.choose("CBFlowUnit", 1);
    type(p, "EPrutokProvozni", "5");
    type(p, "EPrumerPotrubiPri20C", "150");
    type(p, "ePrumerOtvoru_d20", "90");
    p.pressF5();
    QVERIFY(p.shown().empty());
    QJsonArray calc = CalcResults(R"({"CalcKind":1,"Fluid":0,"PressureEntered":10,"PressureUnit":5,
        "FlowEntered":5,"FlowUnit":5,"PipeDiameterEntered":150,"Bore20":0.09})");
    QCOMPARE(p.list("cbVyberZRady")->count(), 1);
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), calc[0].toObject()["SeriesEntry"].toString());
    QCOMPARE(p.result(7, 1), QString::number(calc[0].toObject()["Dp"].toDouble(), 'f', 0));
    QVERIFY(!p.edit("EProvozniTeplota")->text().isEmpty());  // the saturation temperature came back

    // Dry air, flow kind, Δp 25 kPa through the same bore.
    p.choose("cbDruhVypoctu", 2);
    p.choose("CBTekutina5", 3);
    type(p, "ETlak", "6");
    type(p, "EProvozniTeplota", "20");
    type(p, "EDifTlakMax", "25000");
    p.pressF5();
    calc =
        CalcResults(R"({"CalcKind":2,"Fluid":3,"PressureEntered":6,"PressureUnit":5,"TemperatureGiven":true,
        "TemperatureEntered":20,"DpMaxGiven":true,"DpMaxEntered":25000,"PipeDiameterEntered":150,"Bore20":0.09})");
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), calc[0].toObject()["SeriesEntry"].toString());
    QCOMPARE(p.result(5, 1), QString::number(calc[0].toObject()["MassFlow"].toDouble() * 3600, 'f', 2));
    QCOMPARE(p.result(2, 1), QString::number(calc[0].toObject()["Density"].toDouble(), 'f', 6));
    Screenshot(&p.main(), QStringLiteral("results-flow-kind"));
  }

  void BadInputIsMarkedYellowAndNamed() {
    Program p;
    p.newCalculation();
    p.typeWater();
    p.edit("ETlak")->setText(QStringLiteral("pět"));
    p.pressF5();
    QVERIFY(std::find(p.shown().begin(), p.shown().end(), str::kBadInput.id) != p.shown().end());
    QVERIFY(p.edit("ETlak")->styleSheet().contains(QStringLiteral("yellow")));
    QCOMPARE(p.list("cbVyberZRady")->count(), 1);
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), QStringLiteral("Žádné hodnoty nejsou k dispozici !"));
    QVERIFY(!p.main().State().ResultsValid);
    p.messages.Clear();
    type(p, "ETlak", "5");
    p.pressF5();
    QVERIFY(p.edit("ETlak")->styleSheet().isEmpty());

    p.choose("CBTekutina5", 7);  // undetermined
    p.windows->FJmenoTekutiny.reject();
    p.messages.Clear();
    p.pressF5();
    QCOMPARE(p.shown(), std::vector<int>{str::kChooseFluid.id});
    QCOMPARE(p.get<QTabWidget>("PCNastaveni")->currentWidget()->objectName(), QStringLiteral("TSZadani"));
  }

  void SettingsDialogs() {
    Program p;
    p.newCalculation();
    TFZadej& zadej = p.windows->FZadej;
    p.get<QAction>("Presnostsnimacetlakovediference1")->trigger();
    QVERIFY(zadej.isVisible());
    auto* value = zadej.findChild<QLineEdit*>(QStringLiteral("EZadej"));
    QCOMPARE(value->text(), QStringLiteral("0.200"));
    value->setText(QStringLiteral("0.00005"));
    p.click(zadej.findChild<QPushButton*>(QStringLiteral("BOK")));
    QVERIFY(zadej.isVisible());
    QCOMPARE(p.shown(), std::vector<int>{str::kAccuracyTooSmall.id});
    value->setText(QStringLiteral("0,5"));
    p.click(zadej.findChild<QPushButton*>(QStringLiteral("BOK")));
    QVERIFY(!zadej.isVisible());
    QCOMPARE(p.main().State().DpTransmitterAccuracy, 0.5);
    QCOMPARE(p.get<QTableWidget>("SGKaskada2")->item(2, 1)->text(), QStringLiteral("0.500"));
    Screenshot(&zadej, QStringLiteral("tfzadej"));

    TFRadaTlakDif& series = p.windows->FRadaTlakDif;
    p.get<QAction>("Radahodnottlakovediference1")->trigger();
    QVERIFY(series.isVisible());
    series.findChild<QLineEdit*>(QStringLiteral("ERada0"))->setText(QStringLiteral("6300.5"));
    series.findChild<QLineEdit*>(QStringLiteral("ERada1"))->setText(QStringLiteral("11000"));
    p.click(series.findChild<QPushButton*>(QStringLiteral("BOK")));
    QVERIFY(series.isVisible());
    QVERIFY(series.findChild<QLineEdit*>(QStringLiteral("ERada0"))->styleSheet().contains("yellow"));
    QCOMPARE(p.main().State().DpSeries[1], 11000.0);
    QCOMPARE(p.main().State().DpSeries[0], 6300.0);
    Screenshot(&series, QStringLiteral("tfradatlakdif"));
    p.click(series.findChild<QPushButton*>(QStringLiteral("BStandard")));
    p.click(series.findChild<QPushButton*>(QStringLiteral("BZpet")));
    QCOMPARE(p.main().State().DpSeries[1], 11000.0);  // "Standard" and "Zpět" store nothing

    p.main().State().ResultsValid = true;
    p.get<QAction>("Vztaznepodminkypromernouhmotnost1")->trigger();
    QVERIFY(p.windows->FZadej2.isVisible());
    Screenshot(&p.windows->FZadej2, QStringLiteral("tfzadej2"));
    p.click(p.windows->FZadej2.findChild<QPushButton*>(QStringLiteral("BZpet")));
    QVERIFY(p.main().SettingsChanged());

    p.get<QAction>("Oprogramu1")->trigger();
    QCOMPARE(p.windows->FOProgramu.findChild<QLabel*>(QStringLiteral("LVerze"))->text(),
             QStringLiteral("Verze 1.2.2"));
    QCOMPARE(p.windows->FOProgramu.findChild<QLabel*>(QStringLiteral("LVlastnik"))->text(),
             QStringLiteral("Zkušební provoz"));
    Screenshot(&p.windows->FOProgramu, QStringLiteral("tfoprogramu"));
    p.windows->FOProgramu.accept();
  }

  void ChangeMarkingOfEdits() {
    Program p;
    p.newCalculation();
    p.typeWater();
    p.pressF5();
    QVERIFY(!p.main().SettingsChanged());
    QLineEdit* pressure = p.edit("ETlak");
    QApplication::setActiveWindow(&p.main());
    pressure->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(pressure, Qt::Key_Return);  // unchanged text: nothing marked
    QVERIFY(!p.main().SettingsChanged());
    QTest::keyClicks(pressure, QStringLiteral("0"));
    QTest::keyClick(pressure, Qt::Key_Return);
    QVERIFY(p.main().SettingsChanged());
    QVERIFY(p.main().State().ResultsValid);  // an edit leaves the results-valid flag alone
    p.edit("EPrutokMax")->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.shown(), std::vector<int>{str::kFlowMaxWarning.id});
  }

  void ExitQuestionGuardsAnUnstoredCalculation() {
    Program p;
    p.newCalculation();
    p.messages.Prepare(Answer::Cancel);
    QVERIFY(!p.main().close());
    QCOMPARE(p.shown(), std::vector<int>{str::kCalculationNotStored.id});
    QCOMPARE(p.messages.Shown()[0].kind, MessageKind::Confirmation);
    QVERIFY(p.main().isVisible());
    // Yes stores; storing refuses while the inputs are not computed, so the window stays open.
    p.messages.Clear();
    p.messages.Prepare(Answer::Yes);
    QVERIFY(!p.main().close());
    QCOMPARE(p.shown(), (std::vector<int>{str::kCalculationNotStored.id, str::kComputeFirst.id}));
    p.messages.Clear();
    p.messages.Prepare(Answer::No);
    QVERIFY(p.main().close());
  }

  void StoredCalculationIsShownReadOnly() {
    Program p;
    p.newCalculation();
    p.typeWater();
    p.box("ChBDifTlakMax")->click();
    type(p, "EDifTlakMax", "25000");
    p.type("EMericiMisto", "FT 101");
    p.list("CBUtvar")->setCurrentText(QStringLiteral("Energetika"));
    p.pressF5();
    p.messages.Clear();
    p.get<QAction>("AUlozit")->trigger();
    QCOMPARE(p.shown(), std::vector<int>{str::kStored.id});
    QCOMPARE(p.main().Mode(), MainMode::Viewing);
    auto* grid = p.get<QTableWidget>("SGDatabaze6");
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("0100001-01"));
    QCOMPARE(p.get<QLabel>("lVypocetPocetVypoctu")->text(), QStringLiteral(" 1 / 1 "));
    const QString entry = p.list("cbVyberZRady")->itemText(0);

    p.newCalculation();
    p.messages.Clear();
    p.messages.Prepare(Answer::Yes);
    grid->setCurrentCell(0, 0);
    p.click(p.get<QPushButton>("bZobrazitvypocet1"));
    QCOMPARE(p.main().Mode(), MainMode::Viewing);
    QVERIFY(!p.get<QWidget>("TSZadani")->isEnabled());
    QVERIFY(!p.get<QAction>("AVypocetParametru5")->isEnabled());
    QVERIFY(p.get<QAction>("ANahled")->isEnabled());
    QCOMPARE(p.list("CBTekutina5")->currentText(), QStringLiteral("voda"));
    QCOMPARE(p.edit("EMericiMisto")->text(), QStringLiteral("FT 101"));
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), entry);
    QCOMPARE(p.result(9, 1), QStringLiteral("25000"));
    Screenshot(&p.main(), QStringLiteral("viewing"));
  }

 private:
  static void type(Program& p, const char* name, const QString& text) { p.type(name, text); }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
