// A Wine prefix of the test's own, named by $WINEPREFIX, where the window looks for the
// game's folders.
#pragma once

#include <QDir>
#include <QTemporaryDir>

namespace foalix::testing {

class TestWinePrefix {
  public:
    TestWinePrefix() { qputenv("WINEPREFIX", dir_.path().toUtf8()); }

    QString path() const { return dir_.path(); }
    QString programFiles() const { return path() + "/drive_c/Program Files"; }
    QString saveFolder() const { return programFiles() + "/Vantrel/Galvaro/SAVEDATA"; }
    // Creates the game's save folder and returns it.
    QString makeSaveFolder() const {
        QDir().mkpath(saveFolder());
        return saveFolder();
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace foalix::testing
