// The score profiles: every profile, a built-in's weights shown and the player's own made,
// edited, renamed and deleted, with the score the chosen foal would have under the weights
// as they are set, updating with every change.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
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
    // Closed with changes not kept: the player saves them, drops them or stays.
    void reject() override;

  private:
    void showProfiles();
    // Marks the profile `name` in the list (else the first) and says whether it is there.
    bool select(const std::string& name);
    void showChosen();
    void showScore();
    void makeNew();
    // Keeps the boxes as the shown profile; false, the reason shown, when it cannot.
    bool keep();
    void remove();
    std::optional<savedata::ScoreProfile> kept(const std::string& name) const;
    // The boxes differ from the kept profile they show.
    bool unsaved() const;
    // Asks what becomes of changes not kept: true once saved or dropped, false to stay.
    bool settled();
    void retranslate();
    std::string chosenName() const;

    session::RosterSession& session_;
    // The profile whose weights the boxes show (the list's choice may move on first).
    std::string shown_;
    QListWidget* list_;
    QLineEdit* name_;
    QLabel* nameCaption_;
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
