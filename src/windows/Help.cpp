#include "windows/Help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTabWidget>
#include <QWidget>

#include "windows/Language.h"
#include "windows/ProgramFiles.h"
#include "windows/tfnapoveda.h"
#include "strings/app.h"
#include "strings/storage.h"

namespace pramo {
namespace {

constexpr const char* kTopicProperty = "helpTopic";
constexpr const char* kContents = "index";

// Windows and pages by class or object name, and the topic of each.
struct TopicOf {
  const char* name;
  const char* topic;
};
constexpr TopicOf kTopics[] = {
    {"TFLogin", "prvni-spusteni"},      {"TFZmenaHesla2", "prvni-spusteni"},
    {"TSAdmin", "prvni-spusteni"},      {"TSZadani", "zadani"},
    {"TSVysledky", "vysledky"},         {"TSDatabaze", "databaze"},
    {"TFZadej", "nastaveni"},           {"TFZadej2", "nastaveni"},
    {"TFRadaTlakDif", "nastaveni"},     {"TFJmenoTekutiny", "nastaveni"},
    {"TFNahled", "osvedceni"},          {"TFNastaveniTisku", "osvedceni"},
    {"TFZapati", "osvedceni"},          {"TFGraf", "nejistoty"},
    {"TFTabulkaNejistot", "nejistoty"}, {"TFConvert", "prevod"},
    {"TFStavPrevodu", "prevod"},        {"TFPrutok2mA", "prutok-proud"},
    {"TFOProgramu", kContents},
};

QString& HelpFolder() {
  static QString folder;
  return folder;
}

QString NamedTopic(const QWidget* widget) {
  const QVariant own = widget->property(kTopicProperty);
  if (own.isValid()) return own.toString();
  QString className = QString::fromLatin1(widget->metaObject()->className());
  className = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
  for (const TopicOf& entry : kTopics)
    if (widget->objectName() == QLatin1String(entry.name) || className == QLatin1String(entry.name))
      return QString::fromLatin1(entry.topic);
  return {};
}

TFNapoveda& HelpWindow() {
  // Created on first use and kept for the rest of the run.
  static QPointer<TFNapoveda> window;
  if (!window) window = new TFNapoveda;
  return *window;
}

class HelpKey : public QObject {
 public:
  HelpKey(Messages& messages, QObject* parent) : QObject(parent), m_messages(messages) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
      return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return QObject::eventFilter(watched, event);
    OpenHelpTopic(m_messages, HelpTopicAt(widget));
    return true;
  }

 private:
  Messages& m_messages;
};

}  // namespace

QString HelpFileOf(const InterfaceLanguage* language) {
  QString folder = language ? FindProgramFile(QString::fromLatin1(language->helpSuffix)) : QString();
  if (folder.isEmpty()) folder = FindProgramFile(QStringLiteral("_EN"));
  if (folder.isEmpty()) folder = FindProgramFile(QStringLiteral("_CZ"));
  return folder;
}

void UseHelpFile(const QString& folder) {
  HelpFolder() = folder;
}

void OpenHelp(Messages& messages) {
  OpenHelpTopic(messages, QString::fromLatin1(kContents));
}

void OpenHelpTopic(Messages& messages, const QString& topic) {
  const QDir folder(HelpFolder());
  const QString contents = folder.filePath(QStringLiteral("index.html"));
  if (HelpFolder().isEmpty() || !QFileInfo::exists(contents)) {
    Tell(messages, MessageKind::Error, str::kHelpMissing);
    return;
  }
  const QString page = folder.filePath(topic + QStringLiteral(".html"));
  HelpWindow().ShowPage(contents, QFileInfo::exists(page) ? page : contents);
}

void SetHelpTopic(QWidget& widget, const QString& topic) {
  widget.setProperty(kTopicProperty, topic.isEmpty() ? QVariant() : QVariant(topic));
}

QString HelpTopicAt(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    // The main window answers with the topic of the page it shows.
    if (const auto* pages = widget->findChild<QTabWidget*>(QStringLiteral("PCNastaveni"));
        pages && pages->window() == widget && pages->currentWidget())
      if (QString topic = NamedTopic(pages->currentWidget()); !topic.isEmpty()) return topic;
    if (QString topic = NamedTopic(widget); !topic.isEmpty()) return topic;
  }
  return QString::fromLatin1(kContents);
}

QString HelpTopicOfMessage(int id) {
  return id == str::kSeveralDatabases.id ? QStringLiteral("cislovani-vypoctu") : QString();
}

void InstallHelpKey(Messages& messages) {
  const QString name = QStringLiteral("HelpKey");
  delete qApp->findChild<HelpKey*>(name, Qt::FindDirectChildrenOnly);
  auto* key = new HelpKey(messages, qApp);
  key->setObjectName(name);
  qApp->installEventFilter(key);
}

}  // namespace pramo
