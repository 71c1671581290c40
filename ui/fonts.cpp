#include "ui/fonts.h"

#include <QStringList>

#include "session/language.h"

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
    const QStringList ming{"新細明體", "PMingLiU", "AR PL UMing TW", "AR PL UMing HK"};
    switch (session::installedLanguage()) {
        case session::Language::Japanese:
            // Kanji in their Japanese forms, kana set as Japanese text is.
            return font(QStringList{"MS UI Gothic", "Meiryo UI", "IPAGothic", "IPAゴシック"} +
                        ming);
        case session::Language::English:
            return font(QStringList{"Segoe UI", "DejaVu Sans", "Liberation Sans"} + ming);
        default:
            return font(ming);
    }
}

QFont nameFont() {
    return font({"MS Gothic", "ＭＳ ゴシック", "IPAGothic", "IPAゴシック"});
}

}  // namespace foalix::ui
