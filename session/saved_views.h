// The roster table's views a player saved under a name: the filter's text, Starred only,
// the column sorted by (foalix-dump's key: "row", "name", a field's, "starred", "score";
// empty for the list's order) and its order, and the profile scored by. Kept as JSON in the
// settings store.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace foalix::session {

struct SavedView {
    QString name;
    QString filter;
    bool starredOnly = false;
    QString sortKey;
    bool descending = false;
    QString profile;
    bool operator==(const SavedView&) const = default;
};

QByteArray viewsToJson(const std::vector<SavedView>& views);
// The views kept; anything unreadable is left out.
std::vector<SavedView> viewsFromJson(const QByteArray& json);

}  // namespace foalix::session
