#include "ui/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace foalix::ui {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

QLayoutItem* FlowLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::sizeHint() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            const QSize hint = item->sizeHint();
            size.rwidth() += (size.width() > 0 ? spacing() : 0) + hint.width();
            size.setHeight(std::max(size.height(), hint.height()));
        }
    }
    return size.grownBy(contentsMargins());
}

QSize FlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            size = size.expandedTo(item->minimumSize());
        }
    }
    return size.grownBy(contentsMargins());
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool move) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : items_) {
        if (!item->isEmpty()) {
            shown.append(item);
        }
    }
    // Each item at its preferred width, but no wider than the line.
    const auto widthOf = [&area](const QLayoutItem* item) {
        return std::min(item->sizeHint().width(), area.width());
    };
    int top = area.top();
    for (qsizetype first = 0; first < shown.size();) {
        // As many items as the width holds, one at least.
        qsizetype end = first;
        int used = 0;
        int height = 0;
        while (end < shown.size()) {
            const int needed = used + (end > first ? gap : 0) + widthOf(shown[end]);
            if (end > first && needed > area.width()) {
                break;
            }
            used = needed;
            height = std::max(height, shown[end]->sizeHint().height());
            ++end;
        }
        if (move) {
            // The spare room shared between the gaps, the first of them a pixel wider
            // while some is left, so the last item ends at the line's end.
            const int gaps = static_cast<int>(end - first - 1);
            const int spare = gaps > 0 ? std::max(0, area.width() - used) : 0;
            int left = area.left();
            for (qsizetype i = first; i < end; ++i) {
                const int wide = widthOf(shown[i]);
                shown[i]->setGeometry(QRect(left, top, wide, height));
                const int after = static_cast<int>(i - first);
                left += wide + gap + (gaps > 0 ? spare / gaps + (after < spare % gaps ? 1 : 0) : 0);
            }
        }
        top += height + (end < shown.size() ? gap : 0);
        first = end;
    }
    return top - area.top() + contentsMargins().top() + contentsMargins().bottom();
}

}  // namespace foalix::ui
