// The controls of the main window as the layout in twips places them: each at its place,
// in the caption font; text boxes locked (focusable and selectable, never editable) on
// the menu colour of the look in use.
#pragma once

#include <QLineEdit>
#include <QString>
#include <utility>
#include <vector>

#include "savedata/roster_loader.h"
#include "ui/fonts.h"
#include "ui/twips.h"

class QCheckBox;
class QLabel;

namespace foalix::ui {

// Gives `control` the caption font, and marks it as showing it.
void useCaptionFont(QWidget* control);
// Gives `control` the font of horse names (which no language changes).
void useNameFont(QWidget* control);
// The same, unless it has it already: for a control that shows no name at the start (the
// list, the name box), the font is found when the first name comes, not before the window's
// first frame, which it would cost a millisecond or more.
void ensureNameFont(QWidget* control);
// The caption font of the interface's language again on every control below `root` that
// shows it.
void refreshCaptionFonts(QWidget* root);

// A control named `name` at `place`, in the caption font.
template <typename Control, typename... Args>
Control* placed(const QString& name, QRect place, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)...);
    control->setObjectName(name);
    control->setGeometry(place);
    useCaptionFont(control);
    return control;
}

// The room left between a caption that had to widen and what stands after it, in pixels.
inline constexpr int kGap = 3;

// The width `control` needs to show its whole text: a label's, a button's text with its
// margins or its box or circle, a text box's minimum.
int neededWidth(const QWidget* control);
// Places `row`, controls left to right, each at its place: a control that needs more room
// than its place widens, and when it needs more than there is before the next control (or
// `end`, for the last), every control after it moves along, so no caption is ever cut.
// Returns how far the row grew.
int flowRow(const std::vector<std::pair<QWidget*, QRect>>& row, int end);

// A locked text box named `name` at `place`; `lock` makes `box` one.
QLineEdit* textBox(QWidget* parent, const QString& name, QRect place, bool centred);
QLineEdit* lock(QLineEdit* box, const QString& name, QRect place, bool centred);
QLabel* label(QWidget* parent, const QString& caption, QRect place);
// Gives a locked box the menu colour of the look in use.
void colourLockedBox(QLineEdit* box);
// A check box's value as the age filter takes it: ticked, unticked or greyed.
savedata::BoxValue boxValue(const QCheckBox* box);
// A caption as a screen reader says it: without its colon and the spaces that align it.
QString spoken(const QString& caption);

}  // namespace foalix::ui
