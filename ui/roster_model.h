// The foals of the last load as a table for the roster window: No., the name, then the
// fourteen values under the main window's captions in its reading order (the left
// column of boxes, then the right). Sorted by what the values mean and filtered by
// name through RosterProxy.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <memory>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::ui {

class ReadChanges;

class RosterModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    // The foals `rows` (record numbers, in list order) of `table`.
    void setRoster(const savedata::HorseTable& table, std::vector<int> rows);
    // What changed since the slot's previous read: marks and tooltips on the names and
    // values (the values' text stays as it is, for sorting, copying and exporting).
    void setChanges(std::shared_ptr<const ReadChanges> changes);
    int recordAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    // The model row of `record`, or -1.
    int rowOf(int record) const;
    const savedata::HorseTable& table() const { return table_; }
    // The key of a column's field ("row", "name" or a HorseField key).
    static const char* keyOf(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant changeMark(int record, int column, int role) const;

    savedata::HorseTable table_;
    std::vector<int> rows_;
    std::shared_ptr<const ReadChanges> changes_;
};

// Sorting by meaning (grades S above A above B…, growth 早 普 遲 晚, ages by number),
// ties in record order either way; and the filter: rows whose name holds a text.
class RosterProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit RosterProxy(RosterModel* model, QObject* parent = nullptr);
    void setNameFilter(const QString& text);

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    RosterModel* model_;
    QString nameFilter_;
};

}  // namespace foalix::ui
