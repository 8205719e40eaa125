#include "windows/Language.h"

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include "windows/Help.h"
#include "windows/ProgramFiles.h"
#include "windows/WindowText.h"
#include "language/StringTable.h"
#include "strings/app.h"

namespace pramo {
namespace {

constexpr InterfaceLanguage kLanguages[] = {
    {"Česky", ".CSY", "_CSY", "cs"},     {"Deutsch", ".DE", "_DE", "de"}, {"English", ".EN", "_EN", "en"},
    {"Espanol", ".ESP", "_ESP", "es"},   {"France", ".FR", "_FR", "fr"},  {"Po Polski", ".PLK", "_PLK", "pl"},
    {"Slovensky", ".SKY", "_SKY", "sk"},
};

constexpr const char* kStringTableContext = "StringTable";

// The loaded module: its bytes stay with the translator that reads them.
struct LanguageModule {
  QByteArray bytes;
  QTranslator translator;
};

std::unique_ptr<LanguageModule>& LoadedModule() {
  static std::unique_ptr<LanguageModule> module;
  return module;
}

QString ModuleText(const QTranslator& translator, const Text& text) {
  return translator.translate(kStringTableContext, std::string(text.czech).c_str(),
                              QByteArray::number(text.id).constData());
}

// Qt's own dialogs and buttons (file choice, printing, input boxes) in the given language.
void UseQtTexts(const char* qtLocale) {
  const QString name = QStringLiteral("QtTexts");
  delete qApp->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
  auto* translator = new QTranslator(qApp);
  translator->setObjectName(name);
  if (translator->load(QLocale(QString::fromLatin1(qtLocale)), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

class LanguageChangeHook : public QObject {
 public:
  LanguageChangeHook(QWidget* window, std::function<void()> retranslate)
      : QObject(window), m_retranslate(std::move(retranslate)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::LanguageChange) m_retranslate();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> m_retranslate;
};

}  // namespace

const InterfaceLanguage* LanguageNamed(const std::string& name) {
  for (const InterfaceLanguage& language : kLanguages)
    if (name == language.name) return &language;
  return nullptr;
}

void UseBuiltInQtTexts() {
  UseQtTexts(kLanguages[0].qtLocale);
}

bool LoadLanguageModule(const QString& path, const char* qtLocale) {
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
  auto module = std::make_unique<LanguageModule>();
  module->bytes = file.readAll();
  const auto* data = reinterpret_cast<const uchar*>(module->bytes.constData());
  // A catalogue of another program loads too: only one that has the table's entries is a module.
  if (!module->translator.load(data, static_cast<int>(module->bytes.size())) ||
      ModuleText(module->translator, str::kButtonOk).isEmpty())
    return false;
  if (LoadedModule()) QApplication::removeTranslator(&LoadedModule()->translator);
  LoadedModule() = std::move(module);
  const QTranslator& translator = LoadedModule()->translator;
  QApplication::installTranslator(&LoadedModule()->translator);
  UseLanguageLookup([&translator](const Text& text) -> std::optional<std::string> {
    const QString translated = ModuleText(translator, text);
    if (translated.isEmpty()) return std::nullopt;
    return FromQt(translated);
  });
  UseQtTexts(qtLocale);
  return true;
}

void ReloadWindows() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(window, &change);
  }
  // Installing a translator posts the same change once more; the windows have re-read their texts now, and
  // a second round later would undo the texts set after this point.
  QCoreApplication::removePostedEvents(nullptr, QEvent::LanguageChange);
}

void SwitchLanguage(QComboBox& languageList, const std::string& configuredLanguage) {
  languageList.clear();
  languageList.setEnabled(true);
  for (const InterfaceLanguage& language : kLanguages)
    if (!FindProgramFile(QString::fromLatin1(language.moduleSuffix)).isEmpty())
      languageList.addItem(QString::fromUtf8(language.name));
  languageList.setEnabled(languageList.count() > 0);
  const QString configured = ToQt(configuredLanguage).trimmed();
  const InterfaceLanguage* language = LanguageNamed(FromQt(configured));
  if (language)
    LoadLanguageModule(FindProgramFile(QString::fromLatin1(language->moduleSuffix)), language->qtLocale);
  UseHelpFile(HelpFileOf(language));
  languageList.setCurrentIndex(languageList.findText(configured));
  ReloadWindows();
}

void RetranslateOnLanguageChange(QWidget* window, std::function<void()> retranslate) {
  window->installEventFilter(new LanguageChangeHook(window, std::move(retranslate)));
}

}  // namespace pramo
