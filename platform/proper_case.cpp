#include "platform/proper_case.h"

namespace foalix::platform {
namespace {

bool startsWord(QChar previous) {
    switch (previous.unicode()) {
        case u' ':
        case u'\0':
        case u'\t':
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
            return true;
        default:
            return false;
    }
}

}  // namespace

QString properCase(const QString& text) {
    QString result = text.toLower();
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (i == 0 || startsWord(text.at(i - 1))) {
            result[i] = result.at(i).toUpper();
        }
    }
    return result;
}

}  // namespace foalix::platform
