#include "ui/step_chart.h"

#include <QPainter>

#include "session/roster_model.h"
#include "ui/radar_chart.h"

namespace foalix::ui {
namespace {

constexpr int kRowHeight = 26;
constexpr int kMargin = 6;

}  // namespace

StepChart::StepChart(QWidget* parent) : QWidget(parent) {
    setObjectName("chtSteps");
    setMinimumSize(260, kRowHeight * 10 + 2 * kMargin);
}

void StepChart::setReads(std::vector<savedata::HorseEntry> reads) {
    reads_ = std::move(reads);
    update();
}

QSize StepChart::sizeHint() const {
    return {420, kRowHeight * static_cast<int>(RadarChart::axes().size()) + 2 * kMargin};
}

std::vector<std::pair<int, double>> StepChart::steps(const savedata::HorseField& field) const {
    std::vector<std::pair<int, double>> line;
    const int last = static_cast<int>(field.scale.values.size());
    for (std::size_t read = 0; read < reads_.size(); ++read) {
        const int rank = field.scale.rank(reads_[read].*field.member);
        if (rank == 0) {
            continue;
        }
        const double height = last > 1 ? static_cast<double>(rank - 1) / (last - 1) : 1.0;
        if (line.empty() || line.back().second != height) {
            line.emplace_back(static_cast<int>(read), height);
        }
    }
    return line;
}

void StepChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor grid = palette().color(QPalette::Mid);
    const auto fields = RadarChart::axes();
    int captionWidth = 0;
    for (const savedata::HorseField* field : fields) {
        captionWidth = std::max(
            captionWidth, fontMetrics().horizontalAdvance(session::RosterModel::captionOf(*field)));
    }
    const int left = kMargin + captionWidth + 8;
    const int right = width() - kMargin - fontMetrics().horizontalAdvance("SS");
    const int reads = static_cast<int>(reads_.size());
    // Each read a column; the last read's step runs to the end.
    const auto xOf = [&](int read) {
        return reads <= 1 ? left : left + (right - left) * read / std::max(1, reads - 1);
    };
    for (std::size_t row = 0; row < fields.size(); ++row) {
        const savedata::HorseField& field = *fields[row];
        const int top = kMargin + static_cast<int>(row) * kRowHeight;
        const int low = top + kRowHeight - 6;
        const int high = top + 6;
        painter.setPen(text);
        painter.drawText(QRect(kMargin, top, captionWidth, kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, session::RosterModel::captionOf(field));
        painter.setPen(QPen(grid, 1, Qt::DotLine));
        painter.drawLine(left, low, right, low);
        const auto line = steps(field);
        painter.setPen(QPen(RadarChart::colourOf(0), 2));
        for (std::size_t step = 0; step < line.size(); ++step) {
            const int from = xOf(line[step].first);
            const int to = step + 1 < line.size() ? xOf(line[step + 1].first) : right;
            const int y = low - static_cast<int>((low - high) * line[step].second);
            painter.drawLine(from, y, to, y);
            if (step + 1 < line.size()) {
                const int next = low - static_cast<int>((low - high) * line[step + 1].second);
                painter.drawLine(to, y, to, next);
            }
        }
        // The value at the end of its line, as it stands in the newest read.
        if (!reads_.empty()) {
            painter.setPen(text);
            painter.drawText(QRect(right + 4, top, width() - right - 4, kRowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromStdString(reads_.back().*field.member));
        }
    }
}

}  // namespace foalix::ui
