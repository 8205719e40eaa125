// Whatever a user types, the window neither crashes nor hangs, and it shows no number that is not one.

#include <QElapsedTimer>
#include <QTabWidget>

#include "ProgramFixture.h"

using namespace pramo;
using pramo::testing::Program;

namespace {

const QStringList kExtremes = {"1e308",     "-1e308", "0",      "-5",
                               "1e-300",    "nan",    "inf",    "99999999999999999999",
                               "0,0000001", "7",      "12.5e3", ""};

// A small deterministic generator, so that a failure can be repeated.
struct Dice {
  unsigned state = 12345;
  int Roll(int sides) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) % static_cast<unsigned>(sides));
  }
};

// The value cells of the results grid and the entries of the series list (the unit "% inf" is a unit).
QStringList NumbersShown(Program& p) {
  QStringList texts;
  auto* results = p.get<QTableWidget>("SGVysledky");
  for (int r = 0; r < results->rowCount(); ++r)
    for (int c : {1, 4})
      if (results->item(r, c)) texts << results->item(r, c)->text();
  auto* series = p.list("cbVyberZRady");
  for (int i = 0; i < series->count(); ++i) texts << series->itemText(i);
  return texts;
}

}  // namespace

class ExtremeInputWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // From a sound water example, one value at a time is made extreme, in every kind, element and fluid.
  void ExtremeValuesInEveryKindElementAndFluid() {
    Program p;
    p.newCalculation();
    Dice dice;
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : p.get<QWidget>("TSZadani")->findChildren<QLineEdit*>())
      if (edit->objectName() != QLatin1String("EMericiMisto") &&
          edit->objectName() != QLatin1String("EPopis") && !edit->objectName().isEmpty())
        edits << edit;
    QVERIFY(edits.size() > 8);
    const int elements = p.list("CBPrimarniPrvek")->count();
    int runs = 0, computed = 0;
    qint64 longest = 0;
    for (int fluid : {0, 1, 2, 3, 4, 6})
      for (int kind = 0; kind < 3; ++kind)
        for (int element = 0; element < elements; ++element)
          for (int trial = 0; trial < 6; ++trial) {
            p.typeWater();
            p.choose("CBTekutina5", fluid);
            p.choose("cbDruhVypoctu", kind);
            p.choose("CBPrimarniPrvek", element);
            p.edit("ePrumerOtvoru_d20")->setText(QStringLiteral("50"));
            p.edit("EDifTlakMax")->setText(QStringLiteral("20000"));
            QLineEdit* victim = edits[dice.Roll(edits.size())];
            const QString value = kExtremes[dice.Roll(kExtremes.size())];
            victim->setText(value);
            QElapsedTimer clock;
            clock.start();
            p.pressF5();
            longest = std::max(longest, clock.elapsed());
            ++runs;
            if (p.main().State().ResultsValid) ++computed;
            for (const QString& text : NumbersShown(p)) {
              const QString lower = text.toLower();
              QVERIFY2(!lower.contains(QLatin1String("nan")) && !lower.contains(QLatin1String("inf")),
                       qPrintable(QStringLiteral("fluid %1 kind %2 element %3, %4 = \"%5\": %6")
                                      .arg(fluid)
                                      .arg(kind)
                                      .arg(element)
                                      .arg(victim->objectName(), value, text)));
            }
            p.messages.Clear();
            p.get<QTabWidget>("PCNastaveni")->setCurrentWidget(p.get<QWidget>("TSZadani"));
          }
    qInfo("%d runs, %d with results, the longest %lld ms", runs, computed, static_cast<long long>(longest));
    QVERIFY(computed > runs / 4);  // the examples do reach the iterations
    QVERIFY(longest < 5000);       // an endless iteration would not come back at all
  }
};

QTEST_MAIN(ExtremeInputWindowTest)
#include "ExtremeInputWindowTest.moc"
