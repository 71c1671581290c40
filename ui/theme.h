// The window's two looks: the platform's own, and a dark one on the Fusion style. The
// choice is the application's, so the roster table and the dialogs follow it too.
#pragma once

#include <QColor>
#include <QPalette>

namespace foalix::ui {

QPalette darkPalette();
// Turns the dark look on, or goes back to the style and palette the program started with.
void applyTheme(bool dark);
bool darkThemeOn();
// The background of the locked text boxes: the menu bar's colour of the look in use.
QColor lockedBoxColour();

}  // namespace foalix::ui
