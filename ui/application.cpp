#include "ui/application.h"

#include <QApplication>
#include <QIcon>

namespace foalix::ui {

void prepareApplication() {
    QApplication::setApplicationName("foalix");
    QApplication::setApplicationVersion(FOALIX_VERSION);
    QGuiApplication::setDesktopFileName("foalix");
    QIcon icon;
    icon.addFile(":/icons/foalix-16.png", QSize(16, 16));
    icon.addFile(":/icons/foalix-32.png", QSize(32, 32));
    QApplication::setWindowIcon(icon);
}

}  // namespace foalix::ui
