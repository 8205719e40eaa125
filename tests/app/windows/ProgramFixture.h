#pragma once

// The program's windows on an empty database, driven as a user drives them, for the window tests.

#include <memory>
#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/windows/ProgramWindows.h"
#include "storage/FileSystem.h"

namespace pramo::testing {

// The windows of one program run on an empty database, with the messages recorded and answered.
struct Program {
  QTemporaryDir folder;
  MessageRecorder messages{Answer::Ok};
  std::unique_ptr<ProgramWindows> windows;

  Program() {
    const std::string database = folder.filePath(QStringLiteral("Pramo.flw")).toStdString();
    LocalFileSystem().Create(database, NewFile::Shared);
    Configuration configuration;
    configuration.DatabaseFolder = folder.path().toStdString();
    configuration.OwnerName = "Zkušební provoz";
    windows = std::make_unique<ProgramWindows>(messages, configuration,
                                               folder.filePath(QStringLiteral("Pramo.ini")).toStdString());
    main().StartSession(Session{"novak", "Jan Novák", database});
    main().show();
  }
  TfMain& main() { return windows->fMain; }
  template <class T>
  T* get(const char* name) {
    T* widget = main().findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
  }
  QComboBox* list(const char* name) { return get<QComboBox>(name); }
  QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
  QCheckBox* box(const char* name) { return get<QCheckBox>(name); }
  QString result(int row, int column) { return get<QTableWidget>("SGVysledky")->item(row, column)->text(); }

  // A choice in a list, as the user makes it.
  void choose(const char* name, int index) {
    QComboBox* combo = list(name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  void type(const char* name, const QString& text) {
    QLineEdit* line = edit(name);
    line->clear();
    QTest::keyClicks(line, text);
  }
  void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
  }
  void newCalculation() { click(get<QPushButton>("bNovyvypocet1")); }
  void pressF5() { get<QAction>("AVypocetParametru5")->trigger(); }
  std::vector<int> shown() const {
    std::vector<int> ids;
    for (const auto& m : messages.Shown()) ids.push_back(m.id);
    return ids;
  }
  QStringList items(const char* name) {
    QStringList texts;
    for (int i = 0; i < list(name)->count(); ++i) texts << list(name)->itemText(i);
    return texts;
  }

  // Water through an orifice plate sized over the series, as the README's example types it.
  void typeWater() {
    choose("CBTekutina5", 2);
    type("ETlak", "5");
    choose("CBJednTlakH", 5);
    type("EProvozniTeplota", "20");
    choose("CBFlowUnit", 1);
    type("EPrutokProvozni", "36");
    type("EPrutokMax", "45");
    type("EPrutokMin", "10");
    type("EPrumerPotrubiPri20C", "100");
  }
  // The water example with a maximum differential pressure of 25 kPa computed and stored: the window shows
  // it in viewing mode.
  void storeWater() {
    newCalculation();
    typeWater();
    box("ChBDifTlakMax")->click();
    type("EDifTlakMax", "25000");
    type("EMericiMisto", "FT 101");
    list("CBUtvar")->setCurrentText(QStringLiteral("Energetika"));
    pressF5();
    get<QAction>("AUlozit")->trigger();
    messages.Clear();
  }
};

// pramo-calc's results for the same inputs (JSON in, the "results" array out).
inline QJsonArray CalcResults(const QByteArray& input) {
  QProcess calc;
  calc.start(QStringLiteral(PRAMO_CALC), {QStringLiteral("-")});
  calc.write(input);
  calc.closeWriteChannel();
  if (!calc.waitForFinished(20000)) qFatal("pramo-calc did not finish");
  return QJsonDocument::fromJson(calc.readAllStandardOutput()).object()[QStringLiteral("results")].toArray();
}

inline void Screenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(QStringLiteral(PRAMO_SCREENSHOTS));
  widget->grab().save(QStringLiteral(PRAMO_SCREENSHOTS "/") + name + QStringLiteral(".png"));
}

}  // namespace pramo::testing
