#include "session/roster_model.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace foalix::session {
namespace {

constexpr int kLeadingColumns = 2;  // No. and the name

// A quiet tint per grade, mixed into the palette's own background so it reads on light
// and dark palettes alike; the letter stays, so nothing depends on the colour alone.
QVariant gradeBackground(const QString& grade) {
    static const QString kGrades = "SABCD";
    static const std::array<int, 5> kHues{45, 120, 200, 270, 0};
    const auto place = kGrades.indexOf(grade);
    if (grade.size() != 1 || place < 0) {
        return {};
    }
    const QColor base = QGuiApplication::palette().color(QPalette::Base);
    const QColor tint = QColor::fromHsv(kHues[static_cast<std::size_t>(place)], 255, 255);
    constexpr double kStrength = 0.22;
    return QColor::fromRgbF(
        static_cast<float>(base.redF() * (1 - kStrength) + tint.redF() * kStrength),
        static_cast<float>(base.greenF() * (1 - kStrength) + tint.greenF() * kStrength),
        static_cast<float>(base.blueF() * (1 - kStrength) + tint.blueF() * kStrength));
}

}  // namespace

void RosterModel::setRoster(std::shared_ptr<const LoadedRoster> roster) {
    beginResetModel();
    roster_ = std::move(roster);
    endResetModel();
}

void RosterModel::setStars(std::shared_ptr<const LoadedRoster> roster) {
    roster_ = std::move(roster);
    if (rowCount() > 0) {
        emit dataChanged(
            index(0, 0), index(rowCount() - 1, columnCount() - 1),
            {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole, RankRole, StarredRole});
    }
}

void RosterModel::setMarkingBest(bool on) {
    markingBest_ = on;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::FontRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
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
    return parent.isValid() ? 0 : kStarColumn + 1;
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
    if (column == kStarColumn) {
        return starCell(record, role);
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
        case Qt::TextAlignmentRole:
            return column == kNameColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return field != nullptr ? gradeBackground(QString::fromStdString(stored)) : QVariant();
        case Qt::FontRole:
            if (isMarkedBest(entry, field)) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::AccessibleTextRole:
            return isMarkedBest(entry, field) ? bestValueText(QString::fromStdString(stored))
                                              : QVariant();
        case Qt::ToolTipRole:
            if (isMarkedBest(entry, field)) {
                const QString note = changeMark(record, column, role).toString();
                const QString best = tr("The best of the foals listed");
                return note.isEmpty() ? best : note + '\n' + best;
            }
            return changeMark(record, column, role);
        case Qt::DecorationRole:
            return changeMark(record, column, role);
        case FoalMarkRole:
            return roster_->changes.foalMark(record);
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
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        case Qt::AccessibleTextRole:
            return starred ? tr("starred") : tr("not starred");
        default:
            return {};
    }
}

// In the table, the name carries 新 for a new foal and each value its own mark.
QVariant RosterModel::changeMark(int record, int column, int role) const {
    const ReadChanges& changes = roster_->changes;
    const bool mark = role == Qt::DecorationRole;
    if (column == kNumberColumn) {
        return {};
    }
    if (column == kNameColumn) {
        return changes.isNew(record)
                   ? (mark ? QVariant(changes.foalMark(record)) : changes.foalNote(record))
                   : QVariant();
    }
    const QIcon icon = changes.valueMark(record, *fieldAt(column));
    return icon.isNull() ? QVariant()
           : mark        ? QVariant(icon)
                         : changes.valueNote(record, *fieldAt(column));
}

QVariant RosterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const savedata::HorseField* field = fieldAt(section);
    switch (role) {
        case Qt::InitialSortOrderRole:
            // A first click on a header: grades best first (S down to D), starred foals
            // first, the rest ascending.
            return (field != nullptr && field->scale.graded) || section == kStarColumn
                       ? Qt::DescendingOrder
                       : Qt::AscendingOrder;
        case Qt::DisplayRole:
            return columnTitle(field != nullptr           ? field->key
                               : section == kNumberColumn ? "row"
                               : section == kStarColumn   ? "starred"
                                                          : "name");
        case Qt::ToolTipRole:
            return field != nullptr ? QCoreApplication::translate("HorseField", field->meaning)
                   : section == kStarColumn ? tr("Starred: the foals to keep (Space stars them)")
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
                              : tr("Change");
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
