// What the player keeps of their own to judge the stable by: the profile in use and their
// own profiles (kept in the settings store, where foalix-dump reads them too), and the
// roster table's saved views.
#include <QScopedValueRollback>
#include <algorithm>

#include "savedata/run_time_error.h"
#include "session/language.h"
#include "session/roster_model.h"
#include "session/roster_session.h"

namespace foalix::session {

using savedata::ScoreProfile;

std::vector<ScoreProfile> RosterSession::ownProfiles() const {
    return savedata::profilesFromText(settings_->get(setting::ownProfiles).toStdString());
}

std::vector<ScoreProfile> RosterSession::profiles() const {
    std::vector<ScoreProfile> all = savedata::builtInProfiles();
    std::ranges::copy(ownProfiles(), std::back_inserter(all));
    return all;
}

bool RosterSession::isBuiltIn(const std::string& name) {
    return savedata::builtInProfile(name) != nullptr;
}

void RosterSession::scoreByProfile() {
    if (scoringHeld_) {
        return;
    }
    const std::string name = settings_->get(setting::scoreProfile).toStdString();
    const std::vector<ScoreProfile> all = profiles();
    const auto found = std::ranges::find(all, name, &ScoreProfile::name);
    ScoreProfile next = found != all.end() ? *found : savedata::builtInProfiles().front();
    if (next == profile_) {
        return;
    }
    profile_ = std::move(next);
    model_->setProfile(&profile_);
    if (!comparison_.foals.empty()) {
        comparison_ = followFoals(comparison_, roster_.get(), profile_);
        emit comparisonChanged();
    }
    emit profileChanged();
}

void RosterSession::useProfile(const std::string& name) {
    // A convenience: a store that cannot be written keeps the last choice; this run scores
    // by the new one.
    savedata::failureOf(
        [&] { settings_->set(setting::scoreProfile, QString::fromStdString(name)); });
}

void RosterSession::keepOwnProfiles(const std::vector<ScoreProfile>& profiles) {
    reporting([&] {
        settings_->set(setting::ownProfiles,
                       QByteArray::fromStdString(savedata::profilesText(profiles)));
    });
}

bool RosterSession::keepProfile(const ScoreProfile& profile, const std::string& replacing) {
    std::vector<ScoreProfile> own = ownProfiles();
    const bool named =
        !profile.name.empty() && profile.name.find_first_of("\t\r\n") == std::string::npos;
    // A name reads as another's in any case, and a built-in's in any language: the list,
    // the combo box and foalix-dump --profile could not tell the two apart.
    const QString name = QString::fromStdString(profile.name);
    const auto same = [&name](const QString& other) {
        return QString::compare(name, other, Qt::CaseInsensitive) == 0;
    };
    const bool taken =
        std::ranges::any_of(savedata::builtInProfiles(),
                            [&](const ScoreProfile& builtIn) {
                                return std::ranges::any_of(
                                    everyTranslation("ScoreProfile", builtIn.name.c_str()), same);
                            }) ||
        std::ranges::any_of(own, [&](const ScoreProfile& other) {
            return other.name != replacing && same(QString::fromStdString(other.name));
        });
    if (!named || taken) {
        return false;
    }
    const auto old = std::ranges::find(own, replacing, &ScoreProfile::name);
    if (replacing.empty() || old == own.end()) {
        own.push_back(profile);
    } else {
        *old = profile;
    }
    const bool inUse = !replacing.empty() && profile_.name == replacing;
    {
        // Renamed in use: scored by it under its new name, never by Balanced meanwhile.
        const QScopedValueRollback held(scoringHeld_, true);
        keepOwnProfiles(own);
        if (inUse) {
            useProfile(profile.name);
        }
    }
    if (!replacing.empty() && replacing != profile.name) {
        renameInViews(QString::fromStdString(replacing), QString::fromStdString(profile.name));
    }
    scoreByProfile();
    return true;
}

void RosterSession::deleteProfile(const std::string& name) {
    std::vector<ScoreProfile> own = ownProfiles();
    if (std::erase_if(own, [&](const ScoreProfile& profile) { return profile.name == name; })) {
        const bool inUse = profile_.name == name;
        keepOwnProfiles(own);
        if (inUse) {
            useProfile(savedata::kBalanced);
        }
    }
}

std::vector<SavedView> RosterSession::savedViews() const {
    return viewsFromJson(settings_->get(setting::savedViews));
}

bool RosterSession::keepView(const SavedView& view, const QString& replacing) {
    std::vector<SavedView> views = savedViews();
    const auto old =
        std::ranges::find(views, replacing.isEmpty() ? view.name : replacing, &SavedView::name);
    const bool taken = std::ranges::any_of(views, [&](const SavedView& other) {
        return other.name == view.name && (old == views.end() || &other != &*old);
    });
    if (view.name.trimmed().isEmpty() || taken) {
        return false;
    }
    if (old == views.end()) {
        views.push_back(view);
    } else {
        *old = view;
    }
    reporting([&] { settings_->set(setting::savedViews, viewsToJson(views)); });
    return true;
}

void RosterSession::renameInViews(const QString& from, const QString& to) {
    std::vector<SavedView> views = savedViews();
    bool renamed = false;
    for (SavedView& view : views) {
        if (view.profile == from) {
            view.profile = to;
            renamed = true;
        }
    }
    if (renamed) {
        reporting([&] { settings_->set(setting::savedViews, viewsToJson(views)); });
    }
}

void RosterSession::deleteView(const QString& name) {
    std::vector<SavedView> views = savedViews();
    if (std::erase_if(views, [&](const SavedView& view) { return view.name == name; })) {
        reporting([&] { settings_->set(setting::savedViews, viewsToJson(views)); });
    }
}

}  // namespace foalix::session
