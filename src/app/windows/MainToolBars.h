#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace pramo {

// The actions of the tool bar's buttons, in their order: save, export, import, run, uncertainty graph and
// table, preview, help.
using ToolActions = std::array<QAction*, 8>;

// The menus are shown as the buttons of a tool bar ("TBMenu") in front of the action buttons; the menu bar
// itself stays hidden, its actions (and their keys) belong to the window. F10 opens the first menu.
void BuildMenuButtons(QMainWindow& window, QMenuBar& menuBar, QToolBar& actionBar,
                      const std::array<QMenu*, 4>& menus);

// The button of the logged-in user's name, at the end of the action buttons.
QToolButton* AddUserButton(QToolBar& actionBar);

// The action buttons' glyphs and object names.
void DecorateActionButtons(QToolBar& actionBar, const ToolActions& actions);

// The action buttons' hints, in the language in force.
void SetToolHints(QToolBar& actionBar, const ToolActions& actions);

}  // namespace pramo
