#include "ui/roster_look.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <array>

#include "session/roster_model.h"
#include "ui/change_marks.h"

namespace foalix::ui {

using session::RosterModel;

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

QVariant scoreBackground(const QVariant& score) {
    if (!score.isValid()) {
        return {};
    }
    // Tinted as the grade a score of that height is worth: 80 up as S, 60 up as A…
    static const QString kBands = "DCBAS";
    return gradeBackground(kBands.at(std::clamp(score.toInt() / 20, 0, 4)));
}

QVariant RosterLook::data(const QModelIndex& index, int role) const {
    const bool value = RosterModel::fieldAt(index.column()) != nullptr;
    switch (role) {
        case Qt::BackgroundRole:
            if (index.column() == RosterModel::kScoreColumn) {
                return scoreBackground(index.data(RosterModel::ScoreRole));
            }
            return value ? gradeBackground(index.data(Qt::DisplayRole).toString()) : QVariant();
        case Qt::FontRole:
            if (index.data(RosterModel::BestRole).toBool()) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::DecorationRole: {
            const QIcon icon =
                markIcon(static_cast<session::Mark>(index.data(RosterModel::MarkRole).toInt()));
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        case Qt::TextAlignmentRole:
            return index.column() == RosterModel::kNameColumn
                       ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                       : QVariant(Qt::AlignCenter);
        default:
            return QIdentityProxyModel::data(index, role);
    }
}

}  // namespace foalix::ui
