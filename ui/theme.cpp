#include "ui/theme.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace foalix::ui {
namespace {

bool dark = false;

// The outline of check boxes and slot buttons in the dark look: 3.6:1 against its window.
const QColor kIndicatorOutline(0x8A, 0x8A, 0x8A);

// What the platform gave the program, kept before the first change.
struct PlatformLook {
    QString style = QApplication::style()->name();
    QPalette palette = QApplication::palette();
};

const PlatformLook& platformLook() {
    static const PlatformLook look;
    return look;
}

// Fusion outlines the check boxes and slot buttons in a shade of the window's colour, so
// on a dark window a box or circle does not show where it is; a light outline does.
class DarkStyle : public QProxyStyle {
  public:
    DarkStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox) {
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(kIndicatorOutline, 1.2));
        painter->setBrush(Qt::NoBrush);
        const QRectF box = QRectF(option->rect).adjusted(1, 1, -1, -1);
        if (element == PE_IndicatorRadioButton) {
            painter->drawEllipse(box);
        } else {
            painter->drawRect(box);
        }
        painter->restore();
    }
};

}  // namespace

QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x24, 0x24, 0x24);
    const QColor text(0xEE, 0xEE, 0xEE);
    const QColor disabledText(0x80, 0x80, 0x80);
    QPalette palette(window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xFF, 0x60, 0x60));
    palette.setColor(QPalette::Link, QColor(0x6A, 0xB0, 0xFF));
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x6F, 0xB8));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    return palette;
}

void applyTheme(bool on) {
    const PlatformLook& platform = platformLook();
    if (on == dark) {
        return;
    }
    dark = on;
    if (on) {
        QApplication::setStyle(new DarkStyle);
        QApplication::setPalette(darkPalette());
    } else {
        QApplication::setStyle(platform.style);
        QApplication::setPalette(platform.palette);
    }
}

bool darkThemeOn() {
    return dark;
}

QColor lockedBoxColour() {
    // The platform may give the menu bar a palette of its own, made for its light look.
    return dark ? QApplication::palette().color(QPalette::Window)
                : QApplication::palette("QMenuBar").color(QPalette::Window);
}

}  // namespace foalix::ui
