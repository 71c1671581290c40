#include "ui/roster_table_bar.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "session/roster_model.h"
#include "ui/flow_layout.h"

namespace foalix::ui {

namespace {

// Makes `box` as wide as its longest name (a translation, a view the player named) shows
// whole in its field, no wider than its maximum (some sixteen characters). The style's own
// size for a combo box leaves the field a few pixels short of the text it measured.
void fitToNames(QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.rect = QRect(QPoint(), box->sizeHint());
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    int widest = 0;
    for (int i = 0; i < box->count(); ++i) {
        widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    }
    // The text is drawn a pixel in from each side of the field.
    const int wide = option.rect.width() - field.width() + widest + 2;
    box->setMinimumWidth(std::min(box->maximumWidth(), wide));
}

}  // namespace

RosterTableBar::RosterTableBar(QWidget* parent)
    : QWidget(parent),
      filter_(new QLineEdit(this)),
      starredOnly_(new QCheckBox(this)),
      count_(new QLabel(this)),
      export_(new QPushButton(this)),
      profileLabel_(new QLabel(this)),
      profile_(new QComboBox(this)),
      profiles_(new QPushButton(this)),
      viewLabel_(new QLabel(this)),
      views_(new QComboBox(this)),
      saveView_(new QPushButton(this)),
      viewMenu_(new QPushButton(this)),
      filterError_(new QLabel(this)) {
    filter_->setObjectName("txtFilter");
    filter_->setClearButtonEnabled(true);
    starredOnly_->setObjectName("chkStarredOnly");
    count_->setObjectName("lblCount");
    export_->setObjectName("cmdExport");
    profile_->setObjectName("cboProfile");
    profiles_->setObjectName("cmdProfiles");
    views_->setObjectName("cboView");
    saveView_->setObjectName("cmdSaveView");
    viewMenu_->setObjectName("cmdViewMenu");
    auto* viewActions = new QMenu(viewMenu_);
    viewActions->addAction(QString(), this, &RosterTableBar::renameViewAsked)
        ->setObjectName("mnuRenameView");
    viewActions->addAction(QString(), this, &RosterTableBar::deleteViewAsked)
        ->setObjectName("mnuDeleteView");
    viewMenu_->setMenu(viewActions);
    for (QComboBox* box : {profile_, views_}) {
        box->setMaximumWidth(16 * box->fontMetrics().height());
    }
    profileLabel_->setBuddy(profile_);
    viewLabel_->setBuddy(views_);
    filterError_->setObjectName("lblFilterError");
    filterError_->setWordWrap(true);
    filterError_->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(filter_, 1);
    row->addWidget(starredOnly_);
    row->addWidget(count_);
    row->addWidget(export_);
    // The profile's group and the views' side by side, or one above the other in a
    // window too narrow for both.
    auto* choices = new FlowLayout;
    for (const std::vector<QWidget*>& members :
         {std::vector<QWidget*>{profileLabel_, profile_, profiles_},
          std::vector<QWidget*>{viewLabel_, views_, saveView_, viewMenu_}}) {
        auto* group = new QWidget(this);
        auto* line = new QHBoxLayout(group);
        line->setContentsMargins({});
        for (QWidget* member : members) {
            line->addWidget(member);
        }
        choices->addWidget(group);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addLayout(row);
    layout->addLayout(choices);
    layout->addWidget(filterError_);
    connect(filter_, &QLineEdit::textChanged, this, &RosterTableBar::filterChanged);
    connect(starredOnly_, &QCheckBox::toggled, this, &RosterTableBar::starredOnlyToggled);
    connect(export_, &QPushButton::clicked, this, &RosterTableBar::exportAsked);
    connect(profile_, &QComboBox::activated, this, [this](int index) {
        emit profileChosen(profile_->itemData(index).toString().toStdString());
    });
    connect(profiles_, &QPushButton::clicked, this, &RosterTableBar::profilesAsked);
    connect(views_, &QComboBox::activated, this,
            [this](int index) { emit viewChosen(views_->itemData(index).toString()); });
    connect(saveView_, &QPushButton::clicked, this, &RosterTableBar::saveViewAsked);
    showViews({}, {});
}

QString RosterTableBar::filterText() const {
    return filter_->text();
}

void RosterTableBar::setFilterText(const QString& text) {
    filter_->setText(text);
}

bool RosterTableBar::starredOnly() const {
    return starredOnly_->isChecked();
}

void RosterTableBar::setStarredOnly(bool on) {
    starredOnly_->setChecked(on && starredOnly_->isEnabled());
}

void RosterTableBar::showFilterError(const QString& error) {
    filterError_->setText(error);
    filterError_->setVisible(!error.isEmpty());
}

void RosterTableBar::showCount(int shown, int listed) {
    count_->setText(tr("%1 / %n頭", "the foals shown of those listed", listed).arg(shown));
}

void RosterTableBar::allowStarredOnly(bool allowed) {
    starredOnly_->setEnabled(allowed);
}

void RosterTableBar::showProfiles(const std::vector<savedata::ScoreProfile>& profiles,
                                  const std::string& inUse) {
    const QSignalBlocker quiet(profile_);
    profile_->clear();
    for (const savedata::ScoreProfile& profile : profiles) {
        profile_->addItem(session::RosterModel::profileName(profile),
                          QString::fromStdString(profile.name));
        profile_->setItemData(profile_->count() - 1, session::RosterModel::weightsCaption(profile),
                              Qt::ToolTipRole);
    }
    profile_->setCurrentIndex(profile_->findData(QString::fromStdString(inUse)));
    fitToNames(profile_);
}

void RosterTableBar::showViews(const QStringList& names, const QString& chosen) {
    const QSignalBlocker quiet(views_);
    views_->clear();
    views_->addItem(tr("(none)"), QString());
    for (const QString& name : names) {
        views_->addItem(name, name);
    }
    views_->setCurrentIndex(std::max(0, views_->findData(chosen)));
    viewMenu_->setEnabled(!names.isEmpty());
    fitToNames(views_);
}

QString RosterTableBar::chosenView() const {
    return views_->currentData().toString();
}

void RosterTableBar::retranslate() {
    filter_->setPlaceholderText(tr("Filter: a name, or values such as SP>=A Grass=A"));
    filter_->setAccessibleName(tr("Filter by name or values"));
    for (QToolButton* clear : filter_->findChildren<QToolButton*>()) {
        clear->setAccessibleName(tr("Clear filter"));
    }
    export_->setText(tr("Export CSV…"));
    starredOnly_->setText(tr("Starred &only"));
    profileLabel_->setText(tr("&Score by:"));
    profile_->setAccessibleName(tr("Score profile"));
    profile_->view()->setAccessibleName(tr("Score profile"));
    profiles_->setText(tr("&Profiles…"));
    viewLabel_->setText(tr("&View:"));
    views_->setAccessibleName(tr("Saved view"));
    views_->view()->setAccessibleName(tr("Saved view"));
    views_->setItemText(0, tr("(none)"));
    fitToNames(views_);
    saveView_->setText(tr("Save Vie&w…"));
    viewMenu_->setText(tr("More"));
    viewMenu_->setAccessibleName(tr("Rename or delete the view"));
    viewMenu_->menu()->findChild<QAction*>("mnuRenameView")->setText(tr("&Rename View…"));
    viewMenu_->menu()->findChild<QAction*>("mnuDeleteView")->setText(tr("&Delete View"));
}

}  // namespace foalix::ui
