// What changed since the slot's previous kept read, as the windows tell it: for each foal
// that arrived or whose values moved, its mark and a note; for each moved value, its mark
// (▲ better, ▼ worse, ◆ only different) and a note with its old value; and a one-line
// summary. Only what the marks mean lives here: how they look is the windows' business.
#pragma once

#include <QDateTime>
#include <QString>

#include "savedata/roster_diff.h"

namespace foalix::session {

// The mark of a foal or a value.
enum class Mark { None, New, Better, Worse, Changed };

// The mark as a character: 新 ▲ ▼ ◆, or nothing.
QString markText(Mark mark);
// The mark of a value that moved `trend`'s way, and what it says ("▲ better: was C").
Mark markOf(savedata::Trend trend);
QString changeNote(savedata::Trend trend, const QString& was);

class ReadChanges {
  public:
    // Nothing to compare with: no marks, no summary.
    ReadChanges() = default;
    ReadChanges(savedata::RosterDiff diff, QDateTime since);

    bool isNew(int record) const { return diff_.added.contains(record); }
    // The foal's mark in the list: New for a new foal, else the way its values moved (Changed
    // when some went each way), or None.
    Mark foalMark(int record) const;
    QString foalNote(int record) const;
    // The mark of one value of the foal, or None.
    Mark valueMark(int record, const savedata::HorseField& field) const;
    QString valueNote(int record, const savedata::HorseField& field) const;

    // The summary's parts in the interface's language: since when, and the three counts.
    struct Summary {
        QString since;
        QString added;
        QString gone;
        QString values;
    };
    // Nothing without an earlier read.
    std::optional<Summary> summaryParts() const;
    // "Since %1: %2, %3, %4", in the interface's language.
    static QString summaryPattern();
    // "Since 14:02: 2 new, 1 gone, 5 values changed"; empty without an earlier read.
    QString summary() const;
    const savedata::RosterDiff& diff() const { return diff_; }

  private:
    const savedata::ValueChange* change(int record, const savedata::HorseField& field) const;

    savedata::RosterDiff diff_;
    QDateTime since_;
};

}  // namespace foalix::session
