// Window tests run headless. A modal window that no test answers within 5 s is a
// failure and is closed, so a test never waits on it forever.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(foalix);
    QApplication app(argc, argv);
    QWidget* waiting = nullptr;
    int seconds = 0;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        seconds = modal != nullptr && modal == waiting ? seconds + 1 : 0;
        waiting = modal;
        if (seconds >= 5) {
            ADD_FAILURE() << "a modal window nobody answered: "
                          << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(1000);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
