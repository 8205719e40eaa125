// The calculation run, the results page and the settings dialogs driven as a user drives them, with the
// results compared with those of pramo-calc for the same inputs.

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>

#include "ProgramFixture.h"
#include "app/ResultsPage.h"
#include "storage/DatabaseFile.h"
#include "strings/app.h"
#include "strings/core.h"

using namespace pramo;
using pramo::testing::CalcResults;
using pramo::testing::Program;
using pramo::testing::Screenshot;

namespace {

QString Fixed(const QJsonObject& result, const char* key, int decimals, double factor = 1) {
  return QString::number(result[QLatin1String(key)].toDouble() * factor, 'f', decimals);
}

QStringList HeaderSections(Program& p) {
  QStringList sections;
  const QAbstractItemModel* model = p.get<QHeaderView>("HCVyber")->model();
  for (int i = 1; i < 10; ++i) sections << model->headerData(i, Qt::Horizontal).toString();
  return sections;
}

// How many pixels of the status icon's place at the left of the closed list have the colour `wanted`
// (red or green dominant).
int IconPixels(QComboBox* list, bool red) {
  const QImage image = list->grab().toImage();
  int count = 0;
  for (int x = 2; x < 26; ++x)
    for (int y = 0; y < image.height(); ++y) {
      const QColor c = image.pixelColor(x, y);
      const int mine = red ? c.red() : c.green();
      const int other = red ? c.green() : c.red();
      if (mine > 120 && mine - other > 60 && mine - c.blue() > 60) ++count;
    }
  return count;
}

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void BoreOverTheSeries() {
    Program p;
    p.newCalculation();
    p.typeWater();
    QElapsedTimer timer;
    timer.start();
    p.pressF5();
    const qint64 elapsed = timer.elapsed();
    qInfo("F5, bore over the series with the results shown: %lld ms", static_cast<long long>(elapsed));
    QVERIFY2(p.shown().empty(), p.messages.Shown().empty() ? "" : p.messages.Shown()[0].text.c_str());
    QCOMPARE(p.get<QTabWidget>("PCNastaveni")->currentWidget()->objectName(), QStringLiteral("TSVysledky"));
    QVERIFY(!p.main().SettingsChanged());
    QVERIFY(p.main().State().ResultsValid);
    QVERIFY(!p.edit("EMernaHmotnost")->text().isEmpty());  // water's density written back

    const QJsonArray calc = CalcResults(
        R"({"Fluid":2,"PressureEntered":5,"PressureUnit":5,"TemperatureGiven":true,"TemperatureEntered":20,
            "FlowEntered":36,"FlowMaxEntered":45,"FlowMinEntered":10,"FlowUnit":5,"PipeDiameterEntered":100})");
    QCOMPARE(calc.size(), 10);
    QComboBox* series = p.list("cbVyberZRady");
    QCOMPARE(series->count(), 10);
    for (int i = 0; i < 10; ++i)
      QCOMPARE(series->itemText(i), calc[i].toObject()[QStringLiteral("SeriesEntry")].toString());
    QVERIFY(series->view()->isVisible());  // more than one entry: the list opened by itself
    series->hidePopup();
    QCOMPARE(HeaderSections(p), (QStringList{"Delta_p [Pa]", "C", "Beta", "d1 [mm]", "e [%]", "e_min [%]",
                                             "e_max [%]", "L [m]", "Tlaková ztráta [Pa]"}));

