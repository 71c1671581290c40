// Two to four foals side by side: a column per foal and a row per value in the fields'
// order, the best of each graded row marked, and a radar chart of the graded values. It
// shows the session's comparison, which follows the game's saves (a foal that left is
// greyed, "gone"); it keeps its place and size, copies its table as text and saves chart
// and table as a picture.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class RadarChart;

class CompareWindow : public QWidget {
    Q_OBJECT

  public:
    CompareWindow(session::RosterSession& session, QWidget* owner);

    QTableView* table() const { return view_; }
    RadarChart* chart() const { return chart_; }
    // The table as tab-separated text under a header line of names.
    QString tableAsText() const;
    // The chart and the table as a PNG picture at `path`; false when it cannot be written.
    bool saveImage(const QString& path);

  protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void showFoals();
    void retranslate();

    session::RosterSession& session_;
    QStandardItemModel* model_;
    QTableView* view_;
    RadarChart* chart_;
    QWidget* picture_;
    QPushButton* copy_;
    QPushButton* saveImage_;
};

}  // namespace foalix::ui
