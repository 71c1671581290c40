#include "ui/fonts.h"

#include <QStringList>

namespace foalix::ui {
namespace {

QFont font(const QStringList& families) {
    QFont f;
    f.setFamilies(families);
    f.setPointSize(9);
    f.setWeight(QFont::Normal);
    f.setStyleStrategy(QFont::PreferMatch);
    return f;
}

}  // namespace

QFont captionFont() {
    return font({"新細明體", "PMingLiU", "AR PL UMing TW", "AR PL UMing HK"});
}

QFont nameFont() {
    return font({"MS Gothic", "ＭＳ ゴシック", "IPAGothic", "IPAゴシック"});
}

}  // namespace foalix::ui
