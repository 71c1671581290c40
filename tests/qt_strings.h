// Qt's texts in tests: printed as text in failures, and joined from a range.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace foalix::testing {

// The texts `text(i)` gives for i from `from` up to `end`, joined by `separator`.
template <typename F>
QString joined(int from, int end, F text, QChar separator = ' ') {
    QStringList texts;
    for (int i = from; i < end; ++i) {
        texts << text(i);
    }
    return texts.join(separator);
}

}  // namespace foalix::testing
