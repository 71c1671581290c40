// A slot's history: its kept reads (when, how many foals, how many changes from the read
// before), and the comparison of any two of them chosen in the list. It follows the
// history while open; the reads chosen stay chosen.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "history/history.h"

class QLabel;
class QTableWidget;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class ComparisonView;

class HistoryWindow : public QWidget {
    Q_OBJECT

  public:
    HistoryWindow(session::RosterSession& session, QWidget* owner);

    // Lists the kept reads of `slot` of `saveFolder` (slot 0: none).
    void showSlot(const std::string& saveFolder, int slot);
    QTableWidget* readList() const { return reads_; }
    ComparisonView* comparison() const { return comparison_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void compareChosen();

    session::RosterSession& session_;
    std::string saveFolder_;
    int slot_ = 0;
    std::vector<history::KeptRead> kept_;
    QLabel* hint_;
    QTableWidget* reads_;
    ComparisonView* comparison_;
};

}  // namespace foalix::ui
