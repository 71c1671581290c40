// Two to four foals side by side: a column per foal and a row per value in the fields'
// order, the best of each graded row marked, and a radar chart of the graded values. It
// follows the game's saves (a foal that left is greyed, "gone"), keeps its place and size,
// copies its table as text and saves chart and table as a picture.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "savedata/horse_table.h"

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
    static constexpr std::size_t kMostFoals = 4;

    CompareWindow(session::RosterSession& session, QWidget* owner);

    // Compares the foals of `records` (two to four) of the last load.
    void compare(const std::vector<int>& records);
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
    struct Chosen {
        int record;
        savedata::HorseEntry values;
        bool gone = false;
    };

    // The chosen foals as the last load has them: the same record with the same name, or gone.
    void follow();
    void showFoals();
    void retranslate();

    session::RosterSession& session_;
    std::vector<Chosen> chosen_;
    QStandardItemModel* model_;
    QTableView* view_;
    RadarChart* chart_;
    QWidget* picture_;
    QPushButton* copy_;
    QPushButton* saveImage_;
};

}  // namespace foalix::ui
