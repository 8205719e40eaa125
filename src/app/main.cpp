// The desktop program: creates its windows in their order, prepares the pages and hands over to the user.

#include <QApplication>

#include "app/windows/MessageBoxes.h"
#include "app/windows/ProgramWindows.h"
#include "storage/Configuration.h"
#include "storage/FileSystem.h"

namespace {

using namespace pramo;

// Until the login window exists the program starts in the user mode of the database last used, or of the
// first database of the folder; a folder without one gets an empty "Pramo.flw". The login replaces this.
Session SessionUntilLoginExists(const Configuration& configuration) {
  FileSystem& fs = LocalFileSystem();
  const std::string folder = configuration.DatabaseFolder;
  std::string database;
  if (!configuration.Interface.LastDatabase.empty() &&
      fs.Exists(folder + "/" + configuration.Interface.LastDatabase))
    database = configuration.Interface.LastDatabase;
  for (const std::string& name : fs.FileNames(folder))
    if (database.empty() && name.size() > 4 && name.substr(name.size() - 4) == ".flw") database = name;
  if (database.empty()) {
    database = "Pramo.flw";
    fs.CreateDirectories(folder);
    fs.Create(folder + "/" + database, true);
  }
  const QString user = qEnvironmentVariable("USER", QStringLiteral("uživatel"));
  return Session{user.toStdString(), user.toStdString(), folder + "/" + database};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ApplyProgramAppearance();

  MessageBoxes messages;
  const ConfigurationPaths paths = DefaultConfigurationPaths();
  const Configuration configuration = ReadConfiguration(LocalFileSystem(), paths, messages);

  ProgramWindows windows(messages, configuration, paths.file);
  TfMain& fMain = windows.fMain;
  messages.SetParent(&fMain);
  fMain.StartSession(SessionUntilLoginExists(configuration));
  QObject::connect(&fMain, &TfMain::LoggedOut, &application, &QApplication::quit);
  fMain.show();
  return application.exec();
}