    // The whole grid of entry 0 against pramo-calc's first result.
    const QJsonObject r = calc[0].toObject();
    const QStringList labels0 = {"Absolutní tlak",          "Provozní teplota",
                                 "Měrná hmotnost",          "Dynamická viskozita",
                                 "Izentropický exponent",   "Průtok provozní",
                                 "Průtok maximální",        "Minimální průtok (zadaný)",
                                 "Průměr potrubí provozní", "Diferenční tlak maximální",
                                 "Diferenční tlak provozní"};
    const QStringList labels3 = {
        "Reynoldsovo číslo Re_Dmax", "Maximální rychlost",     "Součinitel expanze",
        "Součinitel průtoku",        "Poměr průměrů Beta=d/D", "Prům. otvoru prim. prvku d20",
        "Nejistota prov. průtoku",   "Nejistota min. průtoku", "Nejistota max. průtoku",
        "Min. průtok (vypočtený)",   "Minimální přímá délka"};
    const QStringList units2 = {"Pa",   "°C",   "kg/m3", "1E-6 Pa.s", "-", "kg/h",
                                "kg/h", "kg/h", "mm",    "Pa",        "Pa"};
    const QStringList units5 = {"-", "m/s", "-", "-", "-", "mm", "%", "% inf", "% inf", "kg/h", "m"};
    const QStringList values1 = {Fixed(r, "Pressure", 0),
                                 Fixed(r, "Temperature", 2),
                                 Fixed(r, "Density", 2),         // water: above 100 kg/m3
                                 Fixed(r, "Viscosity", 2, 1e6),  // water at 20 °C: above 9.99e-4 Pa.s
                                 Fixed(r, "Kappa", 3),
                                 Fixed(r, "MassFlow", 2, 3600),
                                 Fixed(r, "MassFlowMax", 2, 3600),
                                 Fixed(r, "MassFlowMin", 2, 3600),
                                 Fixed(r, "PipeDiameter", 3, 1000),
                                 QStringLiteral("6300"),
                                 Fixed(r, "Dp", 0)};
    const double length =
        (r["UpstreamLength"].toDouble() + r["DownstreamLength"].toDouble()) * r["PipeDiameter"].toDouble();
    const QStringList values4 = {Fixed(r, "ReDMax", 0),
                                 Fixed(r, "VelocityMax", 2),
                                 Fixed(r, "Epsilon", 4),
                                 Fixed(r, "C", 4),
                                 Fixed(r, "Beta", 4),
                                 Fixed(r, "Bore20", 3, 1000),
                                 Fixed(r, "FlowUncertainty", 2),
                                 Fixed(r, "FlowUncertaintyMin", 2),
                                 Fixed(r, "FlowUncertaintyMax", 2),
                                 Fixed(r, "MassFlowMinAllowed", 0, 3600),
                                 QString::number(length, 'f', 2)};
    for (int row = 0; row < 11; ++row) {
      QCOMPARE(p.result(row, 0), labels0[row]);
      QCOMPARE(p.result(row, 1), values1[row]);
      QCOMPARE(p.result(row, 2), units2[row]);
      QCOMPARE(p.result(row, 3), labels3[row]);
      QCOMPARE(p.result(row, 4), values4[row]);
      QCOMPARE(p.result(row, 5), units5[row]);
    }
    QStringList memo;
    for (const auto& line : r["LimitMessages"].toArray()) memo << line.toString();
    QVERIFY(p.get<QPlainTextEdit>("MChyboveHlaseni")->toPlainText().startsWith(memo.join('\n')));
    QVERIFY(QRegularExpression(QStringLiteral("^ -?\\d\\.\\d{5}E[+-]\\d{3} % $"))
                .match(p.get<QLabel>("LChybaVypoctu")->text())
                .hasMatch());

    Screenshot(&p.main(), QStringLiteral("results-page"));

