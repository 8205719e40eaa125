// The database page as a user works it: filtering and ordering the stored calculations, moving the
// selection with unsaved work, and keeping the company list.

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "ProgramFixture.h"
#include "core/Dates.h"
#include "storage/DatabaseFile.h"
#include "storage/DatabaseListing.h"
#include "access/PasswordCode.h"
#include "access/Users.h"
#include "strings/access.h"
#include "strings/storage.h"

using namespace pramo;
using pramo::testing::Program;

namespace {

std::string DatabasePath(Program& p) {
  return p.folder.filePath(QStringLiteral("Pramo.flw")).toStdString();
}

// Stores a calculation straight into the database, as another user's program would have.
void Store(Program& p, unsigned count, FluidKind fluid, const char* versionTag, const char* company) {
  CalculationState state;
  state.VersionTag = versionTag;
  state.Fluid = fluid;
  state.Company = company;
  state.Date = TodayDayCount();
  state.NumberInstallation = 1;
  state.NumberCount = count;
  state.NumberIndex = 1;
  state.PipeDiameterEntered = 100;
  state.ResultsValid = true;
  DatabaseAccess db{LocalFileSystem(), PathsOf(DatabasePath(p)), p.messages};
  QCOMPARE(SaveCalculation(db, state, SaveMode::NewNumber), SaveOutcome::Stored);
}

// Three calculations of two fluids and two program versions, listed after a fresh login. The older
// version numbered its calculations without an index.
void StoreThree(Program& p) {
  Store(p, 1, FluidKind::Water, "ver3.5", "Energetika");
  Store(p, 2, FluidKind::DryAir, "ver3.3", "Kotelna");
  Store(p, 3, FluidKind::Water, "ver3.4", "Energetika");
  p.main().StartSession(Session{"novak", "Jan Novák", DatabasePath(p)});
  p.messages.Clear();
}

QStringList NumbersListed(Program& p) {
  QStringList numbers;
  auto* grid = p.get<QTableWidget>("SGDatabaze6");
  for (int r = 0; r < grid->rowCount() && grid->item(r, 0); ++r) numbers << grid->item(r, 0)->text();
  return numbers;
}

QString Counter(Program& p) {
  return p.get<QLabel>("lVypocetPocetVypoctu")->text();
}

}  // namespace

class DatabasePageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void FiltersListOnlyMatchingCalculations() {
    Program p;
    StoreThree(p);
    QCOMPARE(NumbersListed(p), QStringList({"0100001-01", "0100002", "0100003-01"}));
    QCOMPARE(p.items("CBFiltr1"),
             QStringList({"<všechny výpočty>", "firma/útvar", "tekutina", "program", "datum"}));

    // A kind of filter empties the grid until its second list chooses.
    p.list("CBFiltr1")->setCurrentIndex(2);
    QVERIFY(NumbersListed(p).isEmpty());
    QCOMPARE(Counter(p), QStringLiteral(" 0 / 0 "));
    QCOMPARE(p.list("CBFiltr2")->currentIndex(), -1);
    QCOMPARE(p.list("CBFiltr2")->count(), 8);
    p.list("CBFiltr2")->setCurrentIndex(2);  // voda
    QCOMPARE(NumbersListed(p), QStringList({"0100001-01", "0100003-01"}));
    QCOMPARE(Counter(p), QStringLiteral(" 1 / 2 "));

    // "Pramo v1.1" takes the two newest version tags, not the older one.
    p.list("CBFiltr1")->setCurrentIndex(3);
    p.list("CBFiltr2")->setCurrentIndex(2);
    QCOMPARE(NumbersListed(p), QStringList({"0100001-01", "0100003-01"}));

    // The company filter offers the names stored in the calculations' company list, not theirs.
    p.list("CBFiltr1")->setCurrentIndex(1);
    QVERIFY(p.items("CBFiltr2").isEmpty());

