// Two reads of a roster compared, as a table: a line per foal that arrived, left or
// changed (the changed values as "old→new"), copied and exported like the roster table;
// the export is the CSV of foalix-dump compare.
#pragma once

#include <QWidget>

#include "savedata/roster_diff.h"

class QPushButton;
class QStandardItemModel;
class QTableView;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class ComparisonView : public QWidget {
    Q_OBJECT

  public:
    ComparisonView(session::RosterSession& session, QWidget* parent);

    void setDiff(savedata::RosterDiff diff);
    QTableView* table() const { return view_; }
    bool exportCsv(const QString& path) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();

    session::RosterSession& session_;
    QPushButton* exportButton_ = nullptr;
    savedata::RosterDiff diff_;
    QStandardItemModel* model_;
    QTableView* view_;
};

}  // namespace foalix::ui
