// The chosen foal's name, its fourteen values and its score under the profile in use, each
// in a locked box beside its caption, in the grid of the main window (the score beneath
// the left column); each box says what its value measures, and a value that changed since
// the previous read says how, in its tooltip. Shows the session's current foal and nothing
// else. A caption too long for its place in the grid widens its column, never cuts a
// character.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "savedata/horse_table.h"

class QLabel;
class QLineEdit;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class FoalDetails : public QWidget {
    Q_OBJECT

  public:
    // Placed in `client`, the main window's client area, over the grid's place.
    FoalDetails(session::RosterSession& session, QWidget* client);

    // The name box and the value boxes with their places in the window's tab order.
    std::vector<std::pair<int, QWidget*>> tabStops() const;
    // Moves the grid `shift` pixels right of its place.
    void shiftBy(int shift);
    // Says its captions and meanings in the interface's language, making room for them.
    void retranslate();

  private:
    struct ValueBox {
        const savedata::HorseField* field;  // none: the score
        savedata::GridPlace place;
        QLabel* caption;
        QLineEdit* box;
    };
    // What the box of `value` says it holds.
    QString meaningOf(const ValueBox& value) const;

    void placeBoxes();
    void showFoal(int record);

    session::RosterSession& session_;
    QLineEdit* txtHorseName;
    std::vector<ValueBox> valueBoxes_;
};

}  // namespace foalix::ui
