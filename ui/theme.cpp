#include "ui/theme.h"

#include <QApplication>
#include <QStyle>

namespace foalix::ui {
namespace {

bool dark = false;

// What the platform gave the program, kept before the first change.
struct PlatformLook {
    QString style = QApplication::style()->name();
    QPalette palette = QApplication::palette();
};

const PlatformLook& platformLook() {
    static const PlatformLook look;
    return look;
}

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
        QApplication::setStyle("Fusion");
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
