#include "ui/application.h"

#include <QApplication>
#include <QIcon>

#include "session/language.h"
#include "session/settings.h"

namespace foalix::ui {

void prepareApplication(const session::Settings& settings) {
    QApplication::setApplicationName("foalix");
    QApplication::setApplicationVersion(FOALIX_VERSION);
    QGuiApplication::setDesktopFileName("foalix");
    QIcon icon;
    icon.addFile(":/icons/foalix-16.png", QSize(16, 16));
    icon.addFile(":/icons/foalix-32.png", QSize(32, 32));
    QApplication::setWindowIcon(icon);
    session::installLanguage(session::languageOf(settings.get(session::setting::language)));
}

}  // namespace foalix::ui
