#include "ui/roster_table_window.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QKeySequence>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "savedata/run_time_error.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/changes_line.h"
#include "ui/column_fit.h"
#include "ui/note_edit.h"
#include "ui/roster_look.h"
#include "ui/roster_proxy.h"
#include "ui/roster_table_bar.h"
#include "ui/table_copy.h"

namespace foalix::ui {

using session::RosterModel;

RosterTableWindow::RosterTableWindow(session::RosterSession& session, QWidget* owner)
    : QWidget(owner, Qt::Window),
      session_(session),
      proxy_(new RosterProxy(this)),
      look_(new RosterLook(this)),
      bar_(new RosterTableBar(this)),
      changesLine_(new ChangesLine(session, this)),
      newFoals_(new QLabel(this)),
      view_(new QTableView(this)) {
    setObjectName("frmRosterTable");
    proxy_->setSourceModel(session.model());
    look_->setSourceModel(proxy_);
    view_->setObjectName("tblRoster");
    view_->setModel(look_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);  // the list's order until a header is clicked
    makeRowTable(view_);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(false);
    view_->horizontalHeader()->setSectionsMovable(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    layout->addWidget(changesLine_);
    layout->addWidget(newFoals_);
    newFoals_->setObjectName("lblNewFoals");
    connect(newFoals_, &QLabel::linkActivated, this, [this] { setFilterText("新"); });
    layout->addWidget(view_);
    connect(bar_, &RosterTableBar::starredOnlyToggled, proxy_, &RosterProxy::setStarredOnly);
    connect(bar_, &RosterTableBar::filterChanged, this, &RosterTableWindow::applyFilter);
    connect(bar_, &RosterTableBar::exportAsked, this, [this] {
        exportThroughDialog(this, session_, ExportKind::Csv, "roster.csv",
                            [this](const QString& path) { return exportCsv(path); });
    });
    connectChoices();
    addCopyActions(view_);
    // Ctrl+K as View → Compare Foals in the main window.
    compare_ = addTableAction(view_, "mnuCompare", QKeySequence("Ctrl+K"));
    connect(compare_, &QAction::triggered, this, [this] { emit compareAsked(selectedRecords()); });
    star_ = addTableAction(view_, "mnuStar", Qt::Key_Space);
    connect(star_, &QAction::triggered, this, [this] { session_.toggleStars(selectedRecords()); });
    // The note is written in its column: F2 or a double-click there, from any column by F2.
    auto* notes = new NoteDelegate(view_);
    view_->setItemDelegateForColumn(RosterModel::kNoteColumn, notes);
    // What is typed in the Note cell is kept before a read replaces the rows, and the cell
    // opens again on its foal after it, so the player types on.
    connect(&session_, &session::RosterSession::rowsAboutToChange, this, [this, notes] {
        const bool writing = notes->isWriting() && view_->currentIndex().isValid();
        noteReopensOn_ =
            writing ? session_.notedFoal(recordOf(view_->currentIndex().row())) : std::nullopt;
        notes->keepTypedNotes();
    });
    view_->setEditTriggers(QAbstractItemView::DoubleClicked);
    writeNote_ = addTableAction(view_, "mnuWriteNote", Qt::Key_F2);
    connect(writeNote_, &QAction::triggered, this, [this] {
        const QModelIndex current = view_->currentIndex();
        if (current.isValid()) {
            view_->edit(current.siblingAtColumn(RosterModel::kNoteColumn));
        }
    });
    foalHistory_ = addTableAction(view_, "mnuFoalHistory", QKeySequence("Ctrl+Y"));
    connect(foalHistory_, &QAction::triggered, this, &RosterTableWindow::foalHistoryAsked);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        session_.setChosen(session::ChoiceSource::Table, selectedRecords());
        updateActions();
    });
    connect(&session, &session::RosterSession::starsChanged, this,
            &RosterTableWindow::updateActions);
    // Filtering and unstarring under "Starred only" take rows away.
    connect(proxy_, &QAbstractItemModel::rowsRemoved, this, &RosterTableWindow::showCount);
    connect(proxy_, &QAbstractItemModel::rowsInserted, this, &RosterTableWindow::showCount);
    // The current row is the foal the player last clicked or moved to, once it is selected:
    // the view also makes a row current when it takes the focus or the filter hides the
    // current one, and that is no choice. The selection around it is the player's own.
    const auto chosen = [this] {
        const QModelIndex current = view_->currentIndex();
        if (!filtering_ && current.isValid() &&
            view_->selectionModel()->isRowSelected(current.row())) {
            session_.setCurrentRecord(recordOf(current.row()));
        }
    };
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, chosen);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, chosen);
    connect(session.model(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { keptSelection_ = selectedRecords(); });
    connect(session.model(), &QAbstractItemModel::modelReset, this, &RosterTableWindow::showRoster);
    connect(&session, &session::RosterSession::currentRecordChanged, this,
            &RosterTableWindow::selectRecord);
    resize(760, 420);
    fitWidth_ = !restoreGeometry(session.settings().get(session::setting::tableGeometry));
    fitted_ = view_->horizontalHeader()->restoreState(
        session.settings().get(session::setting::tableHeader));
    retranslate();
    showRoster();
}

