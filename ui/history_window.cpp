#include "ui/history_window.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/comparison_view.h"

namespace foalix::ui {
namespace {

constexpr const char* kTitle = "History";
constexpr const char* kChooseTwo = "Choose two reads to compare them.";

QString localTime(std::int64_t unixTime) {
    return QDateTime::fromSecsSinceEpoch(unixTime).toString("yyyy-MM-dd HH:mm:ss");
}

std::size_t changeCount(const savedata::RosterDiff& diff) {
    return diff.added.size() + diff.removed.size() + diff.changed.size();
}

}  // namespace

HistoryWindow::HistoryWindow(platform::Platform& platform, history::History& history,
                             QWidget* owner)
    : QWidget(owner, Qt::Window),
      history_(history),
      hint_(new QLabel(kChooseTwo, this)),
      reads_(new QTableWidget(0, 3, this)),
      comparison_(new ComparisonView(platform, this)) {
    setObjectName("frmHistory");
    setWindowTitle(kTitle);
    reads_->setObjectName("tblReads");
    reads_->setHorizontalHeaderLabels({"Read", "Foals", "Changes"});
    reads_->setSelectionBehavior(QAbstractItemView::SelectRows);
    reads_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    reads_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reads_->verticalHeader()->hide();
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(reads_);
    splitter->addWidget(comparison_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint_);
    layout->addWidget(splitter);
    connect(reads_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::compareChosen);
    resize(760, 520);
}

void HistoryWindow::showSlot(const std::string& saveFolder, int slot) {
    kept_ = slot == 0 ? std::vector<history::KeptRead>() : history_.reads(saveFolder, slot);
    setWindowTitle(slot == 0 ? QString(kTitle) : QString("%1 — Slot %2").arg(kTitle).arg(slot));
    const QSignalBlocker quiet(reads_->selectionModel());
    reads_->clearSelection();
    reads_->setRowCount(static_cast<int>(kept_.size()));
    // Newest first; each read's changes are counted from the read before it.
    savedata::Foals older;
    for (std::size_t i = kept_.size(); i-- > 0;) {
        savedata::Foals foals = history_.foalsOf(kept_[i].id);
        const int row = static_cast<int>(i);
        reads_->setItem(row, 0, new QTableWidgetItem(localTime(kept_[i].readAt)));
        reads_->setItem(row, 1, new QTableWidgetItem(QString::number(kept_[i].foals)));
        reads_->setItem(row, 2,
                        new QTableWidgetItem(i + 1 == kept_.size()
                                                 ? QString("—")
                                                 : QString::number(changeCount(
                                                       savedata::diffRosters(older, foals)))));
        older = std::move(foals);
    }
    reads_->resizeColumnsToContents();
    compareChosen();
}

void HistoryWindow::compareChosen() {
    QModelIndexList chosen = reads_->selectionModel()->selectedRows();
    if (chosen.size() != 2) {
        hint_->setText(kChooseTwo);
        comparison_->setDiff({});
        return;
    }
    // The list is newest first: the lower row is the older read.
    const auto& older =
        kept_.at(static_cast<std::size_t>(std::max(chosen[0].row(), chosen[1].row())));
    const auto& later =
        kept_.at(static_cast<std::size_t>(std::min(chosen[0].row(), chosen[1].row())));
    hint_->setText(QString("From %1 to %2").arg(localTime(older.readAt), localTime(later.readAt)));
    comparison_->setDiff(
        savedata::diffRosters(history_.foalsOf(older.id), history_.foalsOf(later.id)));
}

}  // namespace foalix::ui
