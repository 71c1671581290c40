// What changed since the slot's previous kept read, as the windows show it: a mark and a
// tooltip for each foal that arrived or whose values moved, a mark for each moved value
// (▲ better, ▼ worse, ◆ only different) with its old value, and a one-line summary.
#pragma once

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <string_view>

#include "savedata/roster_diff.h"

namespace foalix::ui {

class ReadChanges {
  public:
    // Nothing to compare with: no marks, no summary.
    ReadChanges() = default;
    ReadChanges(savedata::RosterDiff diff, QDateTime since);

    bool isNew(int record) const { return diff_.added.contains(record); }
    // The foal's mark in the list (新 for a new foal), or none.
    QIcon foalMark(int record) const;
    QString foalNote(int record) const;
    // The mark of one value of the foal (`key` a HorseField key), or none.
    QIcon valueMark(int record, std::string_view key) const;
    QString valueNote(int record, std::string_view key) const;
    // "Since 14:02: 2 new, 1 gone, 5 values changed"; empty without an earlier read.
    QString summary() const;
    const savedata::RosterDiff& diff() const { return diff_; }

  private:
    const savedata::ValueChange* change(int record, std::string_view key) const;

    savedata::RosterDiff diff_;
    QDateTime since_;
};

}  // namespace foalix::ui
