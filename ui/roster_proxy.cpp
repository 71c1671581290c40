#include "ui/roster_proxy.h"

#include <algorithm>

#include "session/language.h"
#include "session/roster_model.h"

namespace foalix::ui {

using session::RosterModel;

std::optional<savedata::FilterError> RosterProxy::setFilter(const QString& text) {
    auto parsed = savedata::ValueFilter::parse(text.toStdString(), captions(), scoreNames());
    std::optional<savedata::FilterError> error;
    if (auto* filter = std::get_if<savedata::ValueFilter>(&parsed)) {
        filter_ = std::move(*filter);
    } else {
        error = std::get<savedata::FilterError>(parsed);
        filter_ = {};
    }
    nameWords_.clear();
    for (const std::string& word : filter_.nameWords()) {
        nameWords_ << QString::fromStdString(word);
    }
    invalidateFilter();
    return error;
}

void RosterProxy::rescore() {
    invalidate();
}

// The names of the score and the fields in every language, the window's first: a saved
// view or a condition typed under another language still reads.
std::vector<std::string> RosterProxy::scoreNames() {
    std::vector<std::string> names;
    for (const QString& name :
         session::everyTranslation("foalix::session::RosterModel", RosterModel::kScoreTitle)) {
        names.push_back(name.toStdString());
    }
    return names;
}

savedata::ValueFilter::Captions RosterProxy::captions() {
    savedata::ValueFilter::Captions named;
    for (const savedata::HorseField& field : savedata::kHorseFields) {
        for (const QString& caption : session::everyTranslation("HorseField", field.caption)) {
            named.emplace_back(caption.trimmed().toStdString(), &field);
        }
    }
    return named;
}

QString RosterProxy::errorText(const savedata::FilterError& error) {
    using Kind = savedata::FilterErrorKind;
    // The fields by the captions the player reads, not by foalix-dump's keys.
    QStringList choices;
    if (error.kind == Kind::NoField) {
        for (const savedata::HorseField* field : savedata::fieldsInReadingOrder()) {
            choices << RosterModel::captionOf(*field);
        }
        choices << RosterModel::columnTitle("score");
    } else if (error.score) {
        choices << tr("%1 to %2", "the range of a score's values").arg(0).arg(100);
    } else {
        for (const std::string& choice : error.choices) {
            choices << QString::fromStdString(choice);
        }
    }
    const QString condition = QString::fromStdString(error.condition);
    // The field as the player named it: a caption of their language or a key.
    const QString field = QString::fromStdString(error.name);
    const QString listed = choices.join(tr(", ", "between the fields or values listed"));
    switch (error.kind) {
        case Kind::NoComparison:
            return tr("'%1': no comparison (use %2)").arg(condition, listed);
        case Kind::NoField:
            return tr("'%1': no field '%2'; fields are %3").arg(condition, field, listed);
        case Kind::NoValue:
            return tr("'%1': '%2' is no value of %3; its values are %4")
                .arg(condition, QString::fromStdString(error.value), field, listed);
        case Kind::MissingValue:
            return tr("'%1': no value for %2; its values are %3").arg(condition, field, listed);
    }
    return condition;  // no other kind
}

void RosterProxy::setStarredOnly(bool on) {
    starredOnly_ = on;
    invalidateFilter();
}

bool RosterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int byMeaning =
        left.column() == RosterModel::kNameColumn
            ? QString::compare(left.data().toString(), right.data().toString())
            : left.data(RosterModel::RankRole).toInt() - right.data(RosterModel::RankRole).toInt();
    if (byMeaning != 0) {
        return byMeaning < 0;
    }
    // Ties of score go by name, as foalix-dump lists them; other ties keep the record
    // order. Both read the same in either direction: descending sorts swap the sides.
    const bool ascending = sortOrder() == Qt::AscendingOrder;
    if (left.column() == RosterModel::kScoreColumn) {
        const auto* model = static_cast<const RosterModel*>(sourceModel());
        const int byName =
            QString::compare(QString::fromStdString(model->entryAt(left.row()).name),
                             QString::fromStdString(model->entryAt(right.row()).name));
        if (byName != 0) {
            return ascending ? byName < 0 : byName > 0;
        }
    }
    const int recordLeft = left.data(RosterModel::RecordRole).toInt();
    const int recordRight = right.data(RosterModel::RecordRole).toInt();
    return ascending ? recordLeft < recordRight : recordLeft > recordRight;
}

bool RosterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto* model = static_cast<const RosterModel*>(sourceModel());
    const savedata::HorseEntry& entry = model->entryAt(sourceRow);
    const QString name = QString::fromStdString(entry.name);
    if (starredOnly_ && !model->index(sourceRow, 0).data(RosterModel::StarredRole).toBool()) {
        return false;
    }
    const QModelIndex row = model->index(sourceRow, 0);
    const QVariant score = row.data(RosterModel::ScoreRole);
    const QString note = row.data(RosterModel::PlayerNoteRole).toString();
    const std::string noteText = note.toStdString();
    const savedata::FoalFacts facts{
        score.isValid() ? std::optional<int>(score.toInt()) : std::nullopt,
        row.data(RosterModel::NewRole).toBool(), row.data(RosterModel::StarredRole).toBool(),
        noteText};
    // Name words are found in the name or the note, case blind in every script.
    return filter_.valuesMatch(entry, facts) &&
           std::all_of(nameWords_.begin(), nameWords_.end(), [&](const QString& word) {
               return name.contains(word, Qt::CaseInsensitive) ||
                      note.contains(word, Qt::CaseInsensitive);
           });
}

}  // namespace foalix::ui
