#include "ui/change_marks.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <map>

namespace foalix::ui {

using session::Mark;

// An icon is drawn once per mark and colour, so a change of theme draws ◆ anew.
QIcon markIcon(Mark mark) {
    if (mark == Mark::None) {
        return {};
    }
    const QColor colour = mark == Mark::Better  ? QColor(0, 140, 60)
                          : mark == Mark::Worse ? QColor(200, 30, 30)
                          : mark == Mark::New   ? QColor(20, 90, 200)
                                                : QGuiApplication::palette().color(QPalette::Text);
    static std::map<std::pair<Mark, QRgb>, QIcon> icons;
    QIcon& icon = icons[{mark, colour.rgba()}];
    if (icon.isNull()) {
        QFont font = QGuiApplication::font();
        const int size = QFontMetrics(font).height();
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(pixmap.rect(), Qt::AlignCenter, session::markText(mark));
        painter.end();
        icon = QIcon(pixmap);
    }
    return icon;
}

}  // namespace foalix::ui
