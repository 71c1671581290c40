#include "ui/roster_model.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <algorithm>
#include <array>

#include "savedata/field_order.h"
#include "ui/read_changes.h"

namespace foalix::ui {

using savedata::HorseField;
using savedata::kHorseFields;

namespace {

constexpr int kLeadingColumns = 2;  // No. and the name

// The fourteen fields in the main window's reading order.
const std::array<const HorseField*, 14>& readingOrder() {
    static const std::array<const HorseField*, 14> order = [] {
        const std::array<const char*, 14> keys{"Age",    "Grade", "SP",     "ST",   "Win",
                                               "Strong", "Mind",  "Sex",    "When", "Grass",
                                               "Mud",    "Burst", "Temper", "Brian"};
        std::array<const HorseField*, 14> fields{};
        for (std::size_t i = 0; i < keys.size(); ++i) {
            fields[i] =
                &*std::find_if(kHorseFields.begin(), kHorseFields.end(),
                               [&](const HorseField& f) { return keys[i] == std::string(f.key); });
        }
        return fields;
    }();
    return order;
}

// A quiet tint per grade, mixed into the palette's own background so it reads on light
// and dark palettes alike; the letter stays, so nothing depends on the colour alone.
QVariant gradeBackground(const QString& grade) {
    static const QString kGrades = "SABCD";
    static const std::array<int, 5> kHues{45, 120, 200, 270, 0};
    const auto place = kGrades.indexOf(grade);
    if (grade.size() != 1 || place < 0) {
        return {};
    }
    const QColor base = QApplication::palette().color(QPalette::Base);
    const QColor tint = QColor::fromHsv(kHues[static_cast<std::size_t>(place)], 255, 255);
    constexpr double kStrength = 0.22;
    return QColor::fromRgbF(
        static_cast<float>(base.redF() * (1 - kStrength) + tint.redF() * kStrength),
        static_cast<float>(base.greenF() * (1 - kStrength) + tint.greenF() * kStrength),
        static_cast<float>(base.blueF() * (1 - kStrength) + tint.blueF() * kStrength));
}

}  // namespace

void RosterModel::setRoster(const savedata::HorseTable& table, std::vector<int> rows) {
    beginResetModel();
    table_ = table;
    rows_ = std::move(rows);
    endResetModel();
}

void RosterModel::setChanges(std::shared_ptr<const ReadChanges> changes) {
    changes_ = std::move(changes);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DecorationRole, Qt::ToolTipRole});
    }
}

int RosterModel::rowOf(int record) const {
    const auto found = std::find(rows_.begin(), rows_.end(), record);
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

const char* RosterModel::keyOf(int column) {
    if (column < kLeadingColumns) {
        return column == 0 ? "row" : "name";
    }
    return readingOrder().at(static_cast<std::size_t>(column - kLeadingColumns))->key;
}

int RosterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RosterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLeadingColumns + static_cast<int>(readingOrder().size());
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
    const int record = recordAt(index.row());
    const savedata::HorseEntry& entry = table_.row(record);
    const int column = index.column();
    const QString value =
        column == 0 ? QString::number(record)
        : column == 1
            ? QString::fromStdString(entry.name)
            : QString::fromStdString(
                  entry.*
                  readingOrder()[static_cast<std::size_t>(column - kLeadingColumns)]->member);
    switch (role) {
        case Qt::DisplayRole:
            return value;
        case Qt::TextAlignmentRole:
            return column == 1 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                               : QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return column < kLeadingColumns ? QVariant() : gradeBackground(value);
        case Qt::DecorationRole:
        case Qt::ToolTipRole:
            return changeMark(record, column, role);
        default:
            return {};
    }
}

QVariant RosterModel::changeMark(int record, int column, int role) const {
    if (!changes_ || column == 0) {
        return {};
    }
    const bool mark = role == Qt::DecorationRole;
    if (column == 1) {
        return changes_->isNew(record)
                   ? (mark ? QVariant(changes_->foalMark(record)) : changes_->foalNote(record))
                   : QVariant();
    }
    const char* key = keyOf(column);
    const QIcon icon = changes_->valueMark(record, key);
    return icon.isNull() ? QVariant() : mark ? QVariant(icon) : changes_->valueNote(record, key);
}

QVariant RosterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole) {
        // A first click on a header: grades best first (S down to D), the rest ascending.
        return savedata::isGraded(keyOf(section)) ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section < kLeadingColumns) {
        return section == 0 ? "No." : "馬名";
    }
    return QString::fromUtf8(
        readingOrder().at(static_cast<std::size_t>(section - kLeadingColumns))->caption);
}

RosterProxy::RosterProxy(RosterModel* model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(model);
}

void RosterProxy::setNameFilter(const QString& text) {
    nameFilter_ = text;
    invalidateFilter();
}

bool RosterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const std::string key = RosterModel::keyOf(left.column());
    const int recordLeft = model_->recordAt(left.row());
    const int recordRight = model_->recordAt(right.row());
    const auto rank = [&](const QModelIndex& index) {
        return savedata::meaningRank(key, index.data().toString().toStdString());
    };
    const int byMeaning = key == "name"
                              ? QString::compare(left.data().toString(), right.data().toString())
                              : rank(left) - rank(right);
    if (byMeaning != 0) {
        return byMeaning < 0;
    }
    // Ties keep the record order in both directions: descending sorts swap the sides.
    return sortOrder() == Qt::AscendingOrder ? recordLeft < recordRight : recordLeft > recordRight;
}

bool RosterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return nameFilter_.isEmpty() ||
           model_->index(sourceRow, 1).data().toString().contains(nameFilter_, Qt::CaseInsensitive);
}

}  // namespace foalix::ui
