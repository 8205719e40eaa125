// The login and password change windows driven as a user drives them: the first start with its forced
// password change, logins of users and the administrator, refusals, logout and the end of the program.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "access/Login.h"
#include "access/PasswordCode.h"
#include "app/windows/ProgramWindows.h"
#include "windows/WindowText.h"
#include "storage/FileSystem.h"
#include "strings/access.h"
#include "strings/app.h"
#include "strings/storage.h"

using namespace pramo;

namespace {

// One program run on a folder of its own: the configuration file and the databases live there.
struct Program {
  QTemporaryDir folder;
  MessageRecorder messages{Answer::Ok};
  std::unique_ptr<ProgramWindows> windows;

  std::string path(const char* name) const { return folder.filePath(QString::fromUtf8(name)).toStdString(); }

  // A set-up installation: the administrator's password "spravce1" and a database with one user.
  void SetUp() {
    SaveAdministratorPassword(LocalFileSystem(), path("Pramo.ini"), *AdministratorPasswordCode("spravce1"),
                              messages);
    DatabaseAccess db{LocalFileSystem(), PathsOf(path("Vodarna.flw")), messages};
    AddUser(db, "novak1", "Jan Novák", PasswordCode("novak1", "heslo1"), true);
    messages.Clear();
  }

  void Start() {
    Configuration configuration;
    configuration.DatabaseFolder = folder.path().toStdString();
    windows = std::make_unique<ProgramWindows>(messages, configuration, path("Pramo.ini"));
    login().FormShow();
    login().show();
  }

  TFLogin& login() { return windows->FLogin; }
  TfMain& main() { return windows->fMain; }
  TFZmenaHesla2& passwordChange() { return windows->FZmenaHesla2; }

  template <class T>
  static T* In(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
  }
  static void Type(QWidget& window, const char* name, const QString& text) {
    QLineEdit* edit = In<QLineEdit>(window, name);
    edit->clear();
    QTest::keyClicks(edit, text);
  }

  void LogIn(const QString& user, const QString& password) {
    Type(login(), "EUser", user);
    Type(login(), "EHeslo", password);
    QTest::keyClick(In<QLineEdit>(login(), "EHeslo"), Qt::Key_Return);
  }
  void NewPassword(const QString& password, const QString& repeated) {
    Type(passwordChange(), "EHesloNove", password);
    Type(passwordChange(), "EHesloZnovu", repeated);
    In<QPushButton>(passwordChange(), "BOK")->click();
  }

  int LastMessage() const { return messages.Shown().empty() ? 0 : messages.Shown().back().id; }
  QString ShownPage() { return In<QTabWidget>(main(), "PCNastaveni")->currentWidget()->objectName(); }
};

void Screenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(QStringLiteral(PRAMO_SCREENSHOTS));
  widget->grab().save(QStringLiteral(PRAMO_SCREENSHOTS "/") + name + QStringLiteral(".png"));
}

}  // namespace

class LoginWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The Czech and English modules lie next to the test program, so the language list offers both.
  void initTestCase() {
    ApplyProgramAppearance();
    for (const char* suffix : {".CSY", ".EN"}) {
      const QString module = QCoreApplication::applicationFilePath() + QString::fromLatin1(suffix);
      QFile::remove(module);
      QVERIFY(QFile::copy(QStringLiteral(PRAMO_PROGRAM_DIR "/pramo") + QString::fromLatin1(suffix), module));
    }
  }

  // The first start shows the panel, lets only "admin" with "tesov" in and holds the administrator in the
  // password change window until a usable password is set; the initial password is refused afterwards.
  void firstStartForcesThePasswordChange() {
    Program p;
    QElapsedTimer timer;
    timer.start();
    p.Start();
    QVERIFY(QTest::qWaitForWindowExposed(&p.login()));
    qInfo("start-up to the login window shown: %lld ms", static_cast<long long>(timer.elapsed()));
    QFrame* panel = Program::In<QFrame>(p.login(), "PInfo");
    QVERIFY(panel->isVisible());
    QVERIFY(p.login().height() > panel->geometry().bottom());
    Screenshot(&p.login(), QStringLiteral("TFLogin-first-start"));

    p.LogIn(QStringLiteral("admin"), QStringLiteral("heslo1"));
    QCOMPARE(p.LastMessage(), str::kNotAdministrator.id);
    QVERIFY(p.login().isVisible());
    QVERIFY(Program::In<QLineEdit>(p.login(), "EHeslo")->text().isEmpty());

    p.LogIn(QStringLiteral("admin"), QStringLiteral("tesov"));
    QCOMPARE(p.LastMessage(), str::kFirstLogin.id);
    QVERIFY(p.main().isVisible());
    QVERIFY(!p.login().isVisible());
    QCOMPARE(p.main().Mode(), MainMode::Administrator);
    QCOMPARE(p.ShownPage(), QStringLiteral("TSAdmin"));
    QVERIFY(p.passwordChange().isVisible());
    // The administrator can neither compute nor store: only the settings menu is open.
    QVERIFY(!Program::In<QToolButton>(p.main(), "TBMMSoubor")->isEnabled());
    QVERIFY(!Program::In<QToolButton>(p.main(), "TBMMVypocet")->isEnabled());
    QVERIFY(Program::In<QToolButton>(p.main(), "TBMMNastaveni")->isEnabled());
    QVERIFY(!Program::In<QToolBar>(p.main(), "TBPramo11")->isVisible());
    QVERIFY(!Program::In<QAction>(p.main(), "AVypocetParametru5")->isEnabled());
    QVERIFY(Program::In<QAction>(p.main(), "BarometrickyTlak1")->isEnabled());

    QVERIFY(!p.passwordChange().close());
    QCOMPARE(p.LastMessage(), str::kMustChangePassword.id);
    QTest::keyClick(&p.passwordChange(), Qt::Key_Escape);
    QVERIFY(p.passwordChange().isVisible());
    p.NewPassword(QStringLiteral("tesov"), QStringLiteral("tesov"));
    QCOMPARE(p.LastMessage(), str::kPasswordIsInitial.id);
    QVERIFY(Program::In<QLineEdit>(p.passwordChange(), "EHesloNove")->text().isEmpty());
    p.NewPassword(QStringLiteral("abcd"), QStringLiteral("abcd"));
    QCOMPARE(p.LastMessage(), str::kPasswordTooShort.id);
    p.NewPassword(QStringLiteral("spravce1"), QStringLiteral("spravce2"));
    QCOMPARE(p.LastMessage(), str::kPasswordsDiffer.id);
    QVERIFY(p.passwordChange().isVisible());
    p.NewPassword(QStringLiteral("spravce1"), QStringLiteral("spravce1"));
    QCOMPARE(p.LastMessage(), str::kPasswordChanged.id);
    QVERIFY(!p.passwordChange().isVisible());

    Program::In<QPushButton>(p.main(), "BBOdhlasit")->click();
    QVERIFY(p.login().isVisible());
    QVERIFY(!p.main().isVisible());
    QVERIFY(!panel->isVisible());
    p.LogIn(QStringLiteral("admin"), QStringLiteral("tesov"));
    QCOMPARE(p.LastMessage(), str::kNotAdministrator.id);
    p.LogIn(QStringLiteral("admin"), QStringLiteral("spravce1"));
    QCOMPARE(p.LastMessage(), str::kAdministratorLoggedIn.id);
    QVERIFY(p.main().isVisible());
  }

  // A user of the chosen database lands on its database page; a wrong password, or the right one cut
  // short, is refused and emptied.
  void userLogsIntoTheChosenDatabase() {
    Program p;
    p.SetUp();
    p.Start();
    QVERIFY(!Program::In<QFrame>(p.login(), "PInfo")->isVisible());
    QComboBox* databases = Program::In<QComboBox>(p.login(), "CBDatabaze");
    QCOMPARE(databases->count(), 1);
    QCOMPARE(databases->currentText(), QStringLiteral("Vodarna.flw"));
    Screenshot(&p.login(), QStringLiteral("TFLogin"));

    for (const char* wrong : {"heslo2", "hesl", ""}) {
      p.messages.Clear();
      p.LogIn(QStringLiteral("novak1"), QString::fromLatin1(wrong));
      QCOMPARE(p.LastMessage(), str::kNotAuthorised.id);
      QVERIFY(Program::In<QLineEdit>(p.login(), "EHeslo")->text().isEmpty());
      QVERIFY(p.login().isVisible());
      QVERIFY(!p.main().isVisible());
    }

    QComboBox* languages = Program::In<QComboBox>(p.login(), "CBJazykProgramu");
    QCOMPARE(languages->currentText(), QStringLiteral("Česky"));
    QCOMPARE(languages->count(), 2);
    languages->setCurrentIndex(1);
    emit languages->activated(1);
    QCOMPARE(p.LastMessage(), str::kLanguageChanged.id);
    const Configuration saved =
        ReadConfiguration(LocalFileSystem(),
                          ConfigurationPaths{p.path("Pramo.ini"), p.folder.path().toStdString()}, p.messages);
    QCOMPARE(QString::fromStdString(saved.Language), QStringLiteral("English"));

    p.messages.Clear();
    p.LogIn(QStringLiteral("novak1"), QStringLiteral("heslo1"));
    QVERIFY(p.messages.Shown().empty());
    QVERIFY(p.main().isVisible());
    QVERIFY(!p.login().isVisible());
    QCOMPARE(p.main().Mode(), MainMode::User);
    QCOMPARE(p.ShownPage(), QStringLiteral("TSDatabaze"));
    QVERIFY(p.main().windowTitle().endsWith(QStringLiteral("Vodarna.flw")));
  }

  // Logging out hides the main window behind the login window; its "Konec" then ends the program without
  // a question, even with a calculation left unstored.
  void logoutReturnsToTheLoginWindow() {
    Program p;
    p.SetUp();
    p.Start();
    p.LogIn(QStringLiteral("novak1"), QStringLiteral("heslo1"));
    Program::In<QPushButton>(p.main(), "bNovyvypocet1")->click();
    QCOMPARE(p.main().Mode(), MainMode::Editing);

    p.messages.Prepare(Answer::No);
    Program::In<QAction>(p.main(), "AOdhlasit")->trigger();
    QCOMPARE(p.LastMessage(), str::kCalculationNotStored.id);
    QVERIFY(p.login().isVisible());
    QVERIFY(!p.main().isVisible());
    QCOMPARE(Program::In<QComboBox>(p.login(), "CBDatabaze")->currentText(), QStringLiteral("Vodarna.flw"));

    p.messages.Clear();
    QSignalSpy ended(&p.login(), &TFLogin::ProgramEnded);
    Program::In<QPushButton>(p.login(), "BBKonec")->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(p.messages.Shown().empty());
    QVERIFY(!p.login().isVisible());
  }

  // Each showing of the login window starts afresh: the database page lists every calculation again and
  // the reserved bytes of the calculation are cleared; the listing leaves the progress bar hidden.
  void loginWindowStartsAfresh() {
    Program p;
    p.SetUp();
    p.Start();
    p.LogIn(QStringLiteral("novak1"), QStringLiteral("heslo1"));
    QVERIFY(!Program::In<QProgressBar>(p.login(), "pbNactiDatabazi")->isVisible());
    QComboBox* filter = Program::In<QComboBox>(p.main(), "CBFiltr1");
    QComboBox* items = Program::In<QComboBox>(p.main(), "CBFiltr2");
    filter->setCurrentIndex(2);
    emit filter->activated(2);
    QCOMPARE(items->count(), 8);
    QCOMPARE(items->currentIndex(), -1);
    p.main().State().StoredImage[961] = 7;
    p.main().State().StoredImage[966] = 9;

    Program::In<QAction>(p.main(), "AOdhlasit")->trigger();
    QVERIFY(p.login().isVisible());
    QCOMPARE(filter->currentIndex(), 0);
    QCOMPARE(items->count(), 0);
    QCOMPARE(p.main().State().StoredImage[961], 0);
    QCOMPARE(p.main().State().StoredImage[966], 0);
    QVERIFY(!p.main().LogoutFlag());

    // No help file lies next to the test program.
    p.messages.Clear();
    Program::In<QPushButton>(p.login(), "BBNapoveda")->click();
    QCOMPARE(p.LastMessage(), str::kHelpMissing.id);
    QCOMPARE(p.messages.Shown().back().kind, MessageKind::Error);
  }

  // A user changes his own password from the menu; the new one is the one that logs in next time.
  void userChangesHisOwnPassword() {
    Program p;
    p.SetUp();
    p.Start();
    p.LogIn(QStringLiteral("novak1"), QStringLiteral("heslo1"));
    Program::In<QAction>(p.main(), "Zmenitprstupoveheslo")->trigger();
    QVERIFY(p.passwordChange().isVisible());
    p.NewPassword(QStringLiteral("noveheslo"), QStringLiteral("noveheslo"));
    QCOMPARE(p.LastMessage(), str::kUserUpdated.id);
    QVERIFY(!p.passwordChange().isVisible());

    Program::In<QAction>(p.main(), "AOdhlasit")->trigger();
    p.LogIn(QStringLiteral("novak1"), QStringLiteral("heslo1"));
    QCOMPARE(p.LastMessage(), str::kNotAuthorised.id);
    p.LogIn(QStringLiteral("novak1"), QStringLiteral("noveheslo"));
    QVERIFY(p.main().isVisible());
  }

  // The administrator chooses a database and registers another user, who can then log into it.
  void administratorAddsAUser() {
    Program p;
    p.SetUp();
    p.Start();
    p.LogIn(QStringLiteral("admin"), QStringLiteral("spravce1"));
    QCOMPARE(p.ShownPage(), QStringLiteral("TSAdmin"));
    QComboBox* databases = Program::In<QComboBox>(p.main(), "CBVyberDatabazi");
    QCOMPARE(databases->count(), 2);
    QCOMPARE(databases->currentIndex(), -1);
    QPushButton* add = Program::In<QPushButton>(p.main(), "BBPridejUzivatele");
    QVERIFY(!add->isEnabled());
    databases->setCurrentIndex(1);
    emit databases->activated(1);
    QVERIFY(add->isEnabled());
    QVERIFY(p.main().windowTitle().endsWith(QStringLiteral("Vodarna.flw")));
    QComboBox* logins = Program::In<QComboBox>(p.main(), "CBSUPrihlasovaciJmeno");
    QCOMPARE(logins->count(), 1);

    QTest::keyClicks(logins->lineEdit(), QStringLiteral("admin"));
    Program::Type(p.main(), "ESUJmenoUzivatele", QStringLiteral("Petr Kolar"));
    Program::Type(p.main(), "ESUNoveHeslo", QStringLiteral("kolar5"));
    Program::Type(p.main(), "ESUZopakujHeslo", QStringLiteral("kolar5"));
    add->click();
    QCOMPARE(p.LastMessage(), str::kLoginIsAdmin.id);
    QCOMPARE(logins->count(), 1);

    logins->lineEdit()->clear();
    QTest::keyClicks(logins->lineEdit(), QStringLiteral("kolar22"));
    add->click();
    QCOMPARE(p.LastMessage(), str::kUserAdded.id);
    QCOMPARE(logins->count(), 2);
    QVERIFY(Program::In<QPushButton>(p.main(), "BBOdstranUzivatele2")->isEnabled());
    QVERIFY(Program::In<QLineEdit>(p.main(), "ESUNoveHeslo")->text().isEmpty());
    Screenshot(&p.main(), QStringLiteral("TfMain-administration"));

    Program::In<QPushButton>(p.main(), "BBOdhlasit")->click();
    p.LogIn(QStringLiteral("kolar22"), QStringLiteral("kolar5"));
    QVERIFY(p.main().isVisible());
    QCOMPARE(p.main().Mode(), MainMode::User);
  }

  // Settings edited by the administrator are saved on leaving with Yes, together with the working values
  // the settings dialogs changed, and read again at the next showing of the login window.
  void administratorSavesTheSettingsOnLeaving() {
    Program p;
    p.SetUp();
    p.Start();
    p.LogIn(QStringLiteral("admin"), QStringLiteral("spravce1"));
    Program::In<QCheckBox>(p.main(), "ChBZapati")->click();
    QVERIFY(p.main().TextsChanged());
    QTest::keyClicks(Program::In<QLineEdit>(p.main(), "EVlastnik"), QStringLiteral("Vodarna Brno"));
    p.main().State().BarometricPressure = 95000;

    p.messages.Prepare(Answer::Cancel);
    Program::In<QPushButton>(p.main(), "BBKonec")->click();
    QCOMPARE(p.LastMessage(), str::kSettingsNotSaved.id);
    QCOMPARE(p.messages.Shown().back().kind, MessageKind::Warning);
    QVERIFY(p.main().isVisible());
    QVERIFY(p.main().TextsChanged());

    p.messages.Prepare(Answer::Yes);
    Program::In<QPushButton>(p.main(), "BBKonec")->click();
    QVERIFY(p.login().isVisible());
    QVERIFY(!p.main().isVisible());
    const Configuration saved =
        ReadConfiguration(LocalFileSystem(),
                          ConfigurationPaths{p.path("Pramo.ini"), p.folder.path().toStdString()}, p.messages);
    QCOMPARE(QString::fromStdString(saved.OwnerName), QStringLiteral("Vodarna Brno"));
    QCOMPARE(saved.Working.BarometricPressure, 95000.0);
    QVERIFY(saved.Working.PrintFooter);
  }
};

QTEST_MAIN(LoginWindowTest)
#include "LoginWindowTest.moc"
