#include "session/read_changes.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <map>

#include "session/language.h"

namespace foalix::session {

using savedata::Trend;
using savedata::ValueChange;

namespace {

constexpr const char* kNewMark = "新";

// A change's mark, and what it says with the old value.
std::pair<const char*, const char*> trendTexts(Trend trend) {
    switch (trend) {
        case Trend::Better:
            return {"▲", QT_TRANSLATE_NOOP("ReadChanges", "▲ better: was %1")};
        case Trend::Worse:
            return {"▼", QT_TRANSLATE_NOOP("ReadChanges", "▼ worse: was %1")};
        case Trend::Neither:
            break;
    }
    return {"◆", QT_TRANSLATE_NOOP("ReadChanges", "◆ changed: was %1")};
}

const char* trendMark(Trend trend) {
    return trendTexts(trend).first;
}

QString translated(const char* text) {
    return QCoreApplication::translate("ReadChanges", text);
}

// A mark drawn as an icon, so the value beside it stays the cell's text (sorting,
// copying and exporting read the text). ◆ takes the palette's text colour: an icon is
// drawn once per mark and colour, so a change of theme draws it anew.
QIcon markIcon(const char* mark) {
    const QString text = QString::fromUtf8(mark);
    const QColor colour = text == "▲"        ? QColor(0, 140, 60)
                          : text == "▼"      ? QColor(200, 30, 30)
                          : text == kNewMark ? QColor(20, 90, 200)
                                             : QGuiApplication::palette().color(QPalette::Text);
    static std::map<std::pair<QString, QRgb>, QIcon> icons;
    QIcon& icon = icons[{text, colour.rgba()}];
    if (icon.isNull()) {
        QFont font = QGuiApplication::font();
        const int size = QFontMetrics(font).height();
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
        painter.end();
        icon = QIcon(pixmap);
    }
    return icon;
}

}  // namespace

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

QIcon ReadChanges::foalMark(int record) const {
    if (isNew(record)) {
        return markIcon(kNewMark);
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
        return {};
    }
    return markIcon(better == worse ? "◆" : better ? "▲" : "▼");
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
                         .arg(QString::fromUtf8(trendMark(change.trend)),
                              QCoreApplication::translate("HorseField", change.field->caption)
                                  .trimmed(),
                              QString::fromStdString(change.old),
                              QString::fromStdString(change.now));
        }
    }
    return notes.join('\n');
}

QIcon ReadChanges::valueMark(int record, const savedata::HorseField& field) const {
    const ValueChange* found = change(record, field);
    return found ? markIcon(trendMark(found->trend)) : QIcon();
}

QString ReadChanges::valueNote(int record, const savedata::HorseField& field) const {
    const ValueChange* found = change(record, field);
    return found
               ? translated(trendTexts(found->trend).second).arg(QString::fromStdString(found->old))
               : QString();
}

QString ReadChanges::summary(bool goneLink) const {
    if (!since_.isValid()) {
        return {};
    }
    const bool today = since_.date() == QDate::currentDate();
    const auto count = [](const auto& changes) { return static_cast<int>(changes.size()); };
    QString gone =
        QCoreApplication::translate("ReadChanges", "%n gone", nullptr, count(diff_.removed));
    if (goneLink) {
        gone = gone.toHtmlEscaped();
        if (!diff_.removed.empty()) {
            gone = QString("<a href=\"gone\">%1</a>").arg(gone);
        }
    }
    const auto escaped = [goneLink](QString text) {
        return goneLink ? text.toHtmlEscaped() : text;
    };
    return escaped(QCoreApplication::translate("ReadChanges", "Since %1: %2, %3, %4",
                                               "when, the new foals, the gone, the values"))
        .arg(escaped(shortTime(since_, !today)),
             escaped(
                 QCoreApplication::translate("ReadChanges", "%n new", nullptr, count(diff_.added))),
             gone,
             escaped(QCoreApplication::translate("ReadChanges", "%n values changed", nullptr,
                                                 count(diff_.changed))));
}

}  // namespace foalix::session
