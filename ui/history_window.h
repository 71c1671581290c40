// A slot's history: its kept reads (when, how many foals, how many changes from the read
// before), and the comparison of any two of them chosen in the list.
#pragma once

#include <QWidget>
#include <vector>

#include "history/history.h"
#include "platform/platform.h"

class QLabel;
class QTableWidget;

namespace foalix::ui {

class ComparisonView;

class HistoryWindow : public QWidget {
    Q_OBJECT

  public:
    HistoryWindow(platform::Platform& platform, history::History& history, QWidget* owner);

    // Lists the kept reads of `slot` of `saveFolder` (slot 0: none).
    void showSlot(const std::string& saveFolder, int slot);
    QTableWidget* readList() const { return reads_; }
    ComparisonView* comparison() const { return comparison_; }

  private:
    void compareChosen();

    history::History& history_;
    std::vector<history::KeptRead> kept_;
    QLabel* hint_;
    QTableWidget* reads_;
    ComparisonView* comparison_;
};

}  // namespace foalix::ui
