#include "ui/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace foalix::ui {

void centreOnScreen(QWidget* window) {
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    window->move(frame.topLeft());
}

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace foalix::ui
