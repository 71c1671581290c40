#include "ui/history_window.h"

#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "session/language.h"
#include "session/roster_session.h"
#include "ui/comparison_view.h"
#include "ui/table_copy.h"

namespace foalix::ui {
namespace {

QString localTime(std::int64_t unixTime) {
    return session::longTime(QDateTime::fromSecsSinceEpoch(unixTime));
}

}  // namespace

HistoryWindow::HistoryWindow(session::RosterSession& session, QWidget* owner)
    : QWidget(owner, Qt::Window),
      session_(session),
      hint_(new QLabel(this)),
      reads_(new QTableWidget(0, 3, this)),
      comparison_(new ComparisonView(session, this)) {
    setObjectName("frmHistory");
    reads_->setObjectName("tblReads");
    makeRowTable(reads_);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(reads_);
    splitter->addWidget(comparison_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint_);
    layout->addWidget(splitter);
    connect(reads_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::compareChosen);
    // Open, it follows the history and the slot last applied.
    connect(&session, &session::RosterSession::historyChanged, this, [this] {
        if (isVisible()) {
            showSlot(saveFolder_, slot_);
        }
    });
    connect(&session, &session::RosterSession::rosterChanged, this, [this](const auto& roster) {
        if (isVisible() && roster) {
            showSlot(roster->saveFolder, roster->slot);
        }
    });
    resize(760, 520);
    retranslate();
}

void HistoryWindow::retranslate() {
    reads_->setHorizontalHeaderLabels({tr("Read"), tr("Foals"), tr("Changes")});
    showSlot(saveFolder_, slot_);
}

void HistoryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void HistoryWindow::showSlot(const std::string& saveFolder, int slot) {
    // The reads chosen stay chosen while they are kept, for the same slot.
    std::set<std::int64_t> chosen;
    if (saveFolder == saveFolder_ && slot == slot_) {
        for (const QModelIndex& index : reads_->selectionModel()->selectedRows()) {
            chosen.insert(kept_.at(static_cast<std::size_t>(index.row())).id);
        }
    }
    saveFolder_ = saveFolder;
    slot_ = slot;
    kept_ = session_.keptReads(saveFolder, slot);
    setWindowTitle(slot == 0 ? tr("History") : tr("History — Slot %1").arg(slot));
    {
        const QSignalBlocker quiet(reads_->selectionModel());
        reads_->clearSelection();
        reads_->setRowCount(static_cast<int>(kept_.size()));
        QItemSelection keep;
        // Newest first; each read's changes were counted from the read before it when kept.
        for (std::size_t i = 0; i < kept_.size(); ++i) {
            const int row = static_cast<int>(i);
            const history::KeptRead& read = kept_[i];
            reads_->setItem(row, 0, new QTableWidgetItem(localTime(read.readAt)));
            reads_->setItem(row, 1, new QTableWidgetItem(QString::number(read.foals)));
            reads_->setItem(
                row, 2,
                new QTableWidgetItem(read.changes ? QString::number(*read.changes) : QString("—")));
            if (chosen.contains(read.id)) {
                keep.select(reads_->model()->index(row, 0), reads_->model()->index(row, 2));
            }
        }
        reads_->selectionModel()->select(keep, QItemSelectionModel::Select);
        if (!keep.isEmpty()) {
            reads_->selectionModel()->setCurrentIndex(keep.first().topLeft(),
                                                      QItemSelectionModel::NoUpdate);
        }
    }
    reads_->resizeColumnsToContents();
    compareChosen();
}

void HistoryWindow::compareChosen() {
    QModelIndexList chosen = reads_->selectionModel()->selectedRows();
    if (chosen.size() != 2) {
        hint_->setText(tr("Choose two reads to compare them."));
        comparison_->setDiff({});
        return;
    }
    // The list is newest first: the lower row is the older read.
    const auto& older =
        kept_.at(static_cast<std::size_t>(std::max(chosen[0].row(), chosen[1].row())));
    const auto& later =
        kept_.at(static_cast<std::size_t>(std::min(chosen[0].row(), chosen[1].row())));
    hint_->setText(tr("From %1 to %2").arg(localTime(older.readAt), localTime(later.readAt)));
    comparison_->setDiff(session_.compareReads(older.id, later.id));
}

}  // namespace foalix::ui
