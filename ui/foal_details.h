// The chosen foal's name and its fourteen values, each in a locked box beside its
// caption, in the grid of the main window; a value that changed since the previous read
// says how in its tooltip. Shows the session's current foal and nothing else.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "savedata/horse_table.h"

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

  private:
    void showFoal(int record);

    session::RosterSession& session_;
    QLineEdit* txtHorseName;
    std::vector<std::pair<const savedata::HorseField*, QLineEdit*>> valueBoxes_;
};

}  // namespace foalix::ui
