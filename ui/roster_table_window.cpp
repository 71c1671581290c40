#include "ui/roster_table_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>
#include <sstream>

#include "savedata/roster_csv.h"
#include "savedata/roster_loader.h"
#include "ui/error_report.h"
#include "ui/roster_model.h"

namespace foalix::ui {
namespace {

// The window's own section of the settings store.
constexpr const char* kSection = "RosterTable";
constexpr const char* kTitle = "Roster Table";
constexpr const char* kExportFolderKey = "ExportFolder";
// UTF-8's byte-order mark: a spreadsheet opening the file by a double-click then reads
// it as UTF-8, not in the system's code page.
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

QString listedTotal(std::size_t count) {
    return QString::fromStdString(savedata::totalText(count));
}

}  // namespace

RosterTableWindow::RosterTableWindow(platform::Platform& platform, QWidget* owner)
    : QWidget(owner, Qt::Window),
      platform_(platform),
      model_(new RosterModel(this)),
      proxy_(new RosterProxy(model_, this)),
      filter_(new QLineEdit(this)),
      count_(new QLabel(this)),
      view_(new QTableView(this)) {
    setObjectName("frmRosterTable");
    setWindowTitle(kTitle);
    filter_->setObjectName("txtFilter");
    filter_->setPlaceholderText("Filter by name");
    filter_->setClearButtonEnabled(true);
    count_->setObjectName("lblCount");
    auto* exportButton = new QPushButton("Export CSV…", this);
    exportButton->setObjectName("cmdExport");
    view_->setObjectName("tblRoster");
    view_->setModel(proxy_);
    view_->setSortingEnabled(true);
    view_->sortByColumn(-1, Qt::AscendingOrder);  // the list's order until a header is clicked
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setStretchLastSection(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(filter_, 1);
    bar->addWidget(count_);
    bar->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_);

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        proxy_->setNameFilter(text);
        showCount();
    });
    connect(exportButton, &QPushButton::clicked, this, &RosterTableWindow::chooseExportFile);
    // Ctrl+C in the table copies whole rows (by itself the table would copy one cell).
    view_->installEventFilter(this);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const int record = selectedRecord(); record != 0) {
            emit foalSelected(record);
        }
    });
    resize(760, 420);
    fitColumns_ = !restoreLayout();
    showCount();
}

void RosterTableWindow::setRoster(const savedata::HorseTable& table, std::vector<int> rows,
                                  int slot, int selected) {
    const QSignalBlocker quiet(view_->selectionModel());
    model_->setRoster(table, std::move(rows));
    if (fitColumns_ && model_->rowCount() > 0) {
        fitColumns_ = false;
        view_->resizeColumnsToContents();
        resize(view_->horizontalHeader()->length() + 2 * view_->frameWidth() +
                   view_->verticalScrollBar()->sizeHint().width() +
                   layout()->contentsMargins().left() + layout()->contentsMargins().right(),
               height());
    }
    setWindowTitle(slot == 0 ? QString(kTitle) : QString("%1 — Slot %2").arg(kTitle).arg(slot));
    selectRecord(selected);
    showCount();
}

void RosterTableWindow::selectRecord(int record) {
    const int sourceRow = model_->rowOf(record);
    const QModelIndex index = proxy_->mapFromSource(model_->index(sourceRow, 0));
    if (!index.isValid()) {
        view_->clearSelection();
        return;
    }
    view_->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->setCurrentIndex(index);
    view_->scrollTo(index);
}

int RosterTableWindow::selectedRecord() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : model_->recordAt(proxy_->mapToSource(rows.first()).row());
}

std::vector<int> RosterTableWindow::shownRecords() const {
    std::vector<int> records;
    for (int row = 0; row < proxy_->rowCount(); ++row) {
        records.push_back(model_->recordAt(proxy_->mapToSource(proxy_->index(row, 0)).row()));
    }
    return records;
}

QString RosterTableWindow::selectionAsText() const {
    QStringList lines;
    QStringList header;
    for (int column = 0; column < proxy_->columnCount(); ++column) {
        header << proxy_->headerData(column, Qt::Horizontal).toString();
    }
    lines << header.join('\t');
    QModelIndexList selected = view_->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : selected) {
        QStringList cells;
        for (int column = 0; column < proxy_->columnCount(); ++column) {
            const QString cell = proxy_->index(index.row(), column).data().toString();
            cells << QString::fromStdString(savedata::asSpreadsheetText(cell.toStdString()));
        }
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

bool RosterTableWindow::exportCsv(const QString& path) const {
    const std::vector<int> records = shownRecords();
    const savedata::Roster roster{path.toStdString(), listedTotal(records.size()).toStdString(),
                                  records, &model_->table()};
    std::ostringstream csv;
    csv << kByteOrderMark;
    savedata::writeCsv(csv, roster);
    const std::string bytes = csv.str();
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.flush();
}

// The dialog opens in the folder of the last export, or in the user's documents: never
// in the save folder, which is the game's.
void RosterTableWindow::chooseExportFile() {
    QString folder = platform_.settings.get(kSection, kExportFolderKey, "");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    const QString path = QFileDialog::getSaveFileName(
        this, "Export CSV", QDir(folder).filePath("roster.csv"), "CSV files (*.csv)");
    if (path.isEmpty()) {
        return;
    }
    if (!exportCsv(path)) {
        reportError(platform_.messages, this,
                    savedata::RunTimeError(savedata::error::kPathFileAccessError));
        return;
    }
    reportingErrors(platform_.messages, this, [&] {
        platform_.settings.save(kSection, kExportFolderKey,
                                QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    });
}

bool RosterTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectionAsText());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RosterTableWindow::showCount() {
    count_->setText(QString("%1 / %2")
                        .arg(proxy_->rowCount())
                        .arg(listedTotal(static_cast<std::size_t>(model_->rowCount()))));
}

// Size and column widths are kept as text: "W,H" and "w1,w2,…".
bool RosterTableWindow::restoreLayout() {
    const QStringList size = platform_.settings.get(kSection, "Size", "").split(',');
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0) {
        resize(size[0].toInt(), size[1].toInt());
    }
    const QStringList widths = platform_.settings.get(kSection, "Columns", "").split(',');
    if (widths.size() != model_->columnCount()) {
        return false;
    }
    for (int column = 0; column < widths.size(); ++column) {
        view_->setColumnWidth(column, std::max(widths[column].toInt(), 8));
    }
    return true;
}

void RosterTableWindow::hideEvent(QHideEvent* event) {
    QStringList widths;
    for (int column = 0; column < model_->columnCount(); ++column) {
        widths << QString::number(view_->columnWidth(column));
    }
    try {
        platform_.settings.save(kSection, "Size", QString("%1,%2").arg(width()).arg(height()));
        platform_.settings.save(kSection, "Columns", widths.join(','));
    } catch (const savedata::RunTimeError&) {
        // The layout is a convenience: a store that cannot be written keeps the last one.
    }
    QWidget::hideEvent(event);
}

}  // namespace foalix::ui
