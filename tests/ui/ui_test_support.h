// Helpers for window tests: acting on the next modal window, finding controls, reading
// lists.
#pragma once

#include <QtWidgets>
#include <functional>

#include "tests/qt_strings.h"

namespace foalix::testing {

// Calls `act` with the next modal window as soon as one is shown (within a minute: a first
// file dialog reads the MIME database, which takes seconds on a loaded machine), from
// the event loop that shows it.
void whenModal(std::function<void(QWidget*)> act);

// How far the centre of `window` lies from the centre of the screen, in pixels.
int offCentre(const QWidget* window);

// The control `name` of `parent`; ends the tests when there is none.
template <typename T>
T* control(QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

// The action of `window` whose text is `text`; ends the tests when there is none.
inline QAction* action(QWidget* window, const QString& text) {
    for (QAction* candidate : window->findChildren<QAction*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    qFatal("no action %s", qPrintable(text));
}

}  // namespace foalix::testing
