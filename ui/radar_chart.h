// A radar chart of foals' graded values: an axis per graded field (grade, speed, stamina,
// strength, guts, burst, turf, dirt, spirit, wits), its scale D at the centre up to S at
// the rim, and one coloured outline per foal with a legend of names. Drawn with QPainter
// in the palette in use; its text alternative is the comparison table beside it.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::ui {

class RadarChart : public QWidget {
    Q_OBJECT

  public:
    struct Foal {
        QString name;
        savedata::HorseEntry values;
        bool gone = false;  // left the roster since it was chosen: drawn dashed and grey
    };

    explicit RadarChart(QWidget* parent = nullptr);
    void setFoals(std::vector<Foal> foals);

    // The fields on the axes, clockwise from the top.
    static std::vector<const savedata::HorseField*> axes();
    // The colour of the `index`th foal's outline: distinct, and 3:1 against both palettes'
    // backgrounds.
    static QColor colourOf(std::size_t index);
    // The points of foal `index`'s outline in this widget, one per axis (for its tests).
    std::vector<QPointF> outline(std::size_t index) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointF centre() const;
    double radius() const;
    QPointF pointOn(std::size_t axis, double fraction) const;

    std::vector<Foal> foals_;
};

}  // namespace foalix::ui
