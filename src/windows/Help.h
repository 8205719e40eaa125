#pragma once

#include <QString>

#include "core/Messages.h"

class QWidget;

namespace pramo {

struct InterfaceLanguage;

// The help of an interface language: the folder of HTML pages named program + "_EN" (next to the program or
// in the installed data folder); where it is missing the English one, then program + "_CZ". Empty when no
// help is found; an unknown language (none) goes straight to the fallbacks.
QString HelpFileOf(const InterfaceLanguage* language);

// The help the program opens from now on (chosen by the language at start-up).
void UseHelpFile(const QString& folder);

// Opens the help window on its contents, or on a topic (a page of the help; a missing one opens the
// contents). Tells when there is no help at all.
void OpenHelp(Messages& messages);
void OpenHelpTopic(Messages& messages, const QString& topic);

// The topic F1 opens in a window, a page or a message box: its own when set, else that of the nearest
// enclosing window or page that has one, else the contents.
void SetHelpTopic(QWidget& widget, const QString& topic);
QString HelpTopicAt(const QWidget* widget);

// The topic a message sends the user to ("viz Nápověda (...)"); empty for most messages.
QString HelpTopicOfMessage(int id);

// F1 anywhere in the program opens the topic of the window that has the focus.
void InstallHelpKey(Messages& messages);

}  // namespace pramo
