// The roster table's view of the roster model: sorted by what the values mean (grades S
// above A above B…, growth 早 普 遲 晚, ages by number, names by text), foals that tie in
// record order either way; filtered by the player's text of conditions and name words
// (savedata/value_filter.h), the names matched in any case of any script, and to the
// starred foals when the player asks.
#pragma once

#include <QSortFilterProxyModel>
#include <optional>

#include "savedata/value_filter.h"

namespace foalix::ui {

class RosterProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    // Filters by `text`, its fields named by their keys, their original captions or the
    // interface's; a text that does not parse filters nothing, and its error comes back.
    std::optional<savedata::FilterError> setFilter(const QString& text);
    // The foals' scores changed (another profile): filtered and sorted again.
    void rescore();

    // `error` as the window shows it, in the interface's language.
    static QString errorText(const savedata::FilterError& error);
    // Shows the starred foals alone, or every foal.
    void setStarredOnly(bool on);
    // The fields' captions in every language, the interface's first, as names the filter
    // takes.
    static savedata::ValueFilter::Captions captions();
    // The score's caption in every language, the interface's first.
    static std::vector<std::string> scoreNames();

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    savedata::ValueFilter filter_;
    QStringList nameWords_;
    bool starredOnly_ = false;
};

}  // namespace foalix::ui
