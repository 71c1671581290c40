// What the program sets once its application exists, before any window: its name and
// version (where the settings and history live), its desktop entry, its window icon and
// the interface's language kept in `settings`.
#pragma once

namespace foalix::session {
class Settings;
}

namespace foalix::ui {

// The icon is drawn in PNGs, which Qt reads without a plugin: an SVG would have Qt load
// and ask every image-format plugin at start-up, for a window icon 16 or 32 pixels wide.
void prepareApplication(const session::Settings& settings);

}  // namespace foalix::ui
