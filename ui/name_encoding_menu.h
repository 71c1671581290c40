// View → Name Encoding: how the names of a roster are read — detected per roster
// (Automatic), or always as Shift-JIS or Big5. The choice is kept in the settings store,
// section "Setting", key "NameEncoding" ("auto", "shift-jis" or "big5").
#pragma once

#include <functional>

#include "platform/platform.h"
#include "savedata/names.h"

class QMenu;
class QWidget;

namespace foalix::ui {

// The kept choice; a value that is absent or unknown reads as Automatic.
savedata::NameEncodingChoice storedNameEncoding(const platform::SettingsStore& settings);

// Adds the submenu to `view`, its choices radio-style with the kept one on. Choosing one
// keeps it (a store that fails is reported) and then calls `changed`.
QMenu* addNameEncodingMenu(QMenu* view, platform::Platform& platform, QWidget* owner,
                           std::function<void()> changed);

}  // namespace foalix::ui
