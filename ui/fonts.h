// The two fonts of the windows, each with faces that stand in for it where it is not
// installed, so every Chinese and Japanese character has a glyph.
#pragma once

#include <QFont>

namespace foalix::ui {

// "新細明體" 9 pt, a Ming face for the Traditional Chinese captions; in the Japanese
// interface a Japanese gothic face, in the English one a sans face, each with the Ming
// face behind it for any character it lacks.
QFont captionFont();

// "MS Gothic" 9 pt, a Japanese gothic face for horse names and paths.
QFont nameFont();

}  // namespace foalix::ui
