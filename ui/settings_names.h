// Where the windows keep what they remember in the settings store: every section and key
// in one place, since a stored name, once shipped, can never change.
#pragma once

namespace foalix::ui::settings_names {

// The save folder and the name encoding, where they have always been.
inline constexpr const char* kSetting = "Setting";
inline constexpr const char* kRK5Path = "RK5Path";
// "auto", "shift-jis" or "big5".
inline constexpr const char* kNameEncoding = "NameEncoding";

// The look chosen in the View menu: "1" dark, anything else the platform's.
inline constexpr const char* kView = "View";
inline constexpr const char* kDarkTheme = "DarkTheme";

// The roster table: Qt's saveGeometry and the header's saveState as base64 text, and the
// folder of the last export.
inline constexpr const char* kRosterTable = "RosterTable";
inline constexpr const char* kGeometry = "Geometry";
inline constexpr const char* kHeader = "Header";
inline constexpr const char* kExportFolder = "ExportFolder";

}  // namespace foalix::ui::settings_names
