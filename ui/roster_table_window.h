// The roster table: every listed foal of the last load side by side, sortable by any
// column, filtered by name, selected together with the main window's list, copied as
// tab-separated text and exported as CSV. It remembers its size and column widths.
#pragma once

#include <QWidget>

#include "platform/platform.h"
#include "savedata/horse_table.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace foalix::ui {

class RosterModel;
class RosterProxy;

class RosterTableWindow : public QWidget {
    Q_OBJECT

  public:
    RosterTableWindow(platform::Platform& platform, QWidget* owner);

    // The foals `rows` (record numbers, in list order) of slot `slot`'s load, the row of
    // `selected` selected; slot 0 with no rows when nothing is loaded.
    void setRoster(const savedata::HorseTable& table, std::vector<int> rows, int slot,
                   int selected);
    // Selects the row of `record`, or nothing when it is not shown.
    void selectRecord(int record);
    // The record number of the selected row, or 0.
    int selectedRecord() const;
    // The selected rows as tab-separated text under a header line.
    QString selectionAsText() const;
    // Writes the rows shown as foalix-dump's CSV after UTF-8's byte-order mark; false when
    // the file cannot be written.
    bool exportCsv(const QString& path) const;

  signals:
    // The user selected the row of `record`.
    void foalSelected(int record);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    std::vector<int> shownRecords() const;
    void showCount();
    void chooseExportFile();
    // Restores the kept size and widths; false when none were kept.
    bool restoreLayout();

    platform::Platform& platform_;
    RosterModel* model_;
    RosterProxy* proxy_;
    QLineEdit* filter_;
    QLabel* count_;
    QTableView* view_;
    // Columns are fitted to their contents once, on the first rows, unless widths were kept.
    bool fitColumns_ = true;
};

}  // namespace foalix::ui
