// foalix: the window. Reads the game's save slots, never writes them.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "platform/platform.h"
#include "session/roster_session.h"
#include "session/settings.h"
#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
    // Answered before the application starts, so that it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "foalix " FOALIX_VERSION "\n";
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << "Usage: foalix [Qt options]\n"
                     "The Foalix window: the foals of one Galvaro save slot. See foalix(1).\n"
                     "  --version  print the version and exit\n";
        return 0;
    }
    // The icons are compiled into the window library; link them in.
    Q_INIT_RESOURCE(foalix);
    QApplication app(argc, argv);
    foalix::ui::prepareApplication(
        foalix::session::Settings(foalix::platform::systemPlatform().settings));

    foalix::ui::MainWindow frmRK5(foalix::platform::systemPlatform(),
                                  foalix::session::defaultHistoryFolder());
    frmRK5.Form_Load();
    frmRK5.showCentred();
    return QApplication::exec();
}
