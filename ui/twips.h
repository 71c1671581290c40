// The windows are laid out in twips, as the game's tools always were: 1440 to the
// inch, so 15 twips are one pixel at 96 dpi. Qt's device-independent pixels are 96
// to the inch, so high-DPI screens scale the whole layout alike.
#pragma once

#include <QRect>
#include <QSize>

namespace foalix::ui {

constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return (value + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

inline QSize twipsSize(int width, int height) {
    return {twips(width), twips(height)};
}

}  // namespace foalix::ui
