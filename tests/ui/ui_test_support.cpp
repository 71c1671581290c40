#include "tests/ui/ui_test_support.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

namespace foalix::testing {

void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && clock->elapsed() < 5000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (modal != nullptr) {
            act(modal);
        }
    });
    timer->start(10);
}

int offCentre(const QWidget* window) {
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    return (window->geometry().center() - screen).manhattanLength();
}

}  // namespace foalix::testing
