#include "ui/roster_table_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <sstream>

#include "savedata/roster_csv.h"
#include "savedata/roster_loader.h"
#include "ui/comparison_view.h"
#include "ui/error_report.h"
#include "ui/read_changes.h"
#include "ui/roster_model.h"
#include "ui/settings_names.h"
#include "ui/table_copy.h"

namespace foalix::ui {
namespace {

constexpr const char* kTitle = "Roster Table";

QString listedTotal(std::size_t count) {
    return QString::fromStdString(savedata::totalText(count));
}

QString asText(const QByteArray& state) {
    return QString::fromLatin1(state.toBase64());
}

// Stored base64 text as bytes; empty for anything else, such as the "W,H" size text
// that earlier versions kept.
QByteArray fromText(const QString& text) {
    auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

}  // namespace

RosterTableWindow::RosterTableWindow(platform::Platform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window),
      platform_(platform),
      model_(new RosterModel(this)),
      proxy_(new RosterProxy(model_, this)),
      filter_(new QLineEdit(this)),
      count_(new QLabel(this)),
      changesLine_(new QLabel(this)),
      view_(new QTableView(this)) {
    setObjectName("frmRosterTable");
    setWindowTitle(kTitle);
    filter_->setObjectName("txtFilter");
    filter_->setPlaceholderText("Filter by name");
    filter_->setAccessibleName("Filter by name");
    filter_->setClearButtonEnabled(true);
    for (QToolButton* clear : filter_->findChildren<QToolButton*>()) {
        clear->setAccessibleName("Clear filter");
    }
    count_->setObjectName("lblCount");
    auto* exportButton = new QPushButton("Export CSV…", this);
    exportButton->setObjectName("cmdExport");
    view_->setObjectName("tblRoster");
    view_->setAccessibleName(kTitle);
    view_->setModel(proxy_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);  // the list's order until a header is clicked
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(false);
    view_->horizontalHeader()->setSectionsMovable(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(filter_, 1);
    bar->addWidget(count_);
    bar->addWidget(exportButton);
    changesLine_->setObjectName("lblChanges");
    changesLine_->hide();
    connect(changesLine_, &QLabel::linkActivated, this, &RosterTableWindow::showGoneFoals);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(changesLine_);
    layout->addWidget(view_);

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setNameFilter(text);
        showCount();
    });
    connect(exportButton, &QPushButton::clicked, this, &RosterTableWindow::chooseExportFile);
    addCopyActions(view_);
    // The current row is the foal the player last clicked or moved to; the selection
    // around it is the player's own and is left alone.
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (const int record = recordOf(current); record != 0) {
                    emit foalSelected(record);
                }
            });
    resize(760, 420);
    const auto [geometryKept, headerKept] = restoreLayout();
    fitWidth_ = !geometryKept;
    fitColumns_ = !headerKept;
    showCount();
}

