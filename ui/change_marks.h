// How the marks of what changed look: each drawn as an icon in its colour (新 blue, ▲ green,
// ▼ red, ◆ in the palette's text colour), so the value beside it stays the cell's text
// (sorting, copying and exporting read the text).
#pragma once

#include <QIcon>

#include "session/read_changes.h"

namespace foalix::ui {

// The icon of `mark`, in the colours of the palette in use; none for Mark::None.
QIcon markIcon(session::Mark mark);

}  // namespace foalix::ui
