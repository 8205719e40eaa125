// The language switch at start-up and the help, with language modules and help pages laid next to the
// test program as an installation lays them next to the program.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/windows/ProgramWindows.h"
#include "windows/tfnapoveda.h"
#include "storage/FileSystem.h"
#include "strings/app.h"

namespace pramo {
namespace {

QString NextToProgram(const QString& suffix) {
  return QCoreApplication::applicationFilePath() + suffix;
}

void LayModule(const char* suffix, const QByteArray& content) {
  QFile file(NextToProgram(QString::fromLatin1(suffix)));
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content);
}

QByteArray BuiltModule(const char* suffix) {
  QFile file(QStringLiteral(PRAMO_PROGRAM_DIR "/pramo") + QString::fromLatin1(suffix));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void LayHelp(const char* suffix) {
  const QDir from(QStringLiteral(PRAMO_PROGRAM_DIR "/pramo") + QString::fromLatin1(suffix));
  const QString to = NextToProgram(QString::fromLatin1(suffix));
  QDir().mkpath(to);
  for (const QString& page : from.entryList(QDir::Files)) {
    QFile::remove(to + QLatin1Char('/') + page);
    QVERIFY(QFile::copy(from.filePath(page), to + QLatin1Char('/') + page));
  }
}

TFNapoveda* HelpWindow() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* help = qobject_cast<TFNapoveda*>(window)) return help;
  return nullptr;
}

}  // namespace

class LanguageWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir m_folder;
  MessageRecorder m_messages{Answer::Ok};

  // The program's windows as a start with this configuration file creates them.
  std::unique_ptr<ProgramWindows> Start(const QByteArray& ini) {
    const QString file = m_folder.filePath(QStringLiteral("Pramo.ini"));
    QFile::remove(file);
    if (!ini.isEmpty()) {
      QFile out(file);
      out.open(QIODevice::WriteOnly);
      out.write(ini);
    }
    Configuration configuration;
    configuration.DatabaseFolder = m_folder.path().toStdString();
    return std::make_unique<ProgramWindows>(m_messages, configuration, file.toStdString());
  }
  static QComboBox* LanguageList(ProgramWindows& w) { return &w.FLogin.LanguageList(); }
  static QString FirstTab(ProgramWindows& w) {
    return w.fMain.findChild<QTabWidget*>(QStringLiteral("PCNastaveni"))->tabText(0);
  }

 private slots:
  void initTestCase() {
    ApplyProgramAppearance();
    QDir().mkpath(QStringLiteral(PRAMO_SCREENSHOTS));
    QVERIFY(!BuiltModule(".EN").isEmpty());
    for (const char* suffix : {".CSY", ".DE", ".EN", ".ESP", ".FR", ".PLK", ".SKY"})
      QFile::remove(NextToProgram(QString::fromLatin1(suffix)));
  }

  // Without modules the list is empty and disabled and everything stays Czech; a module that is empty,
  // damaged or another program's, and a name in the wrong case, leave the built-in Czech too.
  void withoutUsableModuleTheProgramStaysCzech() {
    struct Case {
      const char* name;
      QByteArray module;  // laid as program + ".EN"; none when null
      QByteArray ini;
      QStringList listed;
      int selected;  // the configured name is selected where listed, whether or not its module loads
    };
    const QByteArray english = "[Language]\nLangID=English\n";
    const Case cases[] = {
        {"no module", QByteArray(), english, {}, -1},
        {"English only, LangID missing", BuiltModule(".EN"), QByteArray(), {QStringLiteral("English")}, -1},
        {"empty module", QByteArray(""), english, {QStringLiteral("English")}, 0},
        {"damaged module", BuiltModule(".EN").left(300), english, {QStringLiteral("English")}, 0},
        {"another program's catalogue",
         BuiltModule(".EN").replace("StringTable", "StringTablX"),
         english,
         {QStringLiteral("English")},
         0},
        {"lower-case name",
         BuiltModule(".EN"),
         "[Language]\nLangID=english\n",
         {QStringLiteral("English")},
         -1},
    };
    for (const Case& c : cases) {
      QFile::remove(NextToProgram(QStringLiteral(".EN")));
      if (!c.module.isNull()) LayModule(".EN", c.module);
      auto windows = Start(c.ini);
      QComboBox* list = LanguageList(*windows);
      QStringList listed;
      for (int i = 0; i < list->count(); ++i) listed << list->itemText(i);
      QVERIFY2(listed == c.listed, c.name);
      QVERIFY2(list->isEnabled() == !c.listed.isEmpty(), c.name);
      QVERIFY2(list->currentIndex() == c.selected, c.name);
      QVERIFY2(FirstTab(*windows) == QStringLiteral("Zadání"), c.name);
      QVERIFY2(Tr(str::kButtonYes) == "&Ano", c.name);
    }
  }

  // With the English module every window is English from the start: the .ui texts, the texts the windows
  // set themselves and the string table; F1 opens the window's topic in the English help.
  void englishModuleMakesTheProgramEnglish() {
    LayModule(".CSY", BuiltModule(".CSY"));
    LayModule(".EN", BuiltModule(".EN"));
    LayHelp("_EN");
    auto windows = Start("[Language]\nLangID= English \n");
    QComboBox* list = LanguageList(*windows);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QStringLiteral("English"));
    QCOMPARE(FirstTab(*windows), QStringLiteral("Input"));
    QCOMPARE(windows->FLogin.windowTitle(), QStringLiteral("Login"));
    QCOMPARE(windows->FZmenaHesla2.windowTitle(), QStringLiteral("Password change"));
    auto* grid = windows->fMain.findChild<QTableWidget*>(QStringLiteral("SGDatabaze6"));
    QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Calculation number"));
    QCOMPARE(Tr(str::kMessageCaption[0]), std::string("Error"));
    QCOMPARE(Tr(str::kHelpMissing),
             std::string("The help cannot be opened!\r\nThe help file was not found!"));

    const std::string database = m_folder.filePath(QStringLiteral("Pramo.flw")).toStdString();
    LocalFileSystem().Create(database, NewFile::Shared);
    QVERIFY(windows->fMain.StartSession(Session{"novak", "Jan Novák", database}));
    windows->fMain.show();
    windows->fMain.findChild<QPushButton*>(QStringLiteral("bNovyvypocet1"))->click();
    windows->fMain.grab().save(QStringLiteral(PRAMO_SCREENSHOTS "/main-window-english.png"));
    QWidget* onInputPage = windows->fMain.findChild<QWidget*>(QStringLiteral("ETlak"));
    QTest::keyClick(onInputPage, Qt::Key_F1);
    TFNapoveda* help = HelpWindow();
    QVERIFY(help && help->isVisible());
    auto* page = help->findChild<QTextBrowser*>(QStringLiteral("TBStranka"));
    QVERIFY(page->source().toLocalFile().endsWith(QStringLiteral("_EN/zadani.html")));
    QCOMPARE(page->documentTitle(), QStringLiteral("The input page"));
    QCOMPARE(help->Search(QStringLiteral("numbering")).size() > 0, true);
    QVERIFY(help->Search(QStringLiteral("installation running count"))
                .front()
                .endsWith(QStringLiteral("cislovani-vypoctu.html")));
    help->grab().save(QStringLiteral(PRAMO_SCREENSHOTS "/help-window-english.png"));
    QTest::keyClick(&windows->FLogin, Qt::Key_F1);
    QVERIFY(page->source().toLocalFile().endsWith(QStringLiteral("_EN/prvni-spusteni.html")));
    QVERIFY(m_messages.Shown().empty());
  }

  void cleanupTestCase() {
    for (const char* suffix : {".CSY", ".EN"}) QFile::remove(NextToProgram(QString::fromLatin1(suffix)));
    QDir(NextToProgram(QStringLiteral("_EN"))).removeRecursively();
  }
};

}  // namespace pramo

QTEST_MAIN(pramo::LanguageWindowTest)
#include "LanguageWindowTest.moc"