void RosterTableWindow::setRoster(const savedata::HorseTable& table, std::vector<int> rows,
                                  int slot, int selected) {
    const std::vector<int> kept = selected == 0 ? std::vector<int>() : selectedRecords();
    {
        const QSignalBlocker quiet(view_->selectionModel());
        model_->setRoster(table, std::move(rows));
        QItemSelection selection;
        for (int record : kept) {
            const QModelIndex index = indexOf(record);
            if (index.isValid()) {
                selection.select(index, index);
            }
        }
        view_->selectionModel()->select(selection,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (const QModelIndex current = indexOf(selected); current.isValid()) {
            view_->selectionModel()->setCurrentIndex(
                current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view_->scrollTo(current);
        }
    }
    if (fitColumns_ && model_->rowCount() > 0) {
        fitColumns_ = false;
        fitColumns(fitWidth_);
    }
    setWindowTitle(slot == 0 ? QString(kTitle) : QString("%1 — Slot %2").arg(kTitle).arg(slot));
    showCount();
}

void RosterTableWindow::fitColumns(bool resizeWindow) {
    QHeaderView* header = view_->horizontalHeader();
    view_->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    const int chrome = 2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width() +
                       margins.left() + margins.right();
    // The window's frame is not known before it is shown: allow for a generous one.
    constexpr int kFrameAllowance = 16;
    const int room = screen()->availableGeometry().width() - kFrameAllowance - chrome;
    if (header->length() > room) {
        // Every column gives up the same share of its width.
        const double scale = static_cast<double>(room) / header->length();
        for (int column = 0; column < header->count(); ++column) {
            header->resizeSection(column,
                                  std::max(header->minimumSectionSize(),
                                           static_cast<int>(header->sectionSize(column) * scale)));
        }
    }
    if (resizeWindow) {
        resize(header->length() + chrome, height());
    }
}

void RosterTableWindow::setChanges(std::shared_ptr<const ReadChanges> changes) {
    changes_ = std::move(changes);
    model_->setChanges(changes_);
    QString line = changes_->summary().toHtmlEscaped();
    const QString gone = QString("%1 gone").arg(changes_->diff().removed.size());
    if (!changes_->diff().removed.empty()) {
        line.replace(gone, QString("<a href=\"gone\">%1</a>").arg(gone));
    }
    changesLine_->setText(line);
    changesLine_->setVisible(!line.isEmpty());
    if (gone_ != nullptr) {
        showGoneFoals();
    }
}

ComparisonView* RosterTableWindow::showGoneFoals() {
    if (gone_ == nullptr) {
        gone_ = new ComparisonView(platform_, this);
        gone_->setWindowFlag(Qt::Window);
        gone_->setObjectName("frmGoneFoals");
        gone_->resize(width(), 240);
    }
    savedata::RosterDiff left;
    if (changes_) {
        left.removed = changes_->diff().removed;
    }
    gone_->setDiff(std::move(left));
    gone_->setWindowTitle(QString("Gone — %1").arg(changes_ ? changes_->summary() : QString()));
    gone_->show();
    gone_->raise();
    return gone_;
}

QModelIndex RosterTableWindow::indexOf(int record) const {
    const int sourceRow = model_->rowOf(record);
    return sourceRow < 0 ? QModelIndex() : proxy_->mapFromSource(model_->index(sourceRow, 0));
}

int RosterTableWindow::recordOf(const QModelIndex& index) const {
    return index.isValid() ? model_->recordAt(proxy_->mapToSource(index).row()) : 0;
}

void RosterTableWindow::selectRecord(int record) {
    const QModelIndex index = indexOf(record);
    if (!index.isValid()) {
        view_->clearSelection();
        return;
    }
    if (currentRecord() == record) {
        return;
    }
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

int RosterTableWindow::currentRecord() const {
    return recordOf(view_->currentIndex());
}

std::vector<int> RosterTableWindow::selectedRecords() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<int> records;
    for (int row : rows) {
        records.push_back(recordOf(proxy_->index(row, 0)));
    }
    return records;
}

std::vector<int> RosterTableWindow::shownRecords() const {
    std::vector<int> records;
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        records.push_back(recordOf(proxy_->index(row, 0)));
    }
    return records;
}

QString RosterTableWindow::selectionAsText() const {
    return selectedRowsAsText(view_);
}
bool RosterTableWindow::exportCsv(const QString& path) const {
    const std::vector<int> records = shownRecords();
    const savedata::Roster roster{path.toStdString(), listedTotal(records.size()).toStdString(),
                                  records, &model_->table()};
    std::ostringstream csv;
    savedata::writeCsv(csv, roster);
    return writeSpreadsheetFile(path, csv.str());
}

void RosterTableWindow::chooseExportFile() {
    exportThroughDialog(this, platform_, "roster.csv",
                        [this](const QString& path) { return exportCsv(path); });
}

void RosterTableWindow::showCount() {
    count_->setText(QString("%1 / %2")
                        .arg(proxy_->rowCount())
                        .arg(listedTotal(static_cast<std::size_t>(model_->rowCount()))));
}

std::pair<bool, bool> RosterTableWindow::restoreLayout() {
    const bool geometry = restoreGeometry(fromText(
        platform_.settings.get(settings_names::kRosterTable, settings_names::kGeometry, "")));
    const bool header = view_->horizontalHeader()->restoreState(fromText(
        platform_.settings.get(settings_names::kRosterTable, settings_names::kHeader, "")));
    return {geometry, header};
}

void RosterTableWindow::hideEvent(QHideEvent* event) {
    try {
        platform_.settings.save(settings_names::kRosterTable, settings_names::kGeometry,
                                asText(saveGeometry()));
        platform_.settings.save(settings_names::kRosterTable, settings_names::kHeader,
                                asText(view_->horizontalHeader()->saveState()));
    } catch (const savedata::RunTimeError&) {
        // The layout is a convenience: a store that cannot be written keeps the last one.
    }
    QWidget::hideEvent(event);
}

}  // namespace foalix::ui
