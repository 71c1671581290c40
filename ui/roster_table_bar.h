// The roster table's bar: the filter box, Starred only, the count of the foals shown and
// Export CSV…, with the filter's error under them when a condition does not parse.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace foalix::ui {

class RosterTableBar : public QWidget {
    Q_OBJECT

  public:
    explicit RosterTableBar(QWidget* parent);

    QString filterText() const;
    // Says `error` under the box; hidden when it is empty.
    void showFilterError(const QString& error);
    void showCount(int shown, int listed);
    // Without a history nothing is starred: Starred only is off.
    void allowStarredOnly(bool allowed);
    void retranslate();

  signals:
    void filterChanged();
    void starredOnlyToggled(bool on);
    void exportAsked();

  private:
    QLineEdit* filter_;
    QCheckBox* starredOnly_;
    QLabel* count_;
    QPushButton* export_;
    QLabel* filterError_;
};

}  // namespace foalix::ui
