// The roster table's choices of the bar: the score profile in use, and the views the player
// saved (the filter, Starred only, the sort and the profile, under a name).
#include <QHeaderView>
#include <QInputDialog>
#include <QTableView>
#include <algorithm>
#include <limits>

#include "session/roster_model.h"
#include "session/roster_session.h"

#include "ui/changes_line.h"
#include "ui/profiles_dialog.h"
#include "ui/roster_proxy.h"
#include "ui/roster_table_bar.h"
#include "ui/roster_table_window.h"

namespace foalix::ui {

using session::RosterModel;

namespace {

// foalix-dump's name of a column of the roster model.
QString keyOf(int column) {
    if (const savedata::HorseField* field = RosterModel::fieldAt(column)) {
        return field->key;
    }
    return column == RosterModel::kNumberColumn  ? "row"
           : column == RosterModel::kNameColumn  ? "name"
           : column == RosterModel::kStarColumn  ? "starred"
           : column == RosterModel::kScoreColumn ? "score"
                                                 : QString();
}

}  // namespace

void RosterTableWindow::connectChoices() {
    connect(bar_, &RosterTableBar::profileChosen, &session_, &session::RosterSession::useProfile);
    connect(bar_, &RosterTableBar::profilesAsked, this, &RosterTableWindow::showProfiles);
    connect(&session_, &session::RosterSession::profileChanged, this, [this] {
        showChoices();
        proxy_->rescore();
        showNewFoals();
        showCount();
    });
    connect(bar_, &RosterTableBar::viewChosen, this, &RosterTableWindow::applyView);
    connect(bar_, &RosterTableBar::saveViewAsked, this, &RosterTableWindow::saveView);
    connect(bar_, &RosterTableBar::renameViewAsked, this, &RosterTableWindow::renameView);
    connect(bar_, &RosterTableBar::deleteViewAsked, this, &RosterTableWindow::deleteView);
    showChoices();
}

void RosterTableWindow::showChoices(const QString& chosen) {
    bar_->showProfiles(session_.profiles(), session_.profile().name);
    QStringList names;
    for (const session::SavedView& view : session_.savedViews()) {
        names << view.name;
    }
    bar_->showViews(names, chosen.isNull() ? bar_->chosenView() : chosen);
}

void RosterTableWindow::showNewFoals() {
    const QString line = ChangesLine::newFoalsLine(session_);
    newFoals_->setText(line);
    newFoals_->setToolTip(ChangesLine::newFoalsText(session_, std::numeric_limits<int>::max()));
    newFoals_->setVisible(!line.isEmpty());
}

void RosterTableWindow::setFilterText(const QString& text) {
    bar_->setFilterText(text);
}

QString RosterTableWindow::sortKey() const {
    return keyOf(proxy_->sortColumn());
}

void RosterTableWindow::applyView(const QString& name) {
    for (const session::SavedView& view : session_.savedViews()) {
        if (view.name != name) {
            continue;
        }
        bar_->setFilterText(view.filter);
        bar_->setStarredOnly(view.starredOnly);
        int column = -1;
        for (int each = 0; each < session_.model()->columnCount(); ++each) {
            if (!view.sortKey.isEmpty() && keyOf(each) == view.sortKey) {
                column = each;
            }
        }
        view_->sortByColumn(column, view.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        if (view.profile.isEmpty()) {
            continue;
        }
        const auto profiles = session_.profiles();
        if (std::ranges::find(profiles, view.profile.toStdString(),
                              &savedata::ScoreProfile::name) == profiles.end()) {
            // Deleted since: the scores stay as they are, and the player is told why.
            session_.platform().messages.show(
                this,
                tr("The view %1 scores by the profile %2, which is no longer kept; the scores "
                   "stay by %3.")
                    .arg(name, view.profile, RosterModel::profileName(session_.profile())),
                platform::Buttons::Ok, platform::Icon::None);
        } else {
            session_.useProfile(view.profile.toStdString());
        }
    }
}

void RosterTableWindow::saveView() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Save View"), tr("The view's name:"),
                                               QLineEdit::Normal, bar_->chosenView(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty()) {
        return;
    }
    const session::SavedView view{name,
                                  bar_->filterText(),
                                  bar_->starredOnly(),
                                  sortKey(),
                                  proxy_->sortOrder() == Qt::DescendingOrder,
                                  QString::fromStdString(session_.profile().name)};
    // Saved under a name a view has already, it takes that view's place once the player
    // says so.
    const auto views = session_.savedViews();
    if (std::ranges::find(views, name, &session::SavedView::name) != views.end() &&
        session_.platform().messages.show(this, tr("Replace the view %1?").arg(name),
                                          platform::Buttons::OkCancel,
                                          platform::Icon::None) != platform::Answer::Ok) {
        return;
    }
    if (session_.keepView(view, name)) {
        showChoices(name);
    }
}

void RosterTableWindow::renameView() {
    const QString old = bar_->chosenView();
    for (session::SavedView view : session_.savedViews()) {
        if (view.name != old) {
            continue;
        }
        bool ok = false;
        view.name = QInputDialog::getText(this, tr("Rename View"), tr("The view's new name:"),
                                          QLineEdit::Normal, old, &ok)
                        .trimmed();
        if (!ok || view.name == old) {
            return;
        }
        if (session_.keepView(view, old)) {
            showChoices(view.name);
        } else {
            session_.platform().messages.show(
                this,
                view.name.isEmpty() ? tr("A view needs a name.")
                                    : tr("A view is named %1 already.").arg(view.name),
                platform::Buttons::Ok, platform::Icon::None);
        }
        return;
    }
}

void RosterTableWindow::deleteView() {
    const QString name = bar_->chosenView();
    if (!name.isEmpty() &&
        session_.platform().messages.show(this, tr("Delete the view %1?").arg(name),
                                          platform::Buttons::OkCancel,
                                          platform::Icon::None) == platform::Answer::Ok) {
        session_.deleteView(name);
        showChoices(QString(""));
    }
}

ProfilesDialog* RosterTableWindow::showProfiles() {
    if (profiles_ == nullptr) {
        profiles_ = new ProfilesDialog(session_, this);
    }
    profiles_->show();
    profiles_->raise();
    return profiles_;
}

}  // namespace foalix::ui
