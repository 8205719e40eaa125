#include "app/windows/MainToolBars.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

#include "windows/Icons.h"
#include "windows/WindowText.h"
#include "strings/app.h"

namespace pramo {

void BuildMenuButtons(QMainWindow& window, QMenuBar& menuBar, QToolBar& actionBar,
                      const std::array<QMenu*, 4>& menus) {
  auto* bar = new QToolBar(&window);
  bar->setObjectName(QStringLiteral("TBMenu"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  window.insertToolBar(&actionBar, bar);
  const char* names[] = {"TBMMSoubor", "TBMMVypocet", "TBMMNastaveni", "TBMMNapoveda"};
  QToolButton* first = nullptr;
  for (std::size_t i = 0; i < menus.size(); ++i) {
    QMenu* menu = menus[i];
    // A button of its own, not the menu's action, keeps the title's mnemonic: Alt and the letter open it.
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(names[i]));
    button->setText(menu->title());
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    bar->addWidget(button);
    QAction* menuAction = menu->menuAction();
    // The menu's action changes with its state and, on a language change, with its title.
    QObject::connect(menuAction, &QAction::changed, button, [button, menu, menuAction] {
      button->setEnabled(menuAction->isEnabled());
      button->setText(menu->title());
    });
    if (!first) first = button;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) window.addAction(action);
  }
  menuBar.hide();
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), &window), &QShortcut::activated, first, [first] {
    if (first->isEnabled()) first->showMenu();
  });
}

QToolButton* AddUserButton(QToolBar& actionBar) {
  actionBar.addSeparator();
  auto* user = new QToolButton(&actionBar);
  user->setObjectName(QStringLiteral("TBUzivatel"));
  user->setToolButtonStyle(Qt::ToolButtonTextOnly);
  user->setFocusPolicy(Qt::NoFocus);
  actionBar.addWidget(user);
  return user;
}

void DecorateActionButtons(QToolBar& actionBar, const ToolActions& actions) {
  const char* buttonNames[] = {"TBUlozit",       "TBExport",          "TBImport", "TBVypocet",
                               "TBGrafNejistot", "TBTabulkaNejistot", "TBNahled", "TBNapoveda"};
  for (std::size_t i = 0; i < actions.size(); ++i) {
    actions[i]->setIcon(ToolIcon(static_cast<ToolGlyph>(i)));
    if (QWidget* button = actionBar.widgetForAction(actions[i]))
      button->setObjectName(QString::fromLatin1(buttonNames[i]));
  }
}

void SetToolHints(QToolBar& actionBar, const ToolActions& actions) {
  for (std::size_t i = 0; i < actions.size(); ++i)
    if (QWidget* button = actionBar.widgetForAction(actions[i]))
      button->setToolTip(ToQt(Tr(str::kToolHints[i])));
}

}  // namespace pramo
