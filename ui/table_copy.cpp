#include "ui/table_copy.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QTableView>
#include <algorithm>

#include "ui/error_report.h"

namespace foalix::ui {
namespace {

class CopyRows : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(
                selectedRowsAsText(static_cast<const QTableView*>(watched)));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

QString selectedRowsAsText(const QTableView* view) {
    const QAbstractItemModel* model = view->model();
    QStringList lines;
    QStringList header;
    for (int column = 0; column < model->columnCount(); ++column) {
        header << model->headerData(column, Qt::Horizontal).toString();
    }
    lines << header.join('\t');
    QModelIndexList selected = view->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : selected) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells << model->index(index.row(), column).data().toString();
        }
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

void copyRowsOnCtrlC(QTableView* view) {
    view->installEventFilter(new CopyRows(view));
}

bool writeWholeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.flush();
}

void exportThroughDialog(QWidget* owner, platform::MessageBoxes& messages, const QString& suggested,
                         const std::function<bool(const QString& path)>& write) {
    const QString path =
        QFileDialog::getSaveFileName(owner, "Export CSV", suggested, "CSV files (*.csv)");
    if (!path.isEmpty() && !write(path)) {
        reportError(messages, owner, savedata::RunTimeError(savedata::error::kPathFileAccessError));
    }
}

}  // namespace foalix::ui
