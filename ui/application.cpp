#include "ui/application.h"

#include <QApplication>
#include <QIcon>

namespace foalix::ui {

void prepareApplication() {
    QApplication::setApplicationName("foalix");
    QApplication::setApplicationVersion(FOALIX_VERSION);
    QGuiApplication::setDesktopFileName("foalix");
    QApplication::setWindowIcon(QIcon(":/icons/foalix-32.png"));
}

}  // namespace foalix::ui
