#include "ui/compare_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "savedata/run_time_error.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/column_fit.h"
#include "ui/radar_chart.h"
#include "ui/table_copy.h"

namespace foalix::ui {
namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// The best value's tint: gold mixed into the palette's own background, so the text on it
// reads at 4.5:1 or better in the light and the dark look alike.
QColor bestTint() {
    const QColor base = QApplication::palette().color(QPalette::Base);
    const QColor gold(0xF2, 0xC0, 0x1E);
    constexpr float kStrength = 0.35F;
    return QColor::fromRgbF(base.redF() * (1 - kStrength) + gold.redF() * kStrength,
                            base.greenF() * (1 - kStrength) + gold.greenF() * kStrength,
                            base.blueF() * (1 - kStrength) + gold.blueF() * kStrength);
}

}  // namespace

CompareWindow::CompareWindow(session::RosterSession& session, QWidget* owner)
    : QWidget(owner, Qt::Window),
      session_(session),
      model_(new QStandardItemModel(this)),
      view_(new QTableView(this)),
      chart_(new RadarChart(this)),
      picture_(new QWidget(this)),
      copy_(new QPushButton(this)),
      saveImage_(new QPushButton(this)) {
    setObjectName("frmCompare");
    view_->setObjectName("tblCompare");
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows as compact as the roster table's, so the fourteen fit beside the chart.
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    // Copy, as the button: the table is read whole.
    addCopyActions(view_, [this] { return tableAsText(); });
    auto* content = new QHBoxLayout(picture_);
    content->addWidget(chart_, 3);
    content->addWidget(view_, 2);
    copy_->setObjectName("cmdCopyCompare");
    saveImage_->setObjectName("cmdSaveImage");
    connect(copy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(tableAsText()); });
    connect(saveImage_, &QPushButton::clicked, this, [this] {
        exportThroughDialog(this, session_, ExportKind::Png, "foals.png",
                            [this](const QString& path) { return saveImage(path); });
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    buttons->addWidget(saveImage_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addLayout(buttons);
    connect(&session, &session::RosterSession::comparisonChanged, this, &CompareWindow::showFoals);
    resize(860, 480);
    restoreGeometry(session.settings().get(session::setting::compareGeometry));
    retranslate();
}

// The table: a column per foal (a gone one greyed), a row per field, the best of each
// graded row in bold on a tint when the foals still there differ.
void CompareWindow::showFoals() {
    model_->clear();
    const session::Comparison& comparison = session_.comparison();
    QStringList names;
    std::vector<RadarChart::Foal> drawn;
    for (const session::ComparedFoal& foal : comparison.foals) {
        names << (foal.gone ? tr("%1 (gone)").arg(text(foal.values.name)) : text(foal.values.name));
        drawn.push_back({text(foal.values.name), foal.values, foal.gone});
    }
    model_->setHorizontalHeaderLabels(names);
    // A cell of each foal's row: the best of the foals still there marked, a gone foal greyed.
    const auto cell = [this](const QString& value, const QString& meaning, bool best, bool gone) {
        auto* item = new QStandardItem(value);
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(meaning);
        if (best && !gone) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setBackground(bestTint());
            item->setAccessibleText(session::RosterModel::bestValueText(value));
        }
        if (gone) {
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
        return item;
    };
    QStringList captions;
    for (const savedata::HorseField& field : savedata::kHorseFields) {
        captions << session::RosterModel::captionOf(field);
        QList<QStandardItem*> row;
        const int best = comparison.bestOf(field);
        for (const session::ComparedFoal& foal : comparison.foals) {
            const std::string& value = foal.values.*field.member;
            row << cell(text(value), QCoreApplication::translate("HorseField", field.meaning),
                        best != 0 && field.scale.rank(value) == best, foal.gone);
        }
        model_->appendRow(row);
    }
    captions << session::RosterModel::columnTitle("score");
    QList<QStandardItem*> scores;
    for (const session::ComparedFoal& foal : comparison.foals) {
        scores << cell(foal.score ? QString::number(*foal.score) : QString(),
                       session::RosterModel::scoreMeaning(&session_.profile()),
                       foal.score && foal.score == comparison.bestScore, foal.gone);
    }
    model_->appendRow(scores);
    model_->setVerticalHeaderLabels(captions);
    // The table as wide as its columns, up to half the screen, the chart taking the rest:
    // longer captions or names widen the window rather than cut a foal off.
    const int wide = fitColumnsToContents(view_, false, std::numeric_limits<int>::max()) +
                     2 * view_->frameWidth() + view_->verticalHeader()->sizeHint().width() +
                     view_->verticalScrollBar()->sizeHint().width();
    view_->setMinimumWidth(std::min(wide, screen()->availableGeometry().width() / 2));
    view_->setCurrentIndex(QModelIndex());  // no cell looks chosen: the table is read whole
    chart_->setFoals(std::move(drawn));
}

QString CompareWindow::tableAsText() const {
    return wholeTableAsText(model_);
}

bool CompareWindow::saveImage(const QString& path) {
    return picture_->grab().save(path, "PNG");
}

void CompareWindow::retranslate() {
    setWindowTitle(tr("Compare Foals"));
    copy_->setText(tr("&Copy"));
    saveImage_->setText(tr("Save &Image…"));
    chart_->setAccessibleName(tr("Chart of the graded values"));
    chart_->setAccessibleDescription(
        tr("The same values as the table beside it, which a screen reader reads in its place"));
    view_->setAccessibleName(tr("Compared foals"));
    retranslateCopyActions(view_);
    showFoals();
}

void CompareWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::PaletteChange) {
        showFoals();  // the best values' tint and the gone foals' grey, from the new look
    }
    QWidget::changeEvent(event);
}

void CompareWindow::hideEvent(QHideEvent* event) {
    // A convenience: a store that cannot be written keeps the last place.
    savedata::failureOf(
        [this] { session_.settings().set(session::setting::compareGeometry, saveGeometry()); });
    QWidget::hideEvent(event);
}

}  // namespace foalix::ui
