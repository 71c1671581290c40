#include "session/roster_model.h"

#include <QCoreApplication>

namespace foalix::session {
namespace {

constexpr int kLeadingColumns = 2;  // No. and the name

}  // namespace

void RosterModel::setRoster(std::shared_ptr<const LoadedRoster> roster) {
    beginResetModel();
    roster_ = std::move(roster);
    endResetModel();
}

void RosterModel::setMarks(std::shared_ptr<const LoadedRoster> roster) {
    roster_ = std::move(roster);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole, Qt::AccessibleTextRole,
                          RankRole, StarredRole, PlayerNoteRole});
    }
}

void RosterModel::setNotesEditable(bool editable) {
    notesEditable_ = editable;
}

Qt::ItemFlags RosterModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == kNoteColumn && notesEditable_) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool RosterModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != kNoteColumn || !notesEditable_ ||
        !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return false;
    }
    emit noteWritten(recordAt(index.row()), value.toString());
    return true;
}

void RosterModel::setMarkingBest(bool on) {
    markingBest_ = on;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {BestRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
    }
}

QString RosterModel::bestValueText(const QString& value) {
    return tr("%1, best").arg(value);
}

bool RosterModel::isMarkedBest(const savedata::HorseEntry& entry,
                               const savedata::HorseField* field) const {
    if (!markingBest_ || field == nullptr) {
        return false;
    }
    const int standout = roster_->standout(*field);
    return standout != 0 && field->scale.rank(entry.*field->member) == standout;
}

int RosterModel::recordAt(int row) const {
    return roster_->listed.at(static_cast<std::size_t>(row));
}

const savedata::HorseEntry& RosterModel::entryAt(int row) const {
    return roster_->table.row(recordAt(row));
}

int RosterModel::rowOf(int record) const {
    if (!roster_) {
        return -1;
    }
    const auto found = std::find(roster_->listed.begin(), roster_->listed.end(), record);
    return found == roster_->listed.end() ? -1 : static_cast<int>(found - roster_->listed.begin());
}

const savedata::HorseField* RosterModel::fieldAt(int column) {
    const auto& fields = savedata::fieldsInReadingOrder();
    return column < kLeadingColumns || column >= kStarColumn
               ? nullptr
               : fields.at(static_cast<std::size_t>(column - kLeadingColumns));
}

int RosterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !roster_ ? 0 : static_cast<int>(roster_->listed.size());
}

int RosterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kNoteColumn + 1;
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const int record = recordAt(index.row());
    const savedata::HorseEntry& entry = roster_->table.row(record);
    const int column = index.column();
    if (role == StarredRole) {
        return roster_->starred.contains(record);
    }
    if (role == NewRole) {
        return roster_->changes.isNew(record);
    }
    if (role == ScoreRole) {
        const auto score = scoreOf(record);
        return score ? QVariant(*score) : QVariant();
    }
    if (column == kStarColumn) {
        return starCell(record, role);
    }
    if (column == kScoreColumn) {
        return scoreCell(record, role);
    }
    if (role == PlayerNoteRole) {
        return noteOf(record);
    }
    if (column == kNoteColumn) {
        return noteCell(record, role);
    }
    const savedata::HorseField* field = fieldAt(column);
    // The cell's text as stored; made into a QString only for the roles that show it.
    const std::string& stored = field != nullptr ? entry.*field->member : entry.name;
    switch (role) {
        case Qt::DisplayRole:
            return column == kNumberColumn ? QString::number(record)
                                           : QString::fromStdString(stored);
        case RecordRole:
            return record;
        case RankRole:
            return field != nullptr ? field->scale.rank(stored) : record;
        case BestRole:
            return isMarkedBest(entry, field);
        case Qt::AccessibleTextRole:
            return isMarkedBest(entry, field) ? bestValueText(QString::fromStdString(stored))
                                              : QVariant();
        case Qt::ToolTipRole: {
            const QString note = cellNote(record, column);
            if (isMarkedBest(entry, field)) {
                const QString best = tr("The best of the foals listed");
                return note.isEmpty() ? best : note + '\n' + best;
            }
            return note.isEmpty() ? QVariant() : QVariant(note);
        }
        case MarkRole:
            return static_cast<int>(cellMark(record, column));
        case FoalMarkRole:
            return static_cast<int>(roster_->changes.foalMark(record));
        case FoalNoteRole:
            return roster_->changes.foalNote(record);
        default:
            return {};
    }
}

// ★ for a starred foal, nothing for the others; starred foals sort above the rest.
QVariant RosterModel::starCell(int record, int role) const {
    const bool starred = roster_->starred.contains(record);
    switch (role) {
        case Qt::DisplayRole:
            return starred ? QStringLiteral("★") : QString();
        case RecordRole:
            return record;
        case RankRole:
            return starred ? 1 : 0;
        case Qt::AccessibleTextRole:
            return starred ? tr("starred") : tr("not starred");
        default:
            return {};
    }
}

std::optional<int> RosterModel::scoreOf(int record) const {
    return profile_ != nullptr ? savedata::scoreOf(roster_->table.row(record), *profile_)
                               : std::nullopt;
}

// The score; a foal without one sorts below every score.
QVariant RosterModel::scoreCell(int record, int role) const {
    const auto score = scoreOf(record);
    switch (role) {
        case Qt::DisplayRole:
            return score ? QString::number(*score) : QString();
        case RecordRole:
            return record;
        case RankRole:
            return score.value_or(-1);
        case Qt::AccessibleTextRole:
            return score ? QVariant() : QVariant(tr("no score"));
        default:
            return {};
    }
}

