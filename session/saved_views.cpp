#include "session/saved_views.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace foalix::session {

QByteArray viewsToJson(const std::vector<SavedView>& views) {
    QJsonArray list;
    for (const SavedView& view : views) {
        list.append(QJsonObject{{"name", view.name},
                                {"filter", view.filter},
                                {"starred_only", view.starredOnly},
                                {"sort", view.sortKey},
                                {"descending", view.descending},
                                {"profile", view.profile}});
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

std::vector<SavedView> viewsFromJson(const QByteArray& json) {
    std::vector<SavedView> views;
    for (const QJsonValue& each : QJsonDocument::fromJson(json).array()) {
        const QJsonObject view = each.toObject();
        const QString name = view.value("name").toString();
        if (!name.isEmpty()) {
            views.push_back({name, view.value("filter").toString(),
                             view.value("starred_only").toBool(), view.value("sort").toString(),
                             view.value("descending").toBool(), view.value("profile").toString()});
        }
    }
    return views;
}

}  // namespace foalix::session
