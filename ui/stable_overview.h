// The stable at a glance (View → Stable Overview): for each of the fourteen fields, how many
// of the listed foals hold each of its values, a bar each drawn as long as its share with
// its count written on it, and the scores' spread by tens under the profile in use. It
// follows every load and the age boxes. A click on a bar asks for the roster table filtered
// to those foals, the condition written in the table's filter box where the player sees it
// and can change it. A screen reader hears each bar as "芝適 A: 7 of 27". Save Image… keeps
// it as a picture.
#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;

namespace foalix::session {
class RosterSession;
}
namespace foalix::savedata {
struct Overview;
}

namespace foalix::ui {

// One value's count among the foals listed.
class OverviewBar : public QAbstractButton {
    Q_OBJECT

  public:
    explicit OverviewBar(QWidget* parent);
    // `value` held by `count` of `of` foals, tinted `tint` (none: the palette's).
    void setCount(const QString& value, int count, int of, const QVariant& tint);
    int count() const { return count_; }
    QSize sizeHint() const override;
    // Never narrower than its value and count: the window grows instead of cutting a bar.
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString value_;
    int count_ = 0;
    int of_ = 0;
    QVariant tint_;
};

class StableOverview : public QWidget {
    Q_OBJECT

  public:
    StableOverview(session::RosterSession& session, QWidget* owner);

    // The bars, each named by what it counts ("芝適 A: 7 of 27").
    std::vector<OverviewBar*> bars() const;
    bool saveImage(const QString& path);

  signals:
    // The player clicked a bar: the roster table filtered by `condition`.
    void filterAsked(const QString& condition);

  protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void showOverview();
    template <typename AddRow>
    void showScores(const savedata::Overview& overview, int row, const AddRow& addRow);
    void retranslate();

    session::RosterSession& session_;
    QWidget* picture_;
    QGridLayout* grid_;
    QLabel* summary_;
    QPushButton* saveImage_;
};

}  // namespace foalix::ui
