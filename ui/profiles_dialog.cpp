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

namespace foalix::ui {

using savedata::ScoreProfile;
using session::RosterModel;

ProfilesDialog::ProfilesDialog(session::RosterSession& session, QWidget* owner)
    : QDialog(owner),
      session_(session),
      list_(new QListWidget(this)),
      name_(new QLineEdit(this)),
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
    form->addRow(name_);
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
    connect(list_, &QListWidget::currentRowChanged, this, &ProfilesDialog::showChosen);
    connect(new_, &QPushButton::clicked, this, &ProfilesDialog::makeNew);
    connect(save_, &QPushButton::clicked, this, &ProfilesDialog::keep);
    connect(delete_, &QPushButton::clicked, this, &ProfilesDialog::remove);
    connect(use_, &QPushButton::clicked, this, [this] { session_.useProfile(chosenName()); });
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

void ProfilesDialog::showProfiles() {
    const std::string chosen = chosenName();
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
    choose(chosen);
}

void ProfilesDialog::choose(const std::string& name) {
    int row = 0;
    for (int each = 0; each < list_->count(); ++each) {
        if (list_->item(each)->data(Qt::UserRole).toString().toStdString() == name) {
            row = each;
        }
    }
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(row);
    }
    showChosen();
}

void ProfilesDialog::showChosen() {
    const std::string name = chosenName();
    const bool own = !session::RosterSession::isBuiltIn(name);
    for (const ScoreProfile& profile : session_.profiles()) {
        if (profile.name != name) {
            continue;
        }
        name_->setText(RosterModel::profileName(profile));
        for (std::size_t i = 0; i < savedata::kScoredFields; ++i) {
            const QSignalBlocker quiet(weights_.at(i));
            weights_.at(i)->setValue(profile.weights.at(i));
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

void ProfilesDialog::keep() {
    const std::string old = chosenName();
    const ScoreProfile profile = edited();
    if (!session_.keepProfile(profile, old)) {
        error_->setText(tr("A profile needs a name of its own, on one line"));
        error_->show();
        return;
    }
    showProfiles();
    choose(profile.name);
}

void ProfilesDialog::remove() {
    session_.deleteProfile(chosenName());
    showProfiles();
}

void ProfilesDialog::retranslate() {
    setWindowTitle(tr("Score Profiles"));
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