void RosterTableWindow::showRoster() {
    const int current = session_.currentRecord();
    const QModelIndex currentIndex = indexOfRecord(current);
    const auto reopen = std::exchange(noteReopensOn_, std::nullopt);
    {
        const QSignalBlocker quiet(view_->selectionModel());
        QItemSelection selection;
        // A reload that keeps the current foal keeps the other selected rows still listed.
        for (int record : current == 0 ? std::vector<int>() : keptSelection_) {
            const QModelIndex index = indexOfRecord(record);
            if (index.isValid()) {
                selection.select(index, index);
            }
        }
        view_->selectionModel()->select(selection,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (currentIndex.isValid()) {
            view_->selectionModel()->setCurrentIndex(
                currentIndex, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view_->scrollTo(currentIndex);
        }
    }
    keptSelection_.clear();
    // Chosen again with the signals quiet: the session hears of it here.
    session_.setChosen(session::ChoiceSource::Table,
                       isVisible() ? selectedRecords() : std::vector<int>());
    const auto& roster = session_.roster();
    // Fitting measures every cell: it is done only when what decides the widths changed.
    if (const QString shape = contentsShape(roster.get());
        proxy_->rowCount() > 0 && shape != fittedShape_) {
        fitColumns();
        fittedShape_ = shape;
    }
    showTitle();
    changesLine_->showChanges(roster.get());
    showNewFoals();
    showCount();
    updateActions();
    if (reopen && session_.notedFoal(current) == reopen && currentIndex.isValid() && isVisible()) {
        view_->edit(currentIndex.siblingAtColumn(RosterModel::kNoteColumn));
    }
}

// The player's text of conditions and names, with the captions of the interface's
// language; a condition that does not parse is said under the box and filters nothing.
void RosterTableWindow::applyFilter() {
    const QScopedValueRollback filtering(filtering_, true);
    const auto error = proxy_->setFilter(bar_->filterText());
    bar_->showFilterError(error ? RosterProxy::errorText(*error) : QString());
    showCount();
}

void RosterTableWindow::updateActions() {
    const std::vector<int> chosen = selectedRecords();
    compare_->setEnabled(chosen.size() >= 2 && chosen.size() <= 4);
    const auto& roster = session_.roster();
    const bool allStarred = roster && std::ranges::all_of(chosen, [&](int record) {
                                return roster->starred.contains(record);
                            });
    star_->setText(allStarred && !chosen.empty() ? tr("Un&star") : tr("&Star"));
    star_->setEnabled(!chosen.empty() && session_.keepsStars());
    const bool current = view_->currentIndex().isValid();
    writeNote_->setEnabled(current && session_.keepsStars());
    foalHistory_->setEnabled(current && session_.keepsStars());
    bar_->allowStarredOnly(session_.keepsStars());
}

void RosterTableWindow::showTitle() {
    const auto& roster = session_.roster();
    setWindowTitle(roster ? tr("Roster Table — Slot %1").arg(roster->slot) : tr("Roster Table"));
}

void RosterTableWindow::retranslate() {
    showTitle();
    view_->setAccessibleName(tr("Roster Table"));
    bar_->retranslate();
    applyFilter();
    compare_->setText(tr("Co&mpare"));
    writeNote_->setText(tr("Write &Note"));
    foalHistory_->setText(tr("Foal &History…"));
    updateActions();
    retranslateCopyActions(view_);
    changesLine_->showChanges(session_.roster().get());
    showCount();
}

void RosterTableWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The built-in profiles' names in the new language, the view still chosen.
        showChoices(bar_->chosenView());
        // The headers now read otherwise: fitted afresh, narrower too where they may be.
        session_.model()->retranslate();
        fitted_ = false;
        fittedShape_ = contentsShape(session_.roster().get());
        if (proxy_->rowCount() > 0) {
            fitColumns();
        }
    }
    QWidget::changeEvent(event);
}

