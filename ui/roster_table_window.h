// The roster table: every listed foal of the last load side by side, sortable by any
// column, filtered by name, its current row followed by the main window's list, its
// selected rows copied as tab-separated text, the rows shown exported as CSV. It keeps
// its place, size and column layout for next time.
#pragma once

#include <QModelIndex>
#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "savedata/horse_table.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace foalix::ui {

class ComparisonView;
class ReadChanges;
class RosterModel;
class RosterProxy;

class RosterTableWindow : public QWidget {
    Q_OBJECT

  public:
    RosterTableWindow(platform::Platform& platform, QWidget* owner);

    // The foals `rows` (record numbers, in list order) of slot `slot`'s load, the row of
    // `selected` current; slot 0 with no rows when nothing is loaded. A reload that keeps
    // a foal selected (`selected` not 0) keeps the other selected rows still listed.
    void setRoster(const savedata::HorseTable& table, std::vector<int> rows, int slot,
                   int selected);
    // What changed since the slot's previous read: marked in the table and said in one
    // line above it; the foals that left are listed on asking.
    void setChanges(std::shared_ptr<const ReadChanges> changes);
    // The foals that left since the previous read, in a window of their own.
    ComparisonView* showGoneFoals();
    // Makes the row of `record` current and the one selected row, or selects nothing when
    // it is not shown. The current row's own record leaves the selection as it is.
    void selectRecord(int record);
    // The record number of the current row, or 0.
    int currentRecord() const;
    // The record numbers of the selected rows, in the order shown.
    std::vector<int> selectedRecords() const;
    // The selected rows, in the order shown, as tab-separated text under a header line.
    QString selectionAsText() const;
    // Writes the rows shown as foalix-dump's CSV after UTF-8's byte-order mark; false when
    // the file cannot be written.
    bool exportCsv(const QString& path) const;

  signals:
    // The user made the row of `record` current, by mouse or keyboard.
    void foalSelected(int record);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QModelIndex indexOf(int record) const;
    int recordOf(const QModelIndex& index) const;
    std::vector<int> shownRecords() const;
    void showCount();
    void chooseExportFile();
    // Fits the columns to their contents, within the screen's width.
    void fitColumns(bool resizeWindow);
    // Restores the kept geometry and header; each false when none valid was kept.
    std::pair<bool, bool> restoreLayout();

    platform::Platform& platform_;
    RosterModel* model_;
    RosterProxy* proxy_;
    QLineEdit* filter_;
    QLabel* count_;
    QLabel* changesLine_;
    std::shared_ptr<const ReadChanges> changes_;
    ComparisonView* gone_ = nullptr;
    QTableView* view_;
    // Columns are fitted to their contents once, on the first rows, unless a layout was
    // kept; the window takes their width unless its geometry was kept.
    bool fitColumns_ = true;
    bool fitWidth_ = true;
};

}  // namespace foalix::ui