    // Each entry draws its status icon: the first (status 2 at 6300 Pa) a red cross, the second a green tick.
    QCOMPARE(series->itemText(0).left(1), QStringLiteral("2"));
    QCOMPARE(series->itemText(1).left(1), QStringLiteral("0"));
    QVERIFY(IconPixels(series, true) > 5);
    QCOMPARE(IconPixels(series, false), 0);
    p.choose("cbVyberZRady", 1);
    QVERIFY(IconPixels(series, false) > 5);
    QCOMPARE(IconPixels(series, true), 0);
    QCOMPARE(p.result(9, 1), QStringLiteral("10000"));
    QCOMPARE(p.result(4, 4), Fixed(calc[1].toObject(), "Beta", 4));
    QCOMPARE(p.get<QTableWidget>("SGKaskada2")->item(1, 1)->text(), QStringLiteral("10000"));
    QCOMPARE(p.get<QTableWidget>("SGKaskada2")->item(2, 1)->text(), QStringLiteral("0.200"));
    // The bore edit holds the chosen entry's bore, for a later check in the other kinds.
    QCOMPARE(p.edit("ePrumerOtvoru_d20")->text().toDouble(),
             QString::number(calc[1].toObject()["Bore20"].toDouble() * 1000, 'g', 15).toDouble());
  }

  void TypedMaximumAndVenturiTubeGiveOneEntry() {
    Program p;
    p.newCalculation();
    p.typeWater();
    p.box("ChBDifTlakMax")->click();
    p.type("EDifTlakMax", "25000");
    p.pressF5();
    QComboBox* series = p.list("cbVyberZRady");
    QCOMPARE(series->count(), 1);
    QVERIFY(!series->view()->isVisible());
    QJsonArray calc = CalcResults(
        R"({"Fluid":2,"PressureEntered":5,"PressureUnit":5,"TemperatureGiven":true,"TemperatureEntered":20,
            "FlowEntered":36,"FlowMaxEntered":45,"FlowMinEntered":10,"FlowUnit":5,"PipeDiameterEntered":100,
            "DpMaxGiven":true,"DpMaxEntered":25000})");
    QCOMPARE(series->itemText(0), calc[0].toObject()["SeriesEntry"].toString());
    QCOMPARE(p.result(9, 1), QStringLiteral("25000"));

    // A classical Venturi tube in the Δp kind: no pressure loss in its entry, two header sections empty.
    p.choose("CBPrimarniPrvek", 5);
    p.choose("cbDruhVypoctu", 1);
    p.type("ePrumerOtvoru_d20", "60");
    p.pressF5();
    calc = CalcResults(
        R"({"CalcKind":1,"ElementKind":5,"Fluid":2,"PressureEntered":5,"PressureUnit":5,"TemperatureGiven":true,
            "TemperatureEntered":20,"FlowEntered":36,"FlowUnit":5,"PipeDiameterEntered":100,"Bore20":0.06})");
    const QJsonObject r = calc[0].toObject();
    QCOMPARE(series->count(), 1);
    QCOMPARE(series->itemText(0), r["SeriesEntry"].toString());
    QVERIFY(series->itemText(0).endsWith(QStringLiteral(";-")));
    QCOMPARE(HeaderSections(p), (QStringList{"Delta_p [Pa]", "C", "Beta", "d1 [mm]", "e [%]", "", "", "L [m]",
                                             "Tlaková ztráta [Pa]"}));
    QCOMPARE(p.result(5, 0), QStringLiteral("Průměr potrubí provozní"));
    QCOMPARE(p.result(6, 1), Fixed(r, "MassFlow", 2, 3600));
    QCOMPARE(p.result(7, 1), Fixed(r, "Dp", 0));
    QCOMPARE(p.result(7, 3), QString());
    QCOMPARE(p.result(9, 0), QString());
    QCOMPARE(p.get<QLabel>("LChybaVypoctu")->text(), QStringLiteral(" % "));
    // The cascade's first transmitter measures up to the computed Δp.
    QCOMPARE(p.get<QTableWidget>("SGKaskada2")->item(1, 1)->text().toDouble(), r["Dp"].toDouble());
  }

  // The README's steam example typed into the window gives what pramo-calc gives for its file.
  void SteamExampleMatchesPramoCalc() {
    Program p;
    p.newCalculation();
    p.choose("cbDruhVypoctu", 2);
    p.choose("CBPrimarniPrvek", 3);
    p.choose("CBTekutina5", 1);
    p.type("ETlak", "40");
    p.choose("CBJednTlakH", 5);
    p.type("EProvozniTeplota", "450");
    p.type("EDifTlakMax", "60");
    p.choose("CBJednDifTlakMaxH", 1);
    p.type("EPrumerPotrubiPri20C", "200");
    p.type("ePrumerOtvoru_d20", "120");
    p.choose("cbMaterialPrimPrvku", 11);
    p.choose("cbMaterialPotrubi", 15);
    p.pressF5();
    QVERIFY(p.shown().empty());
    QFile example(QStringLiteral(PRAMO_EXAMPLES "/steam-flow.json"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QJsonObject r = CalcResults(example.readAll())[0].toObject();
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), r["SeriesEntry"].toString());
    QCOMPARE(p.result(5, 1), Fixed(r, "MassFlow", 2, 3600));
    QCOMPARE(p.result(3, 4), Fixed(r, "C", 4));
    QCOMPARE(p.result(2, 4), Fixed(r, "Epsilon", 4));
    QCOMPARE(p.result(2, 1), Fixed(r, "Density", 6));  // steam: below 100 kg/m3
    QCOMPARE(p.result(3, 1), Fixed(r, "Viscosity", 5, 1e6));
  }

  void InputErrorsAndStops() {
    Program p;
    p.newCalculation();
    // Saturated steam with an unreadable flow: the error, but the saturation temperature comes back.
    p.type("ETlak", "10");
    p.choose("CBJednTlakH", 5);
    p.type("EPrutokProvozni", "x");
    p.type("EPrumerPotrubiPri20C", "100");
    p.pressF5();
    QCOMPARE(p.shown().back(), str::kBadInput.id);
    QVERIFY(p.edit("EPrutokProvozni")->styleSheet().contains(QStringLiteral("yellow")));
    QCOMPARE(p.edit("EProvozniTeplota")->text(), QStringLiteral("179.89"));  // IAPWS-IF97 at 1 MPa
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), QStringLiteral("Žádné hodnoty nejsou k dispozici !"));
    QCOMPARE(p.get<QTabWidget>("PCNastaveni")->currentWidget()->objectName(), QStringLiteral("TSZadani"));
    QVERIFY(!p.main().State().ResultsValid);

    // A run that stops for the undetermined fluid still gives the edits their normal background.
    p.choose("CBTekutina5", 7);
    p.windows->FJmenoTekutiny.reject();
    p.messages.Clear();
    p.pressF5();
    QCOMPARE(p.shown(), std::vector<int>{str::kChooseFluid.id});
    QVERIFY(p.edit("EPrutokProvozni")->styleSheet().isEmpty());

    // An iteration that cannot succeed: a bore as wide as the pipe.
    p.choose("CBTekutina5", 2);
    p.type("ETlak", "5");
    p.type("EProvozniTeplota", "20");
    p.choose("CBFlowUnit", 1);
    p.type("EPrutokProvozni", "36");
    p.choose("cbDruhVypoctu", 1);
    p.type("ePrumerOtvoru_d20", "100");
    p.messages.Clear();
    p.pressF5();
    QCOMPARE(p.shown(), std::vector<int>{str::kCalculationFailed.id});
    QCOMPARE(p.list("cbVyberZRady")->count(), 1);
    QCOMPARE(p.result(0, 1), QString());
    QVERIFY(!p.main().State().ResultsValid);
  }

  // Series values the bore cannot be sized for end the series with the message; earlier entries stay.
  void UnusableSeriesValues() {
    for (const char* bad : {"0", "-10000"}) {
      Program p;
      p.newCalculation();
      p.typeWater();
      p.get<QAction>("Radahodnottlakovediference1")->trigger();
      TFRadaTlakDif& dialog = p.windows->FRadaTlakDif;
      dialog.findChild<QLineEdit*>(QStringLiteral("ERada2"))->setText(QString::fromLatin1(bad));
      p.click(dialog.findChild<QPushButton*>(QStringLiteral("BOK")));
      QVERIFY(!dialog.isVisible());
      p.pressF5();
      QCOMPARE(p.shown(), std::vector<int>{str::kCalculationFailed.id});
      QCOMPARE(p.list("cbVyberZRady")->count(), 2);
      QVERIFY(p.main().State().ResultsValid);
      QCOMPARE(p.get<QTabWidget>("PCNastaveni")->currentWidget()->objectName(), QStringLiteral("TSVysledky"));
      p.choose("cbVyberZRady", 1);
      QCOMPARE(p.result(9, 1), QStringLiteral("10000"));
    }
  }

  // A calculation stored without a typed maximum and without valid results (as older records are) is
  // shown as stored: nothing is recomputed from the series.
  void StoredCalculationIsShownWithoutAnIteration() {
    Program p;
    p.newCalculation();
    p.typeWater();
    p.pressF5();
    CalculationState stored = p.main().State();
    stored.ResultsValid = false;
    stored.DpSeries[0] = 50000;
    const std::string database = p.folder.filePath(QStringLiteral("Pramo.flw")).toStdString();
    DatabaseAccess db{LocalFileSystem(), PathsOf(database), p.messages};
    QCOMPARE(SaveCalculation(db, stored, SaveMode::NewNumber), SaveOutcome::Stored);
    p.main().StartSession(Session{"novak", "Jan Novák", database});
    p.messages.Clear();
    p.get<QTableWidget>("SGDatabaze6")->setCurrentCell(0, 0);
    p.click(p.get<QPushButton>("bZobrazitvypocet1"));
    QCOMPARE(p.main().Mode(), MainMode::Viewing);
    QCOMPARE(p.list("cbVyberZRady")->itemText(0), QString::fromStdString(StoredSeriesEntryText(stored)));
    QCOMPARE(p.result(10, 1), QString::number(stored.Dp, 'f', 0));
    QCOMPARE(p.result(5, 4), QString::number(stored.Bore20 * 1000, 'f', 3));
    p.choose("cbVyberZRady", 0);
    QCOMPARE(p.result(10, 1), QString::number(stored.Dp, 'f', 0));
    QVERIFY(std::find(p.shown().begin(), p.shown().end(), str::kCalculationFailed.id) == p.shown().end());
  }

  void SettingsDialogs() {
    Program p;
    p.newCalculation();

    // Single values: the label, unit and format per purpose; a text that is no number comes back.
    TFZadej& zadej = p.windows->FZadej;
    auto* value = zadej.findChild<QLineEdit*>(QStringLiteral("EZadej"));
    auto* ok = zadej.findChild<QPushButton*>(QStringLiteral("BOK"));
    p.get<QAction>("Presnoststanovenimernehmotnosti1")->trigger();
    QCOMPARE(zadej.findChild<QLabel*>(QStringLiteral("LZadej"))->text(),
             QStringLiteral("Zadejte přesnost stanovení měrné hmotnosti."));
    QCOMPARE(value->text(), QStringLiteral("1.00"));
    QCOMPARE(value->selectedText(), value->text());
    value->setText(QStringLiteral("abc"));
    p.click(ok);
    QCOMPARE(p.shown(), std::vector<int>{str::kNumberExpected.id});
    QVERIFY(zadej.isVisible());
    QCOMPARE(value->text(), QStringLiteral("1.00"));
    value->setText(QStringLiteral("2,5"));
    p.click(ok);
    QVERIFY(!zadej.isVisible());
    QCOMPARE(p.main().State().DensityAccuracy, 2.5);
    p.get<QAction>("BarometrickyTlak1")->trigger();
    QCOMPARE(zadej.findChild<QLabel*>(QStringLiteral("LJednZadej"))->text(), QStringLiteral("Pa"));
    value->setText(QStringLiteral("98000"));
    p.click(zadej.findChild<QPushButton*>(QStringLiteral("BStandard")));
    QCOMPARE(value->text(), QStringLiteral("101325.00"));
    value->setText(QStringLiteral("98000"));
    p.click(ok);
    QCOMPARE(p.get<QToolButton>("BBBarometrickyTlak1")->toolTip(),
             QStringLiteral("Barometrický tlak 98000 Pa"));

    // A reference condition: 1 bar is stored as entered, with its unit and in Pa; the hint follows.
    p.messages.Clear();
    TFZadej2& zadej2 = p.windows->FZadej2;
    p.get<QAction>("Vztaznepodminkyproprutok1")->trigger();
    QCOMPARE(zadej2.findChild<QLabel*>(QStringLiteral("LVztaznePodminky"))->text(),
             QStringLiteral("Vztažné podmínky - průtok"));
    zadej2.findChild<QLineEdit*>(QStringLiteral("EVztazPodmTlak"))->setText(QStringLiteral("1"));
    zadej2.findChild<QComboBox*>(QStringLiteral("CBJVztPodmTlak"))->setCurrentIndex(5);
    auto* temperature = zadej2.findChild<QLineEdit*>(QStringLiteral("EVztazPodmTeplota"));
    const QString storedTemperature = temperature->text();
    temperature->setText(QStringLiteral("teplo"));
    p.click(zadej2.findChild<QPushButton*>(QStringLiteral("BOK")));
    QCOMPARE(p.shown(), std::vector<int>{str::kNumberExpected.id});
    QVERIFY(zadej2.isVisible());
    QCOMPARE(temperature->text(), storedTemperature);
    const CalculationState& s = p.main().State();
    QCOMPARE(s.FlowRefPressureEntered, 1.0);
    QCOMPARE(static_cast<int>(s.FlowRefPressureUnit), 5);
    QCOMPARE(s.FlowRefPressure, 100000.0);
    temperature->setText(QStringLiteral("32"));
    zadej2.findChild<QComboBox*>(QStringLiteral("CBJVztPodmTeplota"))->setCurrentIndex(2);
    p.click(zadej2.findChild<QPushButton*>(QStringLiteral("BOK")));
    QVERIFY(!zadej2.isVisible());
    QCOMPARE(s.FlowRefTemperature, 0.0);
    QCOMPARE(p.get<QToolButton>("BBVPP")->toolTip(),
             QStringLiteral("Vztažné podmínky pro průtok\nTlak 1 bar; Teplota 32 °F"));

    // The fluid name: at most 20 characters, also the hint of its button; "Zpět" keeps it.
    p.choose("CBTekutina5", 5);  // "plyn" opens the name window
    TFJmenoTekutiny& name = p.windows->FJmenoTekutiny;
    QVERIFY(name.isVisible());
    auto* nameEdit = name.findChild<QLineEdit*>(QStringLiteral("EJmenoTekutiny"));
    QCOMPARE(nameEdit->text(), QStringLiteral("plyn"));
    nameEdit->setText(QStringLiteral("Zemní plyn Tranzit 2024 ABC"));
    p.click(name.findChild<QPushButton*>(QStringLiteral("BOK")));
    QCOMPARE(QString::fromStdString(s.FluidName), QStringLiteral("Zemní plyn Tranzit 2"));
    QCOMPARE(p.get<QToolButton>("BBTekutina7")->toolTip(), QStringLiteral("Zemní plyn Tranzit 2"));
    p.click(p.get<QToolButton>("BBTekutina7"));
    nameEdit->setText(QStringLiteral("jiný"));
    p.click(name.findChild<QPushButton*>(QStringLiteral("BZpet")));
    QCOMPARE(QString::fromStdString(s.FluidName), QStringLiteral("Zemní plyn Tranzit 2"));
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "ResultsWindowTest.moc"
