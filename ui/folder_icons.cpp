#include "ui/folder_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace foalix::ui {

namespace {

// The picture drawn on a 16-unit grid, at `scale` device pixels a unit.
QPixmap folderPixmap(bool opened, bool holdsSaves, int scale) {
    constexpr int kSize = 16;
    const QColor paper(0xE8, 0xC0, 0x4A);
    const QColor edge(0x8A, 0x6A, 0x18);
    QPixmap pixmap(kSize * scale, kSize * scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(QPen(edge, 1));
    // The back with its tab.
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.5, 3.5);
    back.lineTo(7.5, 5.5);
    back.lineTo(13.5, 5.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    painter.setBrush(paper.darker(115));
    painter.drawPath(back);
    // The front: flat when closed, tilted open with the inside showing when opened.
    QPainterPath front;
    if (opened) {
        front.moveTo(4.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(12.5, 13.5);
        front.lineTo(1.5, 13.5);
    } else {
        front.addRect(QRectF(1.5, 6.5, 12, 7));
    }
    front.closeSubpath();
    painter.setBrush(paper);
    painter.drawPath(front);
    if (holdsSaves) {
        // A green disc with a light centre, like a saved game's token.
        painter.setPen(QPen(QColor(0x1E, 0x6B, 0x2E), 1));
        painter.setBrush(QColor(0x3C, 0xB0, 0x4E));
        painter.drawEllipse(QRectF(8.5, 8.5, 7, 7));
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(11, 11, 2, 2));
    }
    painter.end();
    return pixmap;
}

}  // namespace

// Drawn again for each scale, so the lines stay sharp at 150% and 200% (and 300%).
QIcon folderIcon(bool opened, bool holdsSaves) {
    QIcon icon;
    for (int scale = 1; scale <= 3; ++scale) {
        icon.addPixmap(folderPixmap(opened, holdsSaves, scale));
    }
    return icon;
}

}  // namespace foalix::ui
