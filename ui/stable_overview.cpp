#include "ui/stable_overview.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "savedata/overview.h"
#include "savedata/run_time_error.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/roster_look.h"
#include "ui/table_copy.h"

namespace foalix::ui {

using session::RosterModel;

namespace {

constexpr int kBarWidth = 72;
constexpr int kBarHeight = 22;
constexpr int kColumns = 2;  // of fields, as the main window's grid of values

// A value without a grade's tint: the palette's highlight, mixed into its background as the
// grades' tints are, so the count written on it reads in either look.
QColor quietTint(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    constexpr float kStrength = 0.3F;
    return QColor::fromRgbF(base.redF() * (1 - kStrength) + highlight.redF() * kStrength,
                            base.greenF() * (1 - kStrength) + highlight.greenF() * kStrength,
                            base.blueF() * (1 - kStrength) + highlight.blueF() * kStrength);
}

// The score bands' names, the best first: "90–100", "80–89"…
QString bandName(int band) {
    return band == 9 ? QStringLiteral("90–100")
                     : QString("%1–%2").arg(band * 10).arg(band * 10 + 9);
}

}  // namespace

OverviewBar::OverviewBar(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void OverviewBar::setCount(const QString& value, int count, int of, const QVariant& tint) {
    value_ = value;
    count_ = count;
    of_ = of;
    tint_ = tint;
    update();
}

QSize OverviewBar::sizeHint() const {
    QFont bold = font();
    bold.setBold(true);
    return {std::max(kBarWidth, QFontMetrics(bold).horizontalAdvance(value_) +
                                    fontMetrics().horizontalAdvance("000") + 18),
            std::max(kBarHeight, fontMetrics().height() + 6)};
}

// The value at the left, a bar as long as its share of the foals listed, the count on it.
void OverviewBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(1, 1, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(box);
    // The value in a cell of its own, in bold, apart from the count: "2 12" would read as
    // two numbers.
    QFont bold = font();
    bold.setBold(true);
    const int valueWidth = QFontMetrics(bold).horizontalAdvance(value_) + 8;
    const QRect valueCell(box.left(), box.top(), valueWidth, box.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawRect(valueCell.adjusted(1, 1, 0, 0));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(valueCell.topRight(), valueCell.bottomRight());
    QRect bar = box.adjusted(valueWidth + 2, 2, -2, -2);
    bar.setWidth(of_ > 0 ? bar.width() * count_ / of_ : 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint_.isValid() ? tint_.value<QColor>() : quietTint(palette()));
    painter.drawRect(bar);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(bold);
    painter.drawText(valueCell, Qt::AlignCenter, value_);
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    painter.drawText(box.adjusted(valueWidth + 6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(count_));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
}

StableOverview::StableOverview(session::RosterSession& session, QWidget* owner)
    : QWidget(owner, Qt::Window),
      session_(session),
      picture_(new QWidget(this)),
      grid_(new QGridLayout(picture_)),
      summary_(new QLabel(this)),
      saveImage_(new QPushButton(this)) {
    setObjectName("frmOverview");
    summary_->setObjectName("lblOverview");
    saveImage_->setObjectName("cmdSaveOverview");
    connect(saveImage_, &QPushButton::clicked, this, [this] {
        exportThroughDialog(this, session_, ExportKind::Png, "overview.png",
                            [this](const QString& path) { return saveImage(path); });
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(saveImage_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addLayout(buttons);
    connect(&session, &session::RosterSession::rosterChanged, this, &StableOverview::showOverview);
    connect(&session, &session::RosterSession::profileChanged, this, &StableOverview::showOverview);
    restoreGeometry(session.settings().get(session::setting::overviewGeometry));
    retranslate();
}

std::vector<OverviewBar*> StableOverview::bars() const {
    std::vector<OverviewBar*> found;
    for (OverviewBar* bar : picture_->findChildren<OverviewBar*>()) {
        found.push_back(bar);
    }
    return found;
}

// The scores' row beneath both columns (ten bands are wider than a field's values), named by
// the profile: its bands, the best first, and the foals it gives no score; a profile that
// weighs nothing says so in place of ten empty bars.
template <typename AddRow>
void StableOverview::showScores(const savedata::Overview& overview, int row, const AddRow& addRow) {
    const savedata::ScoreProfile& profile = session_.profile();
    const QString score = RosterModel::columnTitle("score");
    const QString caption = tr("%1 (%2)", "the score's row: the score, the profile it is by")
                                .arg(score, RosterModel::profileName(profile));
    if (std::ranges::all_of(profile.weights, [](int weight) { return weight == 0; })) {
        auto* none = new QLabel(
            tr("%1: every weight is 0, no foal has a score").arg(RosterModel::profileName(profile)),
            picture_);
        none->setObjectName("lblNoScores");
        grid_->addWidget(new QLabel(caption, picture_), row, 0);
        grid_->addWidget(none, row, 1, 1, 2 * kColumns - 1);
        return;
    }
    std::vector<std::pair<QString, int>> counts;
    for (int band = 9; band >= 0; --band) {
        counts.emplace_back(bandName(band), overview.scores->at(static_cast<std::size_t>(band)));
    }
    if (overview.unscored > 0) {
        counts.emplace_back(tr("none", "the foals without a score"), overview.unscored);
    }
    addRow(
        row, 0, 2 * kColumns - 1, caption, counts,
        [](const QString& band) { return scoreBackground(band.section("–", 0, 0).toInt()); },
        [score](const QString& band) {
            if (!band.contains("–")) {
                return QString();  // no condition lists the foals without a score
            }
            const int low = band.section("–", 0, 0).toInt();
            return low == 90 ? QString("%1>=90").arg(score)
                             : QString("%1>=%2 %1<%3").arg(score).arg(low).arg(low + 10);
        });
}

// A row per field, in two columns as the main window reads them, then the scores' row.
void StableOverview::showOverview() {
    // Drawn anew: the fields' values and the profile may have changed since.
    qDeleteAll(picture_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete grid_;
    grid_ = new QGridLayout(picture_);
    const auto& roster = session_.roster();
    const std::vector<int> listed = roster ? roster->listed : std::vector<int>();
    const savedata::HorseTable empty;
    const savedata::Overview overview =
        savedata::overviewOf(roster ? roster->table : empty, listed, &session_.profile());
    summary_->setText(tr("%n foals listed", nullptr, overview.foals));
    const auto addRow = [this, &overview](int row, int column, int span, const QString& caption,
                                          const std::vector<std::pair<QString, int>>& counts,
                                          const auto& tintOf, const auto& conditionOf) {
        auto* label = new QLabel(caption, picture_);
        // The second column's captions stand apart from the first column's bars.
        label->setContentsMargins(column > 0 ? 16 : 0, 0, 6, 0);
        grid_->addWidget(label, row, 2 * column);
        auto* bars = new QHBoxLayout;
        bars->setSpacing(2);
        for (const auto& [value, count] : counts) {
            auto* bar = new OverviewBar(picture_);
            bar->setCount(value, count, overview.foals, tintOf(value));
            bar->setAccessibleName(tr("%1 %2: %3 of %4", "a field, a value, how many, of how many")
                                       .arg(caption, value)
                                       .arg(count)
                                       .arg(overview.foals));
            bar->setToolTip(bar->accessibleName());
            const QString condition = conditionOf(value);
            bar->setEnabled(!condition.isEmpty());
            connect(bar, &QAbstractButton::clicked, this,
                    [this, condition] { emit filterAsked(condition); });
            bars->addWidget(bar);
        }
        bars->addStretch(1);
        grid_->addLayout(bars, row, 2 * column + 1, 1, span);
    };
    const auto& fields = savedata::fieldsInReadingOrder();
    const int rows = static_cast<int>(fields.size()) / kColumns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const savedata::HorseField& field = *fields.at(i);
        const auto counted =
            std::ranges::find(overview.fields, &field, &savedata::FieldOverview::field);
        std::vector<std::pair<QString, int>> counts;
        for (const savedata::ValueCount& value : counted->counts) {
            counts.emplace_back(QString::fromStdString(value.value), value.count);
        }
        const QString caption = RosterModel::captionOf(field);
        addRow(
            static_cast<int>(i) % rows, static_cast<int>(i) / rows, 1, caption, counts,
            [](const QString& value) { return gradeBackground(value); },
            [caption](const QString& value) { return caption + "=" + value; });
    }
    if (overview.scores) {
        showScores(overview, rows, addRow);
    }
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);
    // Grown to hold what it shows now (wider captions in another language, more foals).
    grid_->activate();
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
}

bool StableOverview::saveImage(const QString& path) {
    return picture_->grab().save(path, "PNG");
}

void StableOverview::retranslate() {
    setWindowTitle(tr("Stable Overview"));
    saveImage_->setText(tr("Save &Image…"));
    picture_->setAccessibleName(tr("The listed foals' values, counted"));
    showOverview();
}

void StableOverview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::PaletteChange) {
        showOverview();  // the bars' tints, from the new look
    }
    QWidget::changeEvent(event);
}

void StableOverview::hideEvent(QHideEvent* event) {
    // A convenience: a store that cannot be written keeps the last place.
    savedata::failureOf(
        [this] { session_.settings().set(session::setting::overviewGeometry, saveGeometry()); });
    QWidget::hideEvent(event);
}

}  // namespace foalix::ui
