// The input page driven as a user drives it: what a stored calculation puts back onto the page, what a new
// calculation resets, and the company field with its change marking.

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QToolButton>

#include "ProgramFixture.h"
#include "storage/Companies.h"
#include "storage/DatabaseFile.h"
#include "strings/uncertainty.h"

using namespace pramo;
using pramo::testing::Program;

namespace {

std::string DatabasePath(Program& p) {
  return p.folder.filePath(QStringLiteral("Pramo.flw")).toStdString();
}

// Water through an orifice plate, sized with a given Δp, stored under the tag with the element material
// 6, the pipe material 2, fitting boxes 01 and 09 and a second cascade transmitter; the window lists it.
void StoreWater(Program& p, const std::string& tag) {
  CalculationState s;
  s.VersionTag = tag;
  s.NumberInstallation = 1;
  s.NumberCount = 7;
  s.NumberIndex = tag == "ver3.5" ? 1 : 0;
  s.Designer = "Jan Novák";
  s.Fluid = FluidKind::Water;
  s.FluidName = "voda";
  s.PressureEntered = 2.5;
  s.PressureUnit = 5;
  s.TemperatureGiven = true;
  s.TemperatureEntered = 20;
  s.FlowEntered = 36;
  s.FlowMaxEntered = 45;
  s.FlowMinEntered = 10;
  s.FlowUnit = FlowUnitKind::TonnesPerHour;
  s.DpMaxGiven = true;
  s.DpMaxEntered = 25000;
  s.PipeDiameterEntered = 100;
  s.ElementMaterial = 6;
  s.PipeMaterial = 2;
  s.Fittings = {true, false, false, false, false, false, false, false, true, false, false, false};
  s.CascadeRange = {25000, 5000, 0, 0};
  s.CascadeAccuracy = {0.2, 0.25, 0, 0};
  s.Company = "Teplárna";
  s.MeasuringPoint = "FT 7";
  DatabaseAccess db{LocalFileSystem(), PathsOf(DatabasePath(p)), p.messages};
  QVERIFY(SaveCalculation(db, s, SaveMode::NewNumber) == SaveOutcome::Stored);
  QVERIFY(p.main().StartSession(Session{"novak", "Jan Novák", DatabasePath(p)}));
}

void ShowFirstRow(Program& p) {
  p.get<QTableWidget>("SGDatabaze6")->setCurrentCell(0, 0);
  p.click(p.get<QPushButton>("bZobrazitvypocet1"));
  QCOMPARE(p.main().Mode(), MainMode::Viewing);
}

QStringList FittingTexts(Program& p) {
  QStringList texts;
  for (const char* name :
       {"chbTvarovka01", "chbTvarovka02", "chbTvarovka03", "chbTvarovka04", "chbTvarovka05", "chbTvarovka06",
        "chbTvarovka07", "chbTvarovka08", "chbTvarovka09", "chbTvarovka10", "chbTvarovka11", "chbTvarovka12"})
    texts << (p.box(name)->isHidden() ? QStringLiteral("-") : p.box(name)->text());
  return texts;
}

const QStringList kOldElementMaterials{"ČSN 17 246", "ČSN 15 123", "ČSN 17 021", "ČSN 17 248",
                                       "ČSN 17 347", "ČSN 17 348", "ČSN 12 022", "jiný"};
const QStringList kOldPipeMaterials{"ČSN 11 373", "ČSN 15 123", "ČSN 17 021", "ČSN 17 246",
                                    "ČSN 17 248", "ČSN 17 347", "ČSN 17 348", "jiný"};

}  // namespace

class InputPageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  // An older calculation shows the short material lists with 6 and 7 swapped for the element, and the
  // older fitting texts; "ver3.4" the short lists with the current texts.
  void OlderTagsShowTheirListsAndTexts() {
    Program p;
    StoreWater(p, "ver3.3");
    ShowFirstRow(p);
    QCOMPARE(p.items("cbMaterialPrimPrvku"), kOldElementMaterials);
    QCOMPARE(p.items("cbMaterialPotrubi"), kOldPipeMaterials);
    QCOMPARE(p.list("cbMaterialPrimPrvku")->currentText(), QStringLiteral("jiný"));
    QCOMPARE(p.list("cbMaterialPotrubi")->currentText(), QStringLiteral("ČSN 17 021"));
    QCOMPARE(p.get<QLabel>("lPrumerOtvoru_d20")->text(), QStringLiteral("Prům. otvoru prim. prvku d1"));
    QCOMPARE(FittingTexts(p),
             (QStringList{"Koleno 90° nebo T kus", "Více kolen v rovině", "Více kolen v různých rovinách",
                          "Zúžení ze 2D na D", "Rozšíření z 0,5D na D", "Plně otevřený přímý ventil",
                          "Plně otevřené šoupě", "Náhlé symetrické zúžení", "Teploměrová jímka <=0,03D",
                          "Teploměrová jímka 0,03-0,13D", "-", "-"}));
    QVERIFY(p.box("chbTvarovka09")->isChecked());
    QVERIFY(!p.box("chbTvarovka02")->isChecked());

    Program q;
    StoreWater(q, "ver3.4");
    ShowFirstRow(q);
    QCOMPARE(q.items("cbMaterialPrimPrvku"), kOldElementMaterials);
    QCOMPARE(q.box("chbTvarovka01")->text(), QStringLiteral("Koleno 90° nebo dvě kolena, S>30D"));
    QCOMPARE(q.box("chbTvarovka12")->text(), QStringLiteral("Teploměrová jímka <=0,03D"));
    QVERIFY(!q.box("chbTvarovka12")->isHidden());
  }

  // The page shows a stored calculation's numbers with the locale's decimal separator, and the run reads
  // them back unchanged.
  void StoredNumbersUseTheLocaleSeparator() {
    Program p;
    StoreWater(p, "ver3.5");
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    ShowFirstRow(p);
    QCOMPARE(p.edit("ETlak")->text(), QStringLiteral("2,5"));
    QCOMPARE(p.list("CBJednTlakH")->currentText(), QStringLiteral("bar - A"));
    QCOMPARE(p.list("CBFlowUnit")->currentText(), QStringLiteral("t/h"));
    QCOMPARE(p.list("cbMaterialPrimPrvku")->currentIndex(), 6);  // the current list: no swap
    auto* cascade = p.get<QTableWidget>("SGKaskada2");
    QCOMPARE(cascade->item(1, 2)->text(), QStringLiteral("5000"));
    QCOMPARE(cascade->item(2, 2)->text(), QStringLiteral("0,250"));
    QCOMPARE(cascade->item(1, 3)->text(), QString());
    QCOMPARE(p.list("CBUtvar")->currentText(), QStringLiteral("Teplárna"));

    p.click(p.get<QPushButton>("bbKopievypoctu1"));
    QCOMPARE(p.main().Mode(), MainMode::Editing);
    p.messages.Clear();
    p.pressF5();
    QVERIFY2(p.shown().empty(), p.messages.Shown().empty() ? "" : p.messages.Shown()[0].text.c_str());
    QCOMPARE(p.main().State().PressureEntered, 2.5);
    QCOMPARE(p.main().State().CascadeAccuracy[1], 0.25);
  }

  // A user gas keeps the name it was stored with; its boxes, exponent and reference button come back
  // enabled as the fluid and units ask.
  void StoredUserGasKeepsItsName() {
    Program p;
    CalculationState s;
    s.NumberInstallation = 1;
    s.NumberCount = 3;
    s.NumberIndex = 1;
    s.Fluid = FluidKind::Gas;
    s.FluidName = "metan";
    s.TemperatureGiven = s.DensityGiven = s.ViscosityGiven = s.KappaGiven = true;
    s.DensityEntered = 0.72;
    s.DensityUnit = 1;  // vp[kg/m3]
    s.KappaEntered = 1.3;
    s.FlowUnit = FlowUnitKind::CubicMetresPerHourN;
    DatabaseAccess db{LocalFileSystem(), PathsOf(DatabasePath(p)), p.messages};
    QVERIFY(SaveCalculation(db, s, SaveMode::NewNumber) == SaveOutcome::Stored);
    QVERIFY(p.main().StartSession(Session{"novak", "Jan Novák", DatabasePath(p)}));
    p.get<QTableWidget>("SGDatabaze6")->setCurrentCell(0, 0);
    p.click(p.get<QPushButton>("bbKopievypoctu1"));
    QCOMPARE(p.main().Mode(), MainMode::Editing);

    QCOMPARE(p.main().State().FluidName, std::string("metan"));
    QCOMPARE(p.get<QToolButton>("BBTekutina7")->toolTip(), QStringLiteral("metan"));
    QVERIFY(p.get<QToolButton>("BBTekutina7")->isEnabled());
    QVERIFY(!p.windows->FJmenoTekutiny.isVisible());
    QVERIFY(p.box("ChBIzentropickyExponent")->isEnabled());
    QVERIFY(p.edit("EIzentropickyExponent7")->isEnabled());
    QCOMPARE(p.edit("EIzentropickyExponent7")->text(), QStringLiteral("1.3"));
    QCOMPARE(p.list("CBJednMernaHmotnost")->currentText(), QStringLiteral("vp[kg/m3]"));
    QVERIFY(p.get<QToolButton>("BBVPMH")->isEnabled());
    QCOMPARE(p.list("CBFlowUnit")->currentText(), QStringLiteral("n[m3/h]"));
    QVERIFY(!p.get<QToolButton>("BBVPP")->isEnabled());
    QVERIFY(!p.edit("EVlhkost")->isEnabled());
  }

  // A new calculation puts the labels the materials rewrote back to their first texts.
  void NewCalculationRestoresTheDiameterLabels() {
    Program p;
    p.newCalculation();
    QCOMPARE(p.get<QLabel>("lPrumerOtvoru_d20")->text(), QStringLiteral("Průměr otvoru d při 20 °C"));
    p.choose("cbMaterialPrimPrvku", 18);
    p.choose("cbMaterialPotrubi", 18);
    QCOMPARE(p.get<QLabel>("lPrumerOtvoru_d20")->text(), QStringLiteral("Prům. otvoru prim. prvku d1"));
    p.choose("cbMaterialPrimPrvku", 0);
    QCOMPARE(p.get<QLabel>("lPrumerOtvoru_d20")->text(), QStringLiteral("Prům. otvoru prim. prvku d20"));

    p.messages.Prepare(Answer::Yes);
    p.newCalculation();
    QCOMPARE(p.list("cbMaterialPotrubi")->currentIndex(), 0);
    QCOMPARE(p.get<QLabel>("lPrumerOtvoru_d20")->text(), QStringLiteral("Průměr otvoru d při 20 °C"));
    QCOMPARE(p.get<QLabel>("LPrumerPotrubiPri20C")->text(), QStringLiteral("Průměr potrubí při 20 °C"));
  }

  // "Nový výpočet" empties the cascade grid: the next run has no cascade nobody typed.
  void NewCalculationHasNoCascade() {
    Program p;
    StoreWater(p, "ver3.5");
    ShowFirstRow(p);
    p.newCalculation();
    p.typeWater();
    p.pressF5();
    QCOMPARE(p.get<QTableWidget>("SGKaskada2")->item(1, 2)->text(), QString());
    QCOMPARE(p.main().State().CascadeRange[1], 0.0);
  }

  // F6 and F7 take the cascade as the grid holds it now, checked against the Δp at maximum flow.
  void UncertaintiesReadTheCascadeGridEachTime() {
    Program p;
    p.newCalculation();
    p.typeWater();
    p.box("ChBDifTlakMax")->click();
    p.type("EDifTlakMax", "25000");
    p.pressF5();
    auto* cascade = p.get<QTableWidget>("SGKaskada2");
    cascade->item(1, 2)->setText(QStringLiteral("30000"));
    cascade->item(2, 2)->setText(QStringLiteral("0.2"));
    p.messages.Clear();
    p.get<QAction>("AZobrazTabulkuNejistot")->trigger();
    QCOMPARE(p.shown(), std::vector<int>{str::kCascadeRangeNotBelowDpMax.id});
    cascade->item(1, 2)->setText(QStringLiteral("5000"));
    p.get<QAction>("AZobrazGrafNejistot")->trigger();
    QCOMPARE(p.main().State().CascadeRange[1], 5000.0);
  }

  // What the program writes into an edit reads from its beginning; an open list shows its longest entry.
  void FilledEditsAndListsReadWhole() {
    Program p;
    StoreWater(p, "ver3.5");
    ShowFirstRow(p);
    for (const QLineEdit* edit : p.get<QWidget>("TSZadani")->findChildren<QLineEdit*>())
      QVERIFY(edit->text().isEmpty() || edit->cursorPosition() == 0);
    QComboBox* list = p.list("cbMaterialPrimPrvku");
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
      widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    list->showPopup();
    QVERIFY(list->view()->viewport()->width() >= widest);
    list->hidePopup();
  }

  // The company field offers the database's names; choosing one or typing another marks the texts as
  // changed, and Enter does not add the typed name to the list.
  void CompanyFieldOffersStoredNamesAndMarksTexts() {
    Program p;
    DatabaseAccess db{LocalFileSystem(), PathsOf(DatabasePath(p)), p.messages};
    QVERIFY(AddCompany(db, {}, "Energetika"));
    QVERIFY(AddCompany(db, {"Energetika"}, "Chemie"));
    p.main().StartSession(Session{"novak", "Jan Novák", DatabasePath(p)});  // names are read at login
    p.newCalculation();
    QComboBox* company = p.list("CBUtvar");
    QCOMPARE(p.items("CBUtvar"), (QStringList{"Chemie", "Energetika"}));
    QCOMPARE(company->currentText(), QString());
    QVERIFY(!p.main().TextsChanged());
    p.choose("CBUtvar", 1);
    QVERIFY(p.main().TextsChanged());
    QVERIFY(p.main().SettingsChanged());  // a new calculation is not computed yet

    Program q;
    q.newCalculation();
    company = q.list("CBUtvar");
    QApplication::setActiveWindow(&q.main());
    company->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(company, Qt::Key_Return);  // unchanged: nothing marked
    QVERIFY(!q.main().TextsChanged());
    QTest::keyClicks(company, QStringLiteral("Vodarna"));
    QTest::keyClick(company, Qt::Key_Return);
    QVERIFY(q.main().TextsChanged());
    QCOMPARE(company->count(), 0);
    QCOMPARE(company->currentText(), QStringLiteral("Vodarna"));
  }
};

QTEST_MAIN(InputPageWindowTest)
#include "InputPageWindowTest.moc"
