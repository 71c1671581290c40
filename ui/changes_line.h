// The roster table's line of what changed since the previous read ("Since 14:02: 2 new, 1
// gone…"), hidden when nothing did; its "gone" link opens the foals that left in a window
// of their own, which follows each read while the player keeps it open.
#pragma once

#include <QLabel>

namespace foalix::session {
class RosterSession;
struct LoadedRoster;
}  // namespace foalix::session

namespace foalix::ui {

class ComparisonView;

class ChangesLine : public QLabel {
    Q_OBJECT

  public:
    ChangesLine(session::RosterSession& session, QWidget* parent);

    // Shows the changes of `roster` (none: hidden), in the interface's language.
    void showChanges(const session::LoadedRoster* roster);
    // The foals that left since the previous read, in a window of their own, raised.
    ComparisonView* showGoneFoals();

    // "3 new: ハヤテ 82, カゼ 75, ミナモ 60": the new foals listed, the best score first, as a
    // link ("new") to show them alone; empty when none came. A whole new roster names the
    // best few and says how many more, so the line stays within the window.
    static QString newFoalsLine(const session::RosterSession& session);
    // The same as plain text, naming `most` foals at most (the line's tooltip names all).
    static QString newFoalsText(const session::RosterSession& session, int most);
    static constexpr int kNamedNewFoals = 5;

  private:
    session::RosterSession& session_;
    ComparisonView* gone_ = nullptr;
};

}  // namespace foalix::ui
