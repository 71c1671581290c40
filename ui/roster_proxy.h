// The roster table's view of the roster model: sorted by what the values mean (grades S
// above A above B…, growth 早 普 遲 晚, ages by number, names by text), foals that tie in
// record order either way; filtered to the names that hold a text.
#pragma once

#include <QSortFilterProxyModel>

namespace foalix::ui {

class RosterProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setNameFilter(const QString& text);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    QString nameFilter_;
};

}  // namespace foalix::ui
