// Help → About Foalix: the version, the licence, the Qt in use, and where the program
// keeps what it remembers.
#pragma once

#include <QString>

class QWidget;

namespace foalix::ui {

// The box's text: `settings` and `history` are where those are kept.
QString aboutText(const QString& settings, const QString& history);

// The box over `owner`; `settings` is where the settings store keeps its values,
// `history` the history's file.
void showAboutBox(QWidget* owner, const QString& settings, const QString& history);

}  // namespace foalix::ui
