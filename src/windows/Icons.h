#pragma once

#include <QIcon>
#include <QPixmap>

namespace pramo {

// The status icons of the series list: 0 valid (green tick), 1 only the recommended velocity missed
// (amber exclamation mark), 2 outside the standard (red cross). Drawn, so they scale with the screen.
QPixmap StatusIcon(int status, int size);

// Glyphs of the tool bar buttons.
enum class ToolGlyph { Save, Export, Import, Calculate, Graph, Table, Preview, Help, Print };
QIcon ToolIcon(ToolGlyph glyph);

// The desktop's print icon for the print buttons and actions; a drawn printer where the desktop has none.
QIcon PrintIcon();

// The program's own icon (about window, window frames): the PNG sizes of the installed icon, from the
// program's resources.
QIcon ProgramIcon();

}  // namespace pramo
