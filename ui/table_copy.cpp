#include "ui/table_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTableView>
#include <algorithm>
#include <numeric>
#include <vector>

#include "savedata/roster_csv.h"
#include "session/roster_session.h"
#include "ui/error_report.h"

namespace foalix::ui {
namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// The rows of `model` as lines of tab-separated cells under a header line; with
// `rowCaptions` each line starts with its row's caption. Cells a spreadsheet would run as
// a formula are pasted as text.
QString rowsAsText(const QAbstractItemModel* model, const std::vector<int>& rows,
                   const std::vector<int>& columns, bool rowCaptions) {
    const auto line = [&](const QString& caption, auto cell) {
        QStringList cells;
        if (rowCaptions) {
            cells << caption;
        }
        for (int column : columns) {
            cells << QString::fromStdString(
                savedata::asSpreadsheetText(cell(column).toString().toStdString()));
        }
        return cells.join('\t');
    };
    QStringList lines{
        line(QString(), [model](int column) { return model->headerData(column, Qt::Horizontal); })};
    for (int row : rows) {
        lines << line(model->headerData(row, Qt::Vertical).toString(),
                      [&](int column) { return model->index(row, column).data(); });
    }
    return lines.join('\n') + '\n';
}

}  // namespace

QString selectedRowsAsText(const QTableView* view) {
    // Columns in the order the header shows them, moved ones included.
    const QHeaderView* header = view->horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        if (const int column = header->logicalIndex(visual); !header->isSectionHidden(column)) {
            columns.push_back(column);
        }
    }
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rowsAsText(view->model(), rows, columns, false);
}

QString wholeTableAsText(const QAbstractItemModel* model) {
    std::vector<int> rows(static_cast<std::size_t>(model->rowCount()));
    std::vector<int> columns(static_cast<std::size_t>(model->columnCount()));
    std::iota(rows.begin(), rows.end(), 0);
    std::iota(columns.begin(), columns.end(), 0);
    return rowsAsText(model, rows, columns, true);
}

void makeRowTable(QTableView* view) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
}

QAction* addTableAction(QTableView* view, const char* name, const QKeySequence& shortcut) {
    auto* action = new QAction(view);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(action);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    return action;
}

void addCopyActions(QTableView* view, std::function<QString()> text) {
    QAction* copy = addTableAction(view, "mnuCopy", QKeySequence::Copy);
    QAction* selectAll = addTableAction(view, "mnuSelectAll", QKeySequence::SelectAll);
    if (!text) {
        text = [view] { return selectedRowsAsText(view); };
    }
    QObject::connect(copy, &QAction::triggered, view,
                     [text] { QApplication::clipboard()->setText(text()); });
    QObject::connect(selectAll, &QAction::triggered, view, &QTableView::selectAll);
    retranslateCopyActions(view);
}

void retranslateCopyActions(QTableView* view) {
    view->findChild<QAction*>("mnuCopy")->setText(
        QCoreApplication::translate("TableCopy", "&Copy"));
    view->findChild<QAction*>("mnuSelectAll")
        ->setText(QCoreApplication::translate("TableCopy", "Select &All"));
}

bool writeSpreadsheetFile(const QString& path, const std::string& csv) {
    const std::string bytes = kByteOrderMark + csv;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.flush();
}

void exportThroughDialog(QWidget* owner, session::RosterSession& session, ExportKind kind,
                         const QString& suggested,
                         const std::function<bool(const QString& path)>& write) {
    static const char* const kTitles[] = {QT_TRANSLATE_NOOP("TableCopy", "Export CSV"),
                                          QT_TRANSLATE_NOOP("TableCopy", "Save Image"),
                                          QT_TRANSLATE_NOOP("TableCopy", "Back Up History")};
    static const char* const kFilters[] = {
        QT_TRANSLATE_NOOP("TableCopy", "CSV files (*.csv)"),
        QT_TRANSLATE_NOOP("TableCopy", "PNG images (*.png)"),
        QT_TRANSLATE_NOOP("TableCopy", "Foalix histories (*.sqlite3)")};
    const auto which = static_cast<std::size_t>(kind);
    platform::MessageBoxes& messages = session.platform().messages;
    QString folder = session.settings().get(session::setting::exportFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    // A folder that does not exist would leave the dialog in the current directory,
    // which Apply made the save folder.
    if (!QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    const QString path = QFileDialog::getSaveFileName(
        owner, QCoreApplication::translate("TableCopy", kTitles[which]),
        QDir(folder).filePath(suggested),
        QCoreApplication::translate("TableCopy", kFilters[which]));
    if (path.isEmpty()) {
        return;
    }
    if (!write(path)) {
        reportError(messages, owner, savedata::RunTimeError(savedata::error::kPathFileAccessError));
        return;
    }
    reportingErrors(messages, owner, [&] {
        session.settings().set(session::setting::exportFolder,
                               QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    });
}

}  // namespace foalix::ui
