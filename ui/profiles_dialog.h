// The score profiles: every profile, a built-in's weights shown and the player's own made,
// edited, renamed and deleted, with the score the chosen foal would have under the weights
// as they are set, updating with every change.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "savedata/score.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class ProfilesDialog : public QDialog {
    Q_OBJECT

  public:
    ProfilesDialog(session::RosterSession& session, QWidget* owner);

    // Shows the profile named `name` for editing (a built-in's only to read).
    void choose(const std::string& name);
    // The profile as the dialog's boxes have it.
    savedata::ScoreProfile edited() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void showProfiles();
    void showChosen();
    void showScore();
    void makeNew();
    void keep();
    void remove();
    void retranslate();
    std::string chosenName() const;

    session::RosterSession& session_;
    QListWidget* list_;
    QLineEdit* name_;
    std::array<QLabel*, savedata::kScoredFields> captions_{};
    std::array<QSpinBox*, savedata::kScoredFields> weights_{};
    QLabel* score_;
    QLabel* error_;
    QPushButton* new_;
    QPushButton* save_;
    QPushButton* delete_;
    QPushButton* use_;
    QPushButton* close_;
};

}  // namespace foalix::ui
