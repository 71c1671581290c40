// What changed since the slot's previous kept read, as the windows show it: a mark and a
// tooltip for each foal that arrived or whose values moved, a mark for each moved value
// (▲ better, ▼ worse, ◆ only different) with its old value, and a one-line summary.
#pragma once

#include <QDateTime>
#include <QIcon>
#include <QString>
#include <string_view>

#include "savedata/roster_diff.h"

namespace foalix::session {

class ReadChanges {
  public:
    // Nothing to compare with: no marks, no summary.
    ReadChanges() = default;
    ReadChanges(savedata::RosterDiff diff, QDateTime since);

    bool isNew(int record) const { return diff_.added.contains(record); }
    // The foal's mark in the list (新 for a new foal, else the way its values moved), or
    // none; drawn in the colours of the palette in use.
    QIcon foalMark(int record) const;
    QString foalNote(int record) const;
    // The mark of one value of the foal, or none.
    QIcon valueMark(int record, const savedata::HorseField& field) const;
    QString valueNote(int record, const savedata::HorseField& field) const;
    // "Since 14:02: 2 new, 1 gone, 5 values changed"; empty without an earlier read. With
    // `goneLink`, as rich text whose gone foals are a link ("gone").
    QString summary(bool goneLink = false) const;
    const savedata::RosterDiff& diff() const { return diff_; }

  private:
    const savedata::ValueChange* change(int record, const savedata::HorseField& field) const;

    savedata::RosterDiff diff_;
    QDateTime since_;
};

}  // namespace foalix::session
