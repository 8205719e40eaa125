// The desktop program: creates its windows in their order, prepares the pages and hands over to the login.

#include <QApplication>

#include "windows/MessageBoxes.h"
#include "app/windows/ProgramWindows.h"
#include "storage/Configuration.h"

int main(int argc, char** argv) {
  using namespace pramo;
  QApplication application(argc, argv);
  ApplyProgramAppearance();

  MessageBoxes messages;
  // The configuration is read by the login window each time it shows; until then the defaults stand.
  const ConfigurationPaths paths = DefaultConfigurationPaths();
  Configuration configuration;
  configuration.DatabaseFolder = paths.defaultDatabaseFolder;

  ProgramWindows windows(messages, configuration, paths.file);
  messages.SetParent(&windows.fMain);
  QObject::connect(&windows.FLogin, &TFLogin::ProgramEnded, &application, &QApplication::quit);
  windows.FLogin.FormShow();
  windows.FLogin.show();
  return application.exec();
}
