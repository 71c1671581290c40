// The foals of the last load as one table model, shared by the list of names and the
// roster table: a row per listed foal (in list order), the columns No., the name, then
// the fourteen values under their captions in the window's reading order, then ★ for the
// foals the player starred, then the score under the profile in use, then the player's note
// (written in place where the history keeps notes). It shows the
// session's snapshot and keeps no copy of its own.
// It gives what each cell says and means (its text, rank, marks, whether it is the best);
// how that looks (tints, bold, icons) is the windows' (ui/roster_look.h).
#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <string_view>

#include "savedata/score.h"
#include "session/loaded_roster.h"

namespace foalix::session {

class RosterModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Role {
        RecordRole = Qt::UserRole,  // the row's record number, in every column
        RankRole,                   // the cell's place on its field's scale (No.: the record)
        FoalMarkRole,               // the foal's Mark for the list: New, Better, Worse or Changed
        FoalNoteRole,               // and what it means, for the list's tooltip
        StarredRole,                // whether the player starred the foal, in every column
        MarkRole,        // the cell's Mark: New on a new foal's name, a moved value's way
        BestRole,        // whether the cell holds its column's best value, marked as such
        ScoreRole,       // the foal's score, in every column (none without one)
        NewRole,         // whether the foal is new since the slot's previous read, in every column
        PlayerNoteRole,  // the player's note on the foal, in every column
    };
    static constexpr int kNumberColumn = 0;
    static constexpr int kNameColumn = 1;
    static constexpr int kStarColumn = 2 + static_cast<int>(savedata::kHorseFields.size());
    static constexpr int kScoreColumn = kStarColumn + 1;
    static constexpr int kNoteColumn = kScoreColumn + 1;
    // The score's title as written, before translation.
    static constexpr const char* kScoreTitle = QT_TR_NOOP("評分");

    using QAbstractTableModel::QAbstractTableModel;

    void setRoster(std::shared_ptr<const LoadedRoster> roster);
    // The same load with other stars or notes: the rows stay, their marks are told anew.
    void setMarks(std::shared_ptr<const LoadedRoster> roster);
    // Whether the Note column takes the player's writing (where the history keeps notes).
    void setNotesEditable(bool editable);
    // Marks each graded cell holding its column's best value among the listed foals (said in
    // its tooltip and to screen readers, and shown in bold); on unless the player turns it off.
    void setMarkingBest(bool on);
    bool markingBest() const { return markingBest_; }
    // A best value as a screen reader says it: "A, best".
    static QString bestValueText(const QString& value);
    // Scores by `profile` (the session's, which outlives the model), telling the views.
    void setProfile(const savedata::ScoreProfile* profile);
    std::optional<int> scoreOf(int record) const;
    // Tells the views that the headers and notes now read in another language.
    void retranslate();
    int recordAt(int row) const;
    const savedata::HorseEntry& entryAt(int row) const;
    // The model row of `record`, or -1.
    int rowOf(int record) const;
    // A column's title in the interface's language, by its key in foalix-dump's output:
    // "row", "name", a field's key, "starred", "score", or the comparison's "change".
    static QString columnTitle(std::string_view key);
    // A profile's name as the player reads it: a built-in's in the interface's language.
    static QString profileName(const savedata::ScoreProfile& profile);
    // The weights that are not 0, by the window's captions: "ＳＰ 3, 瞬發 2, 芝適 2".
    static QString weightsCaption(const savedata::ScoreProfile& profile);
    // What the score is, for its tooltips: its definition, and the profile's name.
    static QString scoreMeaning(const savedata::ScoreProfile* profile);
    // A field's caption in the interface's language, without the blanks that align it.
    static QString captionOf(const savedata::HorseField& field);
    // A comparison's kind of change ("added", "removed", "changed") as the table shows it.
    static QString changeTitle(std::string_view change);
    // The field of a value column; none for No., the name and ★.
    static const savedata::HorseField* fieldAt(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A note written in the Note column goes to the session, by noteWritten.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // The player wrote `text` as the note on the foal of `record`.
    void noteWritten(int record, const QString& text);

  private:
    // The cell's mark, and its note for the tooltip.
    Mark cellMark(int record, int column) const;
    QString cellNote(int record, int column) const;
    QVariant starCell(int record, int role) const;
    QVariant scoreCell(int record, int role) const;
    QVariant noteCell(int record, int role) const;
    QString noteOf(int record) const;
    bool isMarkedBest(const savedata::HorseEntry& entry, const savedata::HorseField* field) const;

    std::shared_ptr<const LoadedRoster> roster_;
    const savedata::ScoreProfile* profile_ = nullptr;
    bool markingBest_ = true;
    bool notesEditable_ = false;
};

}  // namespace foalix::session
