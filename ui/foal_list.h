// The list of foals (lstHorse): the names of the roster model, whose rows the session
// puts in the reader's list order (by character code, foals of one name by record), each
// with its mark of what changed since the previous read. Choosing an entry makes its foal the
// session's current one; the list follows the session's current foal in turn. Ctrl+click
// chooses more foals, to compare them.
#pragma once

#include <QListView>
#include <vector>

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class FoalList : public QListView {
    Q_OBJECT

  public:
    explicit FoalList(QWidget* parent = nullptr);
    // Shows the session's roster model and follows its current foal.
    void showSession(session::RosterSession& session);

    // The record number of the entry last chosen (the current one, when it is selected),
    // or 0 when none is.
    int selectedRow() const;
    // The record numbers of every selected entry (Ctrl+click selects more), in list order.
    std::vector<int> selectedRecords() const;
    // Selects the entry of `record` (none for 0), as a click would; false when it is not
    // listed.
    bool selectRecord(int record);
    // The name of entry `row` (0 first) as shown.
    QString nameAt(int row) const;
    // The whole name of entry `row` when the list's width cuts it short, and its mark's note.
    QString toolTipFor(int row) const;

  signals:
    // The user selected another entry, by mouse or keyboard.
    void foalClicked(int record);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
};

}  // namespace foalix::ui
