// How long the program takes from the start of main until its window is on the screen,
// against a bare Qt window that shows the same two fonts: what Qt itself costs is the
// floor. One start per run, so each run is a fresh process:
//
//   foalix_startup_bench foalix|bare
//   foalix_startup_bench full-history FILE    (writes a long-time player's history)
//
// prints two times in milliseconds: when the display maps the window (its first expose
// event arrives) and when the window has painted itself. bench/startup.sh runs both forms
// many times, alternating.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>

#include "bench/full_history.h"
#include "platform/platform.h"
#include "session/roster_session.h"
#include "session/settings.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/screen_centre.h"

namespace {

// A window with a caption and a name in the window's two fonts.
std::unique_ptr<QWidget> bareWindow() {
    auto window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    auto* caption = new QLabel("實行 素質：ＳＰ：", window.get());
    caption->setFont(foalix::ui::captionFont());
    auto* name = new QLabel("ハヤテノカゼ", window.get());
    name->setFont(foalix::ui::nameFont());
    layout->addWidget(caption);
    layout->addWidget(name);
    foalix::ui::centreOnScreen(window.get());
    window->show();
    return window;
}

// Notes the arrival of the window's expose events, before the window paints.
class MappedWatch : public QObject {
  public:
    explicit MappedWatch(std::function<void()> seen) : seen_(std::move(seen)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            seen_();
        }
        return false;
    }

  private:
    std::function<void()> seen_;
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    if (argc == 3 && std::strcmp(argv[1], "full-history") == 0) {
        foalix::bench::writeHistory(argv[2], true);
        return 0;
    }
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    Q_INIT_RESOURCE(foalix);
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (bare) {
        window = bareWindow();
    } else {
        foalix::ui::prepareApplication(
            foalix::session::Settings(foalix::platform::systemPlatform().settings));
        auto frmRK5 = std::make_unique<foalix::ui::MainWindow>(
            foalix::platform::systemPlatform(), foalix::session::defaultHistoryFolder());
        frmRK5->Form_Load();
        frmRK5->showCentred();
        window = std::move(frmRK5);
    }
    qint64 mapped = 0;
    MappedWatch watch([&] { mapped = mapped ? mapped : clock.nsecsElapsed(); });
    window->windowHandle()->installEventFilter(&watch);
    while (!window->windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::cout << mapped / 1e6 << ' ' << clock.nsecsElapsed() / 1e6 << '\n';
    return 0;
}