void RosterTableWindow::fitColumns() {
    const QMargins margins = layout()->contentsMargins();
    const int chrome = 2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width() +
                       margins.left() + margins.right();
    // The window's frame is not known before it is shown: allow for a generous one.
    constexpr int kFrameAllowance = 16;
    const int wide = fitColumnsToContents(
        view_, fitted_, screen()->availableGeometry().width() - kFrameAllowance - chrome);
    // A window whose size was not kept takes the table's width.
    if (fitWidth_) {
        resize(std::max(fitted_ ? width() : 0, wide + chrome), height());
    }
    fitted_ = true;
}

ComparisonView* RosterTableWindow::showGoneFoals() {
    return changesLine_->showGoneFoals();
}

QModelIndex RosterTableWindow::indexOfRecord(int record) const {
    return look_->mapFromSource(
        proxy_->mapFromSource(session_.model()->index(session_.model()->rowOf(record), 0)));
}

int RosterTableWindow::recordOf(int row) const {
    const QModelIndex index = look_->index(row, 0);
    return index.isValid() ? index.data(RosterModel::RecordRole).toInt() : 0;
}

void RosterTableWindow::selectRecord(int record) {
    const QModelIndex index = indexOfRecord(record);
    if (!index.isValid()) {
        view_->clearSelection();
        return;
    }
    if (currentRecord() == record && view_->selectionModel()->isRowSelected(index.row())) {
        return;
    }
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

int RosterTableWindow::currentRecord() const {
    return recordOf(view_->currentIndex().row());
}

std::vector<int> RosterTableWindow::selectedRecords() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<int> records;
    for (int row : rows) {
        records.push_back(recordOf(row));
    }
    return records;
}

bool RosterTableWindow::exportCsv(const QString& path) const {
    std::vector<int> records;
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        records.push_back(recordOf(row));
    }
    return writeSpreadsheetFile(path, session_.csvOf(records));
}

void RosterTableWindow::showCount() {
    bar_->showCount(proxy_->rowCount(), proxy_->sourceModel()->rowCount());
}

void RosterTableWindow::showEvent(QShowEvent* event) {
    session_.setChosen(session::ChoiceSource::Table, selectedRecords());
    QWidget::showEvent(event);
}

void RosterTableWindow::hideEvent(QHideEvent* event) {
    // Closed, its choice is no longer what Compare Foals compares.
    session_.setChosen(session::ChoiceSource::Table, {});
    // The layout is a convenience: a store that cannot be written keeps the last one.
    savedata::failureOf([this] {
        session_.settings().set(session::setting::tableGeometry, saveGeometry());
        session_.settings().set(session::setting::tableHeader,
                                view_->horizontalHeader()->saveState());
    });
    QWidget::hideEvent(event);
}

}  // namespace foalix::ui
