#include "ui/radar_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>

#include "session/roster_model.h"

namespace foalix::ui {
namespace {

constexpr int kRings = 5;  // D C B A S
constexpr int kLegendRow = 18;

}  // namespace

RadarChart::RadarChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chtRadar");
    setMinimumSize(320, 300);
}

std::vector<const savedata::HorseField*> RadarChart::axes() {
    std::vector<const savedata::HorseField*> graded;
    for (const savedata::HorseField& field : savedata::kHorseFields) {
        if (field.scale.graded) {
            graded.push_back(&field);
        }
    }
    return graded;
}

QColor RadarChart::colourOf(std::size_t index) {
    // Blue, orange, green, magenta: told apart with most kinds of colour blindness too.
    static const std::array<QColor, 4> kColours{QColor(0x1F, 0x77, 0xD4), QColor(0xE0, 0x6C, 0x00),
                                                QColor(0x1E, 0x9E, 0x3A), QColor(0xC0, 0x39, 0xB0)};
    return kColours[index % kColours.size()];
}

void RadarChart::setFoals(std::vector<Foal> foals) {
    foals_ = std::move(foals);
    update();
}

QSize RadarChart::sizeHint() const {
    return {420, 400};
}

QPointF RadarChart::centre() const {
    const int legend = kLegendRow * static_cast<int>(foals_.size());
    return {width() / 2.0, (height() - legend) / 2.0};
}

double RadarChart::radius() const {
    const int legend = kLegendRow * static_cast<int>(foals_.size());
    // Room around the rim for the axes' captions.
    return std::max(10.0, std::min(width(), height() - legend) / 2.0 - 44);
}

QPointF RadarChart::pointOn(std::size_t axis, double fraction) const {
    const double angle = -M_PI / 2 + 2 * M_PI * static_cast<double>(axis) / axes().size();
    return centre() + QPointF(std::cos(angle), std::sin(angle)) * radius() * fraction;
}

std::vector<QPointF> RadarChart::outline(std::size_t index) const {
    std::vector<QPointF> points;
    const auto fields = axes();
    for (std::size_t axis = 0; axis < fields.size(); ++axis) {
        // On the rings of the letters, D to S, whichever letters the value's own scale has.
        const int rank = savedata::kGradeScale.rank(foals_.at(index).values.*fields[axis]->member);
        points.push_back(pointOn(axis, static_cast<double>(rank) / kRings));
    }
    return points;
}

void RadarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor grid = palette().color(QPalette::Mid);
    const auto fields = axes();
    // The rings, one per grade, labelled on the upward axis.
    painter.setPen(QPen(grid, 1));
    for (int ring = 1; ring <= kRings; ++ring) {
        QPolygonF polygon;
        for (std::size_t axis = 0; axis < fields.size(); ++axis) {
            polygon << pointOn(axis, static_cast<double>(ring) / kRings);
        }
        painter.drawPolygon(polygon);
        painter.setPen(text);
        const std::string_view grade = savedata::kGradeValues[ring - 1];
        painter.drawText(pointOn(0, static_cast<double>(ring) / kRings) + QPointF(4, 4),
                         QString::fromUtf8(grade.data(), static_cast<qsizetype>(grade.size())));
        painter.setPen(QPen(grid, 1));
    }
    // The axes and their captions.
    for (std::size_t axis = 0; axis < fields.size(); ++axis) {
        painter.setPen(QPen(grid, 1));
        painter.drawLine(centre(), pointOn(axis, 1));
        const QPointF at = pointOn(axis, 1.18);
        const QString name = session::RosterModel::captionOf(*fields[axis]);
        const QRectF box(at.x() - 40, at.y() - 9, 80, 18);
        painter.setPen(text);
        painter.drawText(box, Qt::AlignCenter, name);
    }
    // One outline per foal, then the legend.
    for (std::size_t i = 0; i < foals_.size(); ++i) {
        const QColor colour =
            foals_[i].gone ? palette().color(QPalette::Disabled, QPalette::Text) : colourOf(i);
        const auto points = outline(i);
        painter.setPen(QPen(colour, 2.5, foals_[i].gone ? Qt::DashLine : Qt::SolidLine));
        QColor fill = colour;
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawPolygon(points.data(), static_cast<int>(points.size()));
        painter.setBrush(Qt::NoBrush);
        const int y = height() - kLegendRow * static_cast<int>(foals_.size() - i);
        painter.fillRect(QRect(12, y + 4, 22, 10), colour);
        painter.setPen(text);
        painter.drawText(QRect(42, y, width() - 50, kLegendRow), Qt::AlignVCenter | Qt::AlignLeft,
                         foals_[i].gone ? tr("%1 (gone)").arg(foals_[i].name) : foals_[i].name);
    }
}

}  // namespace foalix::ui
