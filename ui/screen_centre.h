// Placing a window: in the middle of the screen (Qt centres a dialog over its owner, which
// lands near the top left while the owner is not shown yet, at start-up), or on top.
#pragma once

class QWidget;

namespace foalix::ui {

// Moves the top-level `window` so its frame's centre is the primary screen's.
void centreOnScreen(QWidget* window);
// Shows `window` on top of the others, active.
void bringUp(QWidget* window);
// The same for the window kept in `window`, which `make` makes the first time.
template <typename Window, typename Make>
Window* bringUp(Window*& window, Make make) {
    window = window != nullptr ? window : make();
    bringUp(static_cast<QWidget*>(window));
    return window;
}

}  // namespace foalix::ui
