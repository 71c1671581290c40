// The session's side of choosing foals: what the list and the table chose, the foals
// compared, and the rows the table exports.
#include <algorithm>
#include <sstream>

#include "savedata/roster_csv.h"
#include "session/roster_session.h"

namespace foalix::session {

void RosterSession::setChosen(ChoiceSource source, std::vector<int> records) {
    (source == ChoiceSource::List ? chosenInList_ : chosenInTable_) = std::move(records);
}

std::vector<int> RosterSession::foalsToCompare() const {
    return chosenInTable_.size() >= Comparison::kFewestFoals ? chosenInTable_ : chosenInList_;
}

bool RosterSession::compare(const std::vector<int>& records) {
    if (!comparable(records.size()) || !roster_) {
        return false;
    }
    Comparison comparison = compareFoals(*roster_, records, profile_);
    if (!comparable(comparison.foals.size())) {
        return false;
    }
    comparison_ = std::move(comparison);
    emit comparisonChanged();
    return true;
}

std::vector<int> RosterSession::newFoals() const {
    std::vector<int> found;
    if (!roster_) {
        return found;
    }
    std::ranges::copy_if(roster_->listed, std::back_inserter(found),
                         [this](int record) { return roster_->changes.isNew(record); });
    std::ranges::stable_sort(found, std::greater<>(), [this](int record) {
        return savedata::scoreOf(roster_->table.row(record), profile_).value_or(-1);
    });
    return found;
}

std::string RosterSession::csvOf(const std::vector<int>& records) const {
    const savedata::HorseTable empty;
    const savedata::Roster shown{roster_ ? roster_->readFrom : std::string(),
                                 savedata::totalText(records.size()),
                                 records,
                                 roster_ ? &roster_->table : &empty,
                                 roster_ ? roster_->starred : std::set<int>(),
                                 &profile_,
                                 roster_ ? roster_->notes : std::map<int, std::string>()};
    std::ostringstream csv;
    savedata::writeCsv(csv, shown);
    return csv.str();
}

}  // namespace foalix::session
