#include "ui/roster_proxy.h"

#include "session/roster_model.h"

namespace foalix::ui {

using session::RosterModel;

void RosterProxy::setNameFilter(const QString& text) {
    nameFilter_ = text;
    invalidateFilter();
}

bool RosterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int byMeaning =
        left.column() == RosterModel::kNameColumn
            ? QString::compare(left.data().toString(), right.data().toString())
            : left.data(RosterModel::RankRole).toInt() - right.data(RosterModel::RankRole).toInt();
    if (byMeaning != 0) {
        return byMeaning < 0;
    }
    // Ties keep the record order in both directions: descending sorts swap the sides.
    const int recordLeft = left.data(RosterModel::RecordRole).toInt();
    const int recordRight = right.data(RosterModel::RecordRole).toInt();
    return sortOrder() == Qt::AscendingOrder ? recordLeft < recordRight : recordLeft > recordRight;
}

bool RosterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return nameFilter_.isEmpty() || sourceModel()
                                        ->index(sourceRow, RosterModel::kNameColumn)
                                        .data()
                                        .toString()
                                        .contains(nameFilter_, Qt::CaseInsensitive);
}

}  // namespace foalix::ui
