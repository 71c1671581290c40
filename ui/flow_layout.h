// A layout that puts its items side by side while the width holds them and goes on in a
// new line when it does not: a bar of several groups stays within a narrow window (a small
// screen, large fonts, a long translation) instead of widening it. A line with room to
// spare spreads it between its items, so its first item keeps to the left, its last to
// the right.
#pragma once

#include <QLayout>
#include <QList>

namespace foalix::ui {

class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // One line holding every item.
    QSize sizeHint() const override;
    // The widest item: narrower than that, an item would be cut.
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

  private:
    // Places the items within `rect` (moving them when `move`); the height they take.
    int arrange(const QRect& rect, bool move) const;

    QList<QLayoutItem*> items_;
};

}  // namespace foalix::ui
