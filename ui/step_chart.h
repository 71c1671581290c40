// A foal's graded values over the kept reads: a row per graded field, its caption at the
// left, a line that steps up or down at the read where the value moved, each value written
// where its step begins. Drawn with QPainter in the palette in use; its text alternative is
// the table of reads beside it.
#pragma once

#include <QWidget>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::ui {

class StepChart : public QWidget {
    Q_OBJECT

  public:
    explicit StepChart(QWidget* parent = nullptr);
    // The foal's values at each read, oldest first.
    void setReads(std::vector<savedata::HorseEntry> reads);

    // The line of `field`: each step's read (where it begins) and height (0 worst, 1 best on
    // the field's own scale); a value off its scale makes no step.
    std::vector<std::pair<int, double>> steps(const savedata::HorseField& field) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<savedata::HorseEntry> reads_;
};

}  // namespace foalix::ui
