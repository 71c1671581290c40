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
#include <vector>

#include "savedata/roster_csv.h"
#include "session/roster_session.h"
#include "ui/error_report.h"

namespace foalix::ui {
namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

QString selectedRowsAsText(const QTableView* view) {
    const QAbstractItemModel* model = view->model();
    // Columns in the order the header shows them, moved ones included.
    const QHeaderView* header = view->horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        if (const int column = header->logicalIndex(visual); !header->isSectionHidden(column)) {
            columns.push_back(column);
        }
    }
    const auto line = [&](auto cell) {
        QStringList cells;
        for (int column : columns) {
            cells << cell(column);
        }
        return cells.join('\t');
    };
    QStringList lines{
        line([model](int column) { return model->headerData(column, Qt::Horizontal).toString(); })};
    QModelIndexList selected = view->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : selected) {
        // Cells a spreadsheet would run as a formula are pasted as text.
        lines << line([&](int column) {
            const QString cell = model->index(index.row(), column).data().toString();
            return QString::fromStdString(savedata::asSpreadsheetText(cell.toStdString()));
        });
    }
    return lines.join('\n') + '\n';
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

void addCopyActions(QTableView* view) {
    QAction* copy = addTableAction(view, "mnuCopy", QKeySequence::Copy);
    QAction* selectAll = addTableAction(view, "mnuSelectAll", QKeySequence::SelectAll);
    QObject::connect(copy, &QAction::triggered, view,
                     [view] { QApplication::clipboard()->setText(selectedRowsAsText(view)); });
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
                                          QT_TRANSLATE_NOOP("TableCopy", "Save Image")};
    static const char* const kFilters[] = {QT_TRANSLATE_NOOP("TableCopy", "CSV files (*.csv)"),
                                           QT_TRANSLATE_NOOP("TableCopy", "PNG images (*.png)")};
    const auto which = static_cast<std::size_t>(kind);
    platform::MessageBoxes& messages = session.platform().messages;
    QString folder = session.settings().exportFolder();
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
        session.settings().setExportFolder(
            QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    });
}

}  // namespace foalix::ui
