// What the program sets once its application exists, before any window: its name and
// version (where the settings and history live), its desktop entry and its window icon.
#pragma once

namespace foalix::ui {

// The icon is drawn in PNGs, which Qt reads without a plugin: an SVG would have Qt load
// and ask every image-format plugin at start-up, for a window icon 16 or 32 pixels wide.
void prepareApplication();

}  // namespace foalix::ui
