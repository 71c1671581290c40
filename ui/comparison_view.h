// Two reads of a roster compared, as a table: a line per foal that arrived, left or
// changed (the changed values as "old→new"), copied and exported like the roster table;
// the export is the CSV of foalix-dump compare.
#pragma once

#include <QWidget>

#include "platform/platform.h"
#include "savedata/roster_diff.h"

class QStandardItemModel;
class QTableView;

namespace foalix::ui {

class ComparisonView : public QWidget {
    Q_OBJECT

  public:
    ComparisonView(platform::Platform& platform, QWidget* parent);

    void setDiff(savedata::RosterDiff diff);
    QTableView* table() const { return view_; }
    QString selectionAsText() const;
    bool exportCsv(const QString& path) const;

  private:
    platform::Platform& platform_;
    savedata::RosterDiff diff_;
    QStandardItemModel* model_;
    QTableView* view_;
};

}  // namespace foalix::ui