    p.list("CBFiltr1")->setCurrentIndex(0);
    QCOMPARE(NumbersListed(p).size(), 3);
    QVERIFY(p.shown().empty());
  }

  void ReversingTwiceRestoresOrderAndSelection() {
    Program p;
    StoreThree(p);
    auto* sort = p.get<QToolButton>("sbSeraditDleCislaVypoctu");
    QCOMPARE(sort->toolTip(), QStringLiteral("Seřadit sestupně"));
    p.get<QTableWidget>("SGDatabaze6")->setCurrentCell(1, 0);
    sort->click();
    QCOMPARE(NumbersListed(p), QStringList({"0100003-01", "0100002", "0100001-01"}));
    QCOMPARE(sort->toolTip(), QStringLiteral("Seřadit vzestupně"));
    QCOMPARE(p.get<QTableWidget>("SGDatabaze6")->currentRow(), 1);
    p.get<QTableWidget>("SGDatabaze6")->setCurrentCell(0, 0);  // 0100003-01
    sort->click();
    QCOMPARE(NumbersListed(p), QStringList({"0100001-01", "0100002", "0100003-01"}));
    QCOMPARE(p.get<QTableWidget>("SGDatabaze6")->currentRow(), 2);
    QCOMPARE(Counter(p), QStringLiteral(" 3 / 3 "));
  }

  void MovingTheSelectionAsksBeforeUnsavedWorkIsLost() {
    Program p;
    StoreThree(p);
    p.newCalculation();
    QCOMPARE(p.main().Mode(), MainMode::Editing);
    auto* grid = p.get<QTableWidget>("SGDatabaze6");

    p.messages.Prepare(Answer::No);
    grid->setCurrentCell(2, 0);
    QCOMPARE(p.shown(), std::vector<int>{str::kUnsavedLost.id});
    QCOMPARE(grid->currentRow(), 0);
    QCOMPARE(p.main().Mode(), MainMode::Editing);

    p.messages.Clear();
    p.messages.Prepare(Answer::Yes);
    grid->setCurrentCell(2, 0);
    QCOMPARE(p.shown(), std::vector<int>{str::kUnsavedLost.id});
    QCOMPARE(p.main().Mode(), MainMode::User);
    QVERIFY(!p.main().SettingsChanged());
    QCOMPARE(Counter(p), QStringLiteral(" 3 / 3 "));

    // Without unsaved work the selection moves without a question.
    p.messages.Clear();
    grid->setCurrentCell(0, 0);
    QVERIFY(p.shown().empty());
  }

  void CompanyListFollowsAddRenameAndRemove() {
    Program p;
    auto* names = p.list("CBUtvarDB");
    names->setEditText(QStringLiteral("Kotelna"));
    p.get<QPushButton>("BBPridejUtvar")->click();
    names->setEditText(QStringLiteral("Energetika"));
    p.get<QPushButton>("BBPridejUtvar")->click();
    QCOMPARE(p.shown(), std::vector<int>({str::kCompanyAdded.id, str::kCompanyAdded.id}));
    QCOMPARE(p.items("CBUtvarDB"), QStringList({"Energetika", "Kotelna"}));
    QCOMPARE(p.items("CBUtvar"), QStringList({"Energetika", "Kotelna"}));
    QCOMPARE(p.get<QLabel>("LCelkemFiremUtvaru")->text(), QStringLiteral(" 0 / 2 "));

    // While the filter is by company, its list follows too.
    p.list("CBFiltr1")->setCurrentIndex(1);
    names->setCurrentIndex(1);
    emit names->activated(1);
    QCOMPARE(p.get<QLabel>("LCelkemFiremUtvaru")->text(), QStringLiteral(" 2 / 2 "));
    names->setEditText(QStringLiteral("Čerpadla"));
    p.get<QPushButton>("BBZmenJmenoUtvaru")->click();
    QCOMPARE(p.items("CBFiltr2"), QStringList({"Čerpadla", "Energetika"}));

    p.messages.Clear();
    p.messages.Prepare(Answer::Yes);
    names->setEditText(QStringLiteral("Energetika"));
    p.get<QPushButton>("BBOdstranUtvar")->click();
    QCOMPARE(p.shown(), std::vector<int>({str::kConfirmRemoveCompany.id, str::kCompanyRemoved.id}));
    QCOMPARE(p.items("CBUtvar"), QStringList({"Čerpadla"}));
    QCOMPARE(p.items("CBFiltr2"), QStringList({"Čerpadla"}));
  }

  // After a conflict at storing the grid shows the new reading, and "Zobrazit výpočet" takes its row.
  void ConflictAtStoringRedrawsTheGrid() {
    Program p;
    p.storeWater();
    p.click(p.get<QPushButton>("bbKopievypoctu1"));
    p.pressF5();
    Store(p, 2, FluidKind::Water, "ver3.5", "Kotelna");  // another instance, after this one listed
    QApplication::setActiveWindow(&p.main());
    p.get<QAction>("AUlozit")->trigger();
    QCOMPARE(NumbersListed(p), QStringList({"0100001-01", "0100002-01"}));
    QVERIFY(p.edit("eCisloVypoctuCount")->hasFocus());
    p.messages.Prepare(Answer::Yes);
    p.get<QTableWidget>("SGDatabaze6")->setCurrentCell(1, 0);
    p.click(p.get<QPushButton>("bZobrazitvypocet1"));
    QCOMPARE(p.edit("eCisloVypoctuCount")->text(), QStringLiteral("00002"));
  }

  // The running count edit takes whole numbers only, padded; storing takes nothing else.
  void NumberEditsTakeWholeNumbersOnly() {
    Program p;
    p.newCalculation();
    QApplication::setActiveWindow(&p.main());
    QLineEdit* count = p.edit("eCisloVypoctuCount");
    for (const char* typed : {"abc", "7"}) {
      count->setFocus(Qt::OtherFocusReason);
      count->selectAll();
      QTest::keyClicks(count, QString::fromLatin1(typed));
      p.edit("EPopis")->setFocus(Qt::TabFocusReason);
    }
    QCOMPARE(p.shown(), std::vector<int>{str::kWholeNumberExpected.id});
    QCOMPARE(p.get<QGroupBox>("GBVysledky")->title(),
             QStringLiteral(" Vypočtené hodnoty - číslo výpočtu 00007-01 "));
    p.typeWater();
    p.pressF5();
    count->setText(QStringLiteral("abc"));  // still in the edit: not left yet
    p.messages.Clear();
    p.get<QAction>("AUlozit")->trigger();
    QCOMPARE(p.shown(), std::vector<int>{str::kWholeNumberExpected.id});
  }

  // The administration page removes only the user picked from its list, and nobody in another database.
  void AdministrationActsOnThePickedUserOnly() {
    Program p;
    DatabaseAccess db{LocalFileSystem(), PathsOf(DatabasePath(p)), p.messages};
    for (const char* login : {"karel1", "novak1", "petr11"})
      AddUser(db, login, "Jan Novák", PasswordCode(login, "heslo1"), false);
    p.main().StartSession(Session{"admin", "", ""});
    p.choose("CBVyberDatabazi", 1);
    QLineEdit* login = p.list("CBSUPrihlasovaciJmeno")->lineEdit();
    QTest::keyClicks(login, QStringLiteral("karel"));
    QCOMPARE(login->text(), QStringLiteral("karel"));  // no completion to "karel1"
    QTest::keyClicks(login, QStringLiteral("1"));
    QTest::keyClick(login, Qt::Key_Return);  // a typed name picks nobody
    auto* remove = p.get<QPushButton>("BBOdstranUzivatele2");
    p.messages.Clear();
    remove->click();
    p.choose("CBSUPrihlasovaciJmeno", 1);
    p.messages.Prepare(Answer::Yes);
    remove->click();
    QCOMPARE(p.items("CBSUPrihlasovaciJmeno"), QStringList({"karel1", "petr11"}));
    p.choose("CBSUPrihlasovaciJmeno", 0);
    p.choose("CBVyberDatabazi", 1);
    remove->click();
    QCOMPARE(p.shown(), (std::vector<int>{str::kUserNotFound.id, str::kConfirmRemoveUser.id,
                                          str::kUserRemoved.id, str::kUserNotFound.id}));
  }

  void PopupMenuOffersTheFourCommands() {
    Program p;
    auto* popup = p.get<QTableWidget>("SGDatabaze6")->findChild<QMenu*>(QStringLiteral("PMVypocty"));
    QVERIFY(popup);
    QStringList texts;
    for (QAction* action : popup->actions()) texts << action->text();
    QCOMPARE(texts, QStringList({"Zobrazit výpočet", "Nový výpočet", "Kopie výpočtu", "Přepočítat výpočet"}));
    popup->actions()[1]->trigger();
    QCOMPARE(p.main().Mode(), MainMode::Editing);
  }
};

QTEST_MAIN(DatabasePageWindowTest)
#include "DatabasePageWindowTest.moc"
