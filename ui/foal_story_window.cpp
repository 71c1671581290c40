#include "ui/foal_story_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "savedata/roster_diff.h"
#include "session/language.h"
#include "session/read_changes.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/change_marks.h"
#include "ui/foal_card.h"
#include "ui/step_chart.h"
#include "ui/table_copy.h"

namespace foalix::ui {

using session::RosterModel;

FoalStoryWindow::FoalStoryWindow(session::RosterSession& session, QWidget* owner)
    : QWidget(owner, Qt::Window),
      session_(session),
      summary_(new QLabel(this)),
      reads_(new QTableWidget(this)),
      chart_(new StepChart(this)),
      saveCard_(new QPushButton(this)),
      copyCard_(new QPushButton(this)) {
    setObjectName("frmFoalHistory");
    summary_->setObjectName("lblFoalHistory");
    summary_->setTextFormat(Qt::PlainText);
    reads_->setObjectName("tblFoalHistory");
    reads_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reads_->setSelectionBehavior(QAbstractItemView::SelectRows);
    reads_->verticalHeader()->hide();
    saveCard_->setObjectName("cmdSaveCard");
    copyCard_->setObjectName("cmdCopyCard");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copyCard_);
    buttons->addWidget(saveCard_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(reads_, 1);
    layout->addWidget(chart_);
    layout->addLayout(buttons);
    connect(saveCard_, &QPushButton::clicked, this, [this] {
        exportThroughDialog(this, session_, ExportKind::Png, "card.png",
                            [this](const QString& path) { return saveCard(path); });
    });
    connect(copyCard_, &QPushButton::clicked, this, &FoalStoryWindow::copyCard);
    connect(&session, &session::RosterSession::currentRecordChanged, this,
            &FoalStoryWindow::showStory);
    connect(&session, &session::RosterSession::historyChanged, this, &FoalStoryWindow::showStory);
    connect(&session, &session::RosterSession::notesChanged, this, &FoalStoryWindow::showStory);
    resize(760, 560);
    retranslate();
}

bool FoalStoryWindow::saveCard(const QString& path) const {
    return cardImage(cardOf(session_, timeline_.record)).save(path, "PNG");
}

void FoalStoryWindow::copyCard() const {
    QApplication::clipboard()->setText(cardText(cardOf(session_, timeline_.record)));
}

// The current foal's reads, a row each; a value that moved since the row above carries its
// mark and says what it was.
void FoalStoryWindow::showStory() {
    timeline_ = session_.timelineOf(session_.currentRecord());
    const auto& fields = savedata::fieldsInReadingOrder();
    reads_->clear();
    reads_->setColumnCount(static_cast<int>(fields.size()) + 1);
    QStringList titles{tr("Read")};
    for (const savedata::HorseField* field : fields) {
        titles << RosterModel::captionOf(*field);
    }
    reads_->setHorizontalHeaderLabels(titles);
    reads_->setRowCount(static_cast<int>(timeline_.reads.size()));
    std::vector<savedata::HorseEntry> values;
    for (std::size_t row = 0; row < timeline_.reads.size(); ++row) {
        const history::TimelineRead& read = timeline_.reads[row];
        const int at = static_cast<int>(row);
        reads_->setItem(at, 0,
                        new QTableWidgetItem(
                            session::longTime(QDateTime::fromSecsSinceEpoch(read.read.readAt))));
        for (std::size_t column = 0; column < fields.size(); ++column) {
            const savedata::HorseField& field = *fields[column];
            const std::string& now = read.foal.*field.member;
            auto* cell = new QTableWidgetItem(QString::fromStdString(now));
            if (row > 0) {
                const std::string& before = timeline_.reads[row - 1].foal.*field.member;
                if (before != now) {
                    const savedata::Trend trend = savedata::trendOf(field, before, now);
                    cell->setIcon(markIcon(session::markOf(trend)));
                    cell->setToolTip(session::changeNote(trend, QString::fromStdString(before)));
                    cell->setData(Qt::AccessibleTextRole,
                                  session::markText(session::markOf(trend)) + ' ' +
                                      QString::fromStdString(now));
                }
            }
            reads_->setItem(at, static_cast<int>(column) + 1, cell);
        }
        values.push_back(read.foal);
    }
    reads_->resizeColumnsToContents();
    chart_->setReads(std::move(values));
    if (timeline_.reads.empty()) {
        summary_->setText(tr("Choose a foal to see its story"));
        setWindowTitle(tr("Foal History"));
    } else {
        const QString name = QString::fromStdString(timeline_.name);
        summary_->setText(tr("%1 (No. %2): first kept %3, %n reads", nullptr,
                             static_cast<int>(timeline_.reads.size()))
                              .arg(name, QString::number(timeline_.record),
                                   session::longTime(QDateTime::fromSecsSinceEpoch(
                                       timeline_.reads.front().read.readAt))));
        setWindowTitle(tr("Foal History: %1").arg(name));
    }
    saveCard_->setEnabled(!timeline_.reads.empty());
    copyCard_->setEnabled(!timeline_.reads.empty());
}

void FoalStoryWindow::retranslate() {
    saveCard_->setText(tr("Save &Card…"));
    copyCard_->setText(tr("Copy as &Text"));
    reads_->setAccessibleName(tr("The foal's values at each read"));
    chart_->setAccessibleName(tr("The foal's graded values over the reads"));
    showStory();
}

void FoalStoryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

}  // namespace foalix::ui
