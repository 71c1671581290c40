#include "ui/profiles_dialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "session/roster_model.h"
#include "session/roster_session.h"

#include "platform/platform.h"

namespace foalix::ui {

using savedata::ScoreProfile;
using session::RosterModel;

ProfilesDialog::ProfilesDialog(session::RosterSession& session, QWidget* owner)
    : QDialog(owner),
      session_(session),
      list_(new QListWidget(this)),
      name_(new QLineEdit(this)),
      nameCaption_(new QLabel(this)),
      score_(new QLabel(this)),
      error_(new QLabel(this)),
      new_(new QPushButton(this)),
      save_(new QPushButton(this)),
      delete_(new QPushButton(this)),
      use_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    setObjectName("frmProfiles");
    list_->setObjectName("lstProfiles");
    name_->setObjectName("txtProfileName");
    score_->setObjectName("lblProfileScore");
    error_->setObjectName("lblProfileError");
    new_->setObjectName("cmdNewProfile");
    save_->setObjectName("cmdSaveProfile");
    delete_->setObjectName("cmdDeleteProfile");
    use_->setObjectName("cmdUseProfile");
    close_->setObjectName("cmdCloseProfiles");
    auto* form = new QFormLayout;
    nameCaption_->setBuddy(name_);
    form->addRow(nameCaption_, name_);
    for (std::size_t i = 0; i < savedata::kScoredFields; ++i) {
        captions_.at(i) = new QLabel(this);
        weights_.at(i) = new QSpinBox(this);
        weights_.at(i)->setObjectName(QString("spnWeight") + savedata::scoredFields().at(i)->key);
        weights_.at(i)->setRange(0, savedata::kMostWeight);
        captions_.at(i)->setBuddy(weights_.at(i));
        form->addRow(captions_.at(i), weights_.at(i));
        connect(weights_.at(i), &QSpinBox::valueChanged, this, &ProfilesDialog::showScore);
    }
    form->addRow(score_);
    form->addRow(error_);
    error_->hide();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {new_, save_, delete_, use_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        const QListWidgetItem* item = list_->item(row);
        const std::string next =
            item != nullptr ? item->data(Qt::UserRole).toString().toStdString() : std::string();
        if (settled()) {
            choose(next);
        } else {
            select(shown_);  // back to the changes the player stayed with
        }
    });
    connect(new_, &QPushButton::clicked, this, &ProfilesDialog::makeNew);
    connect(save_, &QPushButton::clicked, this, [this] { keep(); });
    connect(delete_, &QPushButton::clicked, this, &ProfilesDialog::remove);
    // The weights as the player sees them are the ones used: changes are kept first.
    connect(use_, &QPushButton::clicked, this, [this] {
        if (!unsaved() || keep()) {
            session_.useProfile(shown_);
        }
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(&session, &session::RosterSession::currentRecordChanged, this,
            &ProfilesDialog::showScore);
    connect(&session, &session::RosterSession::profileChanged, this, &ProfilesDialog::showProfiles);
    retranslate();
    choose(session.profile().name);
}

std::string ProfilesDialog::chosenName() const {
    const QListWidgetItem* item = list_->currentItem();
    return item != nullptr ? item->data(Qt::UserRole).toString().toStdString() : std::string();
}

// The list anew (names, and which is in use), the boxes kept as they are: changes not
// kept yet stay while the profile they belong to is there.
void ProfilesDialog::showProfiles() {
    {
        const QSignalBlocker quiet(list_);
        list_->clear();
        for (const ScoreProfile& profile : session_.profiles()) {
            QString name = RosterModel::profileName(profile);
            if (profile.name == session_.profile().name) {
                name = tr("%1 (in use)").arg(name);
            }
            auto* item = new QListWidgetItem(name, list_);
            item->setData(Qt::UserRole, QString::fromStdString(profile.name));
        }
    }
    if (select(shown_) && unsaved()) {
        return;
    }
    showChosen();
}

bool ProfilesDialog::select(const std::string& name) {
    int row = -1;
    for (int each = 0; each < list_->count(); ++each) {
        if (list_->item(each)->data(Qt::UserRole).toString().toStdString() == name) {
            row = each;
        }
    }
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(std::max(row, 0));
    return row >= 0;
}

void ProfilesDialog::choose(const std::string& name) {
    select(name);
    showChosen();
}

std::optional<ScoreProfile> ProfilesDialog::kept(const std::string& name) const {
    for (const ScoreProfile& profile : session_.profiles()) {
        if (profile.name == name) {
            return profile;
        }
    }
    return std::nullopt;
}

bool ProfilesDialog::unsaved() const {
    if (session::RosterSession::isBuiltIn(shown_)) {
        return false;
    }
    const auto profile = kept(shown_);
    return profile && edited() != *profile;
}

bool ProfilesDialog::settled() {
    if (!unsaved()) {
        return true;
    }
    const platform::Answer answer = session_.platform().messages.show(
        this, tr("Save the changes to the profile %1?").arg(QString::fromStdString(shown_)),
        platform::Buttons::SaveDiscardCancel, platform::Icon::None);
    return answer == platform::Answer::Discard || (answer == platform::Answer::Save && keep());
}

void ProfilesDialog::showChosen() {
    shown_ = chosenName();
    const bool own = !session::RosterSession::isBuiltIn(shown_);
    if (const auto profile = kept(shown_)) {
        name_->setText(RosterModel::profileName(*profile));
        for (std::size_t i = 0; i < savedata::kScoredFields; ++i) {
            const QSignalBlocker quiet(weights_.at(i));
            weights_.at(i)->setValue(profile->weights.at(i));
        }
    }
    // A built-in profile is read, not changed: New makes one of the player's own from it.
    name_->setReadOnly(!own);
    for (QSpinBox* weight : weights_) {
        weight->setEnabled(own);
    }
    save_->setEnabled(own);
    delete_->setEnabled(own);
    error_->hide();
    showScore();
}

ScoreProfile ProfilesDialog::edited() const {
    ScoreProfile profile{name_->text().trimmed().toStdString(), {}};
    for (std::size_t i = 0; i < savedata::kScoredFields; ++i) {
        profile.weights.at(i) = weights_.at(i)->value();
    }
    return profile;
}

// The chosen foal's score under the weights as set now.
void ProfilesDialog::showScore() {
    const auto& roster = session_.roster();
    const int record = session_.currentRecord();
    if (!roster || record == 0) {
        score_->setText(tr("Choose a foal to see its score"));
        return;
    }
    const savedata::HorseEntry& foal = roster->table.row(record);
    const auto score = savedata::scoreOf(foal, edited());
    score_->setText(tr("%1: %2", "a foal's name and its score")
                        .arg(QString::fromStdString(foal.name),
                             score ? QString::number(*score) : tr("no score")));
}

void ProfilesDialog::makeNew() {
    if (!settled()) {
        return;
    }
    ScoreProfile made = edited();
    const QString base = tr("My profile");
    std::vector<ScoreProfile> all = session_.profiles();
    QString name = base;
    for (int n = 2; std::ranges::any_of(
             all, [&](const ScoreProfile& profile) { return profile.name == name.toStdString(); });
         ++n) {
        name = QString("%1 %2").arg(base).arg(n);
    }
    made.name = name.toStdString();
    if (session_.keepProfile(made)) {
        showProfiles();
        choose(made.name);
    }
}

bool ProfilesDialog::keep() {
    const ScoreProfile profile = edited();
    if (!session_.keepProfile(profile, shown_)) {
        error_->setText(tr("A profile needs a name of its own, on one line"));
        error_->show();
        return false;
    }
    showProfiles();
    choose(profile.name);
    return true;
}

void ProfilesDialog::remove() {
    if (session_.platform().messages.show(
            this, tr("Delete the profile %1?").arg(QString::fromStdString(shown_)),
            platform::Buttons::OkCancel, platform::Icon::None) != platform::Answer::Ok) {
        return;
    }
    session_.deleteProfile(shown_);
    showProfiles();
}

// Closing (Close, Escape, the title bar's button) goes through here.
void ProfilesDialog::reject() {
    if (settled()) {
        showChosen();  // shown again as kept, not as left
        QDialog::reject();
    }
}

void ProfilesDialog::retranslate() {
    setWindowTitle(tr("Score Profiles"));
    nameCaption_->setText(tr("Na&me:"));
    name_->setAccessibleName(tr("The profile's name"));
    list_->setAccessibleName(tr("Score profiles"));
    for (std::size_t i = 0; i < savedata::kScoredFields; ++i) {
        const savedata::HorseField& field = *savedata::scoredFields().at(i);
        captions_.at(i)->setText(RosterModel::captionOf(field));
        weights_.at(i)->setAccessibleName(tr("Weight of %1").arg(RosterModel::captionOf(field)));
        weights_.at(i)->setToolTip(QCoreApplication::translate("HorseField", field.meaning));
    }
    new_->setText(tr("&New"));
    save_->setText(tr("&Save"));
    delete_->setText(tr("&Delete"));
    use_->setText(tr("&Use"));
    close_->setText(tr("Close"));
    showProfiles();
}

void ProfilesDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

}  // namespace foalix::ui
