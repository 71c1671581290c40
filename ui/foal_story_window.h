// A foal's story: every kept read of its slot in which its record held it, oldest first,
// with the read's time, a table of its fourteen values per read (a value that moved since
// the read before marked as the roster table marks it) and a step chart of its graded
// values; when it first appeared in the history. It follows the session's current foal
// and each new read. Its card is saved as a picture or copied as text from here.
#pragma once

#include <QWidget>

#include "history/timeline.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class StepChart;

class FoalStoryWindow : public QWidget {
    Q_OBJECT

  public:
    FoalStoryWindow(session::RosterSession& session, QWidget* owner);

    QTableWidget* readTable() const { return reads_; }
    StepChart* chart() const { return chart_; }
    // Saves the shown foal's card as PNG at `path`; false when it cannot.
    bool saveCard(const QString& path) const;
    // Puts the shown foal's card on the clipboard as text.
    void copyCard() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showStory();
    void retranslate();

    session::RosterSession& session_;
    history::Timeline timeline_;
    QLabel* summary_;
    QTableWidget* reads_;
    StepChart* chart_;
    QPushButton* saveCard_;
    QPushButton* copyCard_;
};

}  // namespace foalix::ui
