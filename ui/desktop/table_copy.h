// Ctrl+C that copies a window's table as text, wherever the keyboard focus is.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace ui {

// Makes the platform's Copy key (Ctrl+C) anywhere in `window` put `table()`
// on the clipboard. The one exception is an input box that holds selected
// text: it copies its selection, as boxes always do. Call it once the
// window's input boxes exist. Returns nothing; the shortcut lives as long as
// the window.
void InstallTableCopy(QWidget* window, std::function<QString()> table);

// Puts `table()` on the clipboard now (for a context-menu entry).
void CopyTable(const std::function<QString()>& table);

}  // namespace ui
