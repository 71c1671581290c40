// The roster table's bar: the filter box, Starred only, the count of the foals shown and
// Export CSV…; under them the score profile in use (with the profiles' dialog) and the
// player's saved views (saved, chosen, renamed and deleted there); and the filter's error
// under both when a condition does not parse.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "savedata/score.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace foalix::ui {

class RosterTableBar : public QWidget {
    Q_OBJECT

  public:
    explicit RosterTableBar(QWidget* parent);

    QString filterText() const;
    void setFilterText(const QString& text);
    bool starredOnly() const;
    void setStarredOnly(bool on);
    // Says `error` under the box; hidden when it is empty.
    void showFilterError(const QString& error);
    void showCount(int shown, int listed);
    // Without a history nothing is starred: Starred only is off.
    void allowStarredOnly(bool allowed);
    // The profiles to choose from, the one in use chosen.
    void showProfiles(const std::vector<savedata::ScoreProfile>& profiles,
                      const std::string& inUse);
    // The saved views to choose from, `chosen` shown (empty: none).
    void showViews(const QStringList& names, const QString& chosen);
    QString chosenView() const;
    void retranslate();

  signals:
    void filterChanged();
    void starredOnlyToggled(bool on);
    void exportAsked();
    void profileChosen(const std::string& name);
    void profilesAsked();
    void viewChosen(const QString& name);
    void saveViewAsked();
    void renameViewAsked();
    void deleteViewAsked();

  private:
    QLineEdit* filter_;
    QCheckBox* starredOnly_;
    QLabel* count_;
    QPushButton* export_;
    QLabel* profileLabel_;
    QComboBox* profile_;
    QPushButton* profiles_;
    QLabel* viewLabel_;
    QComboBox* views_;
    QPushButton* saveView_;
    QPushButton* viewMenu_;
    QLabel* filterError_;
};

}  // namespace foalix::ui
