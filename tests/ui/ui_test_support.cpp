#include "tests/ui/ui_test_support.h"

namespace foalix::testing {

void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, deadline = QDeadlineTimer(60000)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr || deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (modal != nullptr) {
                act(modal);
            }
        }
    });
    timer->start(10);
}

int offCentre(const QWidget* window) {
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    return (window->geometry().center() - screen).manhattanLength();
}

}  // namespace foalix::testing
