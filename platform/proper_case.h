// Proper case, as the path box shows folders where file names ignore case.
#pragma once

#include <QString>

namespace foalix::platform {

// Every letter in lower case but the first character and each character after a
// blank (space, NUL, tab, line feed, vertical tab, form feed, carriage return), which
// go to upper case: "C:\Program Files" gives "C:\program Files".
QString properCase(const QString& text);

}  // namespace foalix::platform
