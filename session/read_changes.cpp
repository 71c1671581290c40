#include "session/read_changes.h"

#include <QCoreApplication>

#include "session/language.h"

namespace foalix::session {

using savedata::Trend;
using savedata::ValueChange;

namespace {

// What a value's mark says, with its old value.
const char* noteOf(Trend trend);

}  // namespace

Mark markOf(Trend trend) {
    switch (trend) {
        case Trend::Better:
            return Mark::Better;
        case Trend::Worse:
            return Mark::Worse;
        case Trend::Neither:
            break;
    }
    return Mark::Changed;
}

QString changeNote(Trend trend, const QString& was) {
    return QCoreApplication::translate("ReadChanges", noteOf(trend)).arg(was);
}

namespace {

const char* noteOf(Trend trend) {
    switch (trend) {
        case Trend::Better:
            return QT_TRANSLATE_NOOP("ReadChanges", "▲ better: was %1");
        case Trend::Worse:
            return QT_TRANSLATE_NOOP("ReadChanges", "▼ worse: was %1");
        case Trend::Neither:
            break;
    }
    return QT_TRANSLATE_NOOP("ReadChanges", "◆ changed: was %1");
}

}  // namespace

QString markText(Mark mark) {
    switch (mark) {
        case Mark::New:
            return QStringLiteral("新");
        case Mark::Better:
            return QString::fromUtf8(savedata::trendMark(Trend::Better));
        case Mark::Worse:
            return QString::fromUtf8(savedata::trendMark(Trend::Worse));
        case Mark::Changed:
            return QString::fromUtf8(savedata::trendMark(Trend::Neither));
        case Mark::None:
            break;
    }
    return {};
}

ReadChanges::ReadChanges(savedata::RosterDiff diff, QDateTime since)
    : diff_(std::move(diff)), since_(std::move(since)) {}

const ValueChange* ReadChanges::change(int record, const savedata::HorseField& field) const {
    for (const ValueChange& change : diff_.changed) {
        if (change.row == record && change.field == &field) {
            return &change;
        }
    }
    return nullptr;
}

Mark ReadChanges::foalMark(int record) const {
    if (isNew(record)) {
        return Mark::New;
    }
    bool better = false;
    bool worse = false;
    bool any = false;
    for (const ValueChange& change : diff_.changed) {
        if (change.row == record) {
            any = true;
            better |= change.trend == Trend::Better;
            worse |= change.trend == Trend::Worse;
        }
    }
    if (!any) {
        return Mark::None;
    }
    return better == worse ? Mark::Changed : better ? Mark::Better : Mark::Worse;
}

QString ReadChanges::foalNote(int record) const {
    if (isNew(record)) {
        return QCoreApplication::translate("ReadChanges", "新: new since %1")
            .arg(shortTime(since_, false));
    }
    QStringList notes;
    for (const ValueChange& change : diff_.changed) {
        if (change.row == record) {
            notes << QString("%1 %2 %3→%4")
                         .arg(markText(markOf(change.trend)),
                              QCoreApplication::translate("HorseField", change.field->caption)
                                  .trimmed(),
                              QString::fromStdString(change.old),
                              QString::fromStdString(change.now));
        }
    }
    return notes.join('\n');
}

Mark ReadChanges::valueMark(int record, const savedata::HorseField& field) const {
    const ValueChange* found = change(record, field);
    return found ? markOf(found->trend) : Mark::None;
}

QString ReadChanges::valueNote(int record, const savedata::HorseField& field) const {
    const ValueChange* found = change(record, field);
    return found ? changeNote(found->trend, QString::fromStdString(found->old)) : QString();
}

std::optional<ReadChanges::Summary> ReadChanges::summaryParts() const {
    if (!since_.isValid()) {
        return std::nullopt;
    }
    const bool today = since_.date() == QDate::currentDate();
    const auto count = [](const auto& changes) { return static_cast<int>(changes.size()); };
    return Summary{
        shortTime(since_, !today),
        QCoreApplication::translate("ReadChanges", "%n new", nullptr, count(diff_.added)),
        QCoreApplication::translate("ReadChanges", "%n gone", nullptr, count(diff_.removed)),
        QCoreApplication::translate("ReadChanges", "%n values changed", nullptr,
                                    count(diff_.changed))};
}

QString ReadChanges::summaryPattern() {
    return QCoreApplication::translate("ReadChanges", "Since %1: %2, %3, %4",
                                       "when, the new foals, the gone, the values");
}

QString ReadChanges::summary() const {
    const auto parts = summaryParts();
    return parts ? summaryPattern().arg(parts->since, parts->added, parts->gone, parts->values)
                 : QString();
}

}  // namespace foalix::session