QString RosterModel::noteOf(int record) const {
    return QString::fromStdString(roster_->noteOn(record));
}

// The note on one line in its cell (its lines apart by " / "), whole in its tooltip and
// where it is written; noted foals sort above the rest.
QVariant RosterModel::noteCell(int record, int role) const {
    const QString note = noteOf(record);
    switch (role) {
        case Qt::DisplayRole:
            return QString(note).replace("\r\n", "\n").replace('\n', " / ");
        case Qt::EditRole:
            return note;
        case Qt::ToolTipRole:
            return note.isEmpty() ? QVariant() : QVariant(note);
        case RecordRole:
            return record;
        case RankRole:
            return note.isEmpty() ? 0 : 1;
        case Qt::AccessibleTextRole:
            return note.isEmpty() ? QVariant(tr("no note")) : QVariant();
        default:
            return {};
    }
}

void RosterModel::setProfile(const savedata::ScoreProfile* profile) {
    profile_ = profile;
    emit headerDataChanged(Qt::Horizontal, kScoreColumn, kScoreColumn);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {ScoreRole});
        emit dataChanged(index(0, kScoreColumn), index(rowCount() - 1, kScoreColumn));
    }
}

// In the table, the name carries 新 for a new foal and each value its own mark.
Mark RosterModel::cellMark(int record, int column) const {
    const ReadChanges& changes = roster_->changes;
    if (column == kNumberColumn) {
        return Mark::None;
    }
    if (column == kNameColumn) {
        return changes.isNew(record) ? Mark::New : Mark::None;
    }
    return changes.valueMark(record, *fieldAt(column));
}

QString RosterModel::cellNote(int record, int column) const {
    const ReadChanges& changes = roster_->changes;
    if (column == kNumberColumn) {
        return {};
    }
    if (column == kNameColumn) {
        return changes.isNew(record) ? changes.foalNote(record) : QString();
    }
    return changes.valueNote(record, *fieldAt(column));
}

QVariant RosterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const savedata::HorseField* field = fieldAt(section);
    switch (role) {
        case Qt::InitialSortOrderRole:
            // A first click on a header: grades best first (S down to D), starred foals
            // first, the best scores first, noted foals first, the rest ascending.
            return (field != nullptr && field->scale.graded) || section == kStarColumn ||
                           section == kScoreColumn || section == kNoteColumn
                       ? Qt::DescendingOrder
                       : Qt::AscendingOrder;
        case Qt::DisplayRole:
            return columnTitle(field != nullptr           ? field->key
                               : section == kNumberColumn ? "row"
                               : section == kStarColumn   ? "starred"
                               : section == kScoreColumn  ? "score"
                               : section == kNoteColumn   ? "note"
                                                          : "name");
        case Qt::ToolTipRole:
            return field != nullptr ? QCoreApplication::translate("HorseField", field->meaning)
                   : section == kStarColumn  ? tr("Starred: the foals to keep (Space stars them)")
                   : section == kScoreColumn ? scoreMeaning(profile_)
                   : section == kNoteColumn
                       ? tr("Your note on the foal; its #words are tags the filter finds (F2 "
                            "writes it, Shift+Enter starts a new line)")
                       : QVariant();
        default:
            return QAbstractTableModel::headerData(section, orientation, role);
    }
}

QString RosterModel::columnTitle(std::string_view key) {
    if (const savedata::HorseField* field = savedata::fieldByKey(key)) {
        return QCoreApplication::translate("HorseField", field->caption);
    }
    return key == "row"       ? tr("No.")
           : key == "name"    ? tr("馬名")
           : key == "starred" ? QStringLiteral("★")
           : key == "score"   ? tr(kScoreTitle)
           : key == "note"    ? tr("備註")
                              : tr("Change");
}

QString RosterModel::profileName(const savedata::ScoreProfile& profile) {
    return savedata::builtInProfile(profile.name) != nullptr
               ? QCoreApplication::translate("ScoreProfile", profile.name.c_str())
               : QString::fromStdString(profile.name);
}

QString RosterModel::weightsCaption(const savedata::ScoreProfile& profile) {
    QStringList weighed;
    for (std::size_t i = 0; i < savedata::kScoredFields; ++i) {
        if (profile.weights.at(i) != 0) {
            weighed << tr("%1 %2", "a value's caption and its weight")
                           .arg(captionOf(*savedata::scoredFields().at(i)))
                           .arg(profile.weights.at(i));
        }
    }
    return weighed.isEmpty() ? tr("every weight 0") : weighed.join(tr(", "));
}

QString RosterModel::scoreMeaning(const savedata::ScoreProfile* profile) {
    const QString definition =
        tr("Score: 100 × Σ(weight × place) / Σ weight, rounded, where a value's place is its "
           "position on its own scale from the worst (0) to the best (1): on D C B A S, B is "
           "0.5; on C B A, B is 0.5; on D C B A, B is ⅔");
    return profile != nullptr ? tr("%1 (profile %2)").arg(definition, profileName(*profile))
                              : definition;
}

QString RosterModel::captionOf(const savedata::HorseField& field) {
    return QCoreApplication::translate("HorseField", field.caption).trimmed();
}

QString RosterModel::changeTitle(std::string_view change) {
    return change == "added" ? tr("added") : change == "removed" ? tr("removed") : tr("changed");
}

void RosterModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ToolTipRole, FoalNoteRole});
    }
}

}  // namespace foalix::session
