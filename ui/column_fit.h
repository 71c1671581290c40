// Fitting a table's columns to what they hold: every column as wide as its contents ask,
// within the room the screen gives, and, once fitted, never narrower, so a reload that
// brings longer names widens the name column instead of cutting them.
#pragma once

#include <QString>

class QTableView;

namespace foalix::session {
struct LoadedRoster;
}

namespace foalix::ui {

// Fits `view`'s columns to their contents (none narrower than it is when `fitted`), all
// giving up the same share of their width when the whole is wider than `room`; returns the
// whole width.
int fitColumnsToContents(QTableView* view, bool fitted, int room);

// What decides the roster table's column widths in a load: the names listed and where
// marks stand. Fitting measures every cell, so it is done only when this changed.
QString contentsShape(const session::LoadedRoster* roster);

}  // namespace foalix::ui
