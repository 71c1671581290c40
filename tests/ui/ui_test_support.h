// Helpers for window tests: acting on the next modal window, finding controls.
#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <functional>
#include <ostream>

// Texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace foalix::testing {

// Calls `act` with the next modal window as soon as one is shown (within 5 s), from
// the event loop that shows it.
void whenModal(std::function<void(QWidget*)> act);

// The control `name` of `parent`; fails the test when there is none.
template <typename T>
T* control(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

}  // namespace foalix::testing
