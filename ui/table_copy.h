// Copying and exporting a table's rows, the same in every table window: Ctrl+C (and Copy
// on the context menu) copies the selected rows whole, as tab-separated text under a
// header line, for a spreadsheet.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QAbstractItemModel;
class QAction;
class QKeySequence;
class QTableView;
class QWidget;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

// The selected rows of `view` in the order shown, their columns in the order the header
// shows them, under a header line.
QString selectedRowsAsText(const QTableView* view);
// Every row of `model`, each after its row's caption, under a line of the columns'.
QString wholeTableAsText(const QAbstractItemModel* model);
// Makes `view` a read-only table of rows, chosen whole, one or many.
void makeRowTable(QTableView* view);
// An action of `view` named `name`, on its context menu, run by `shortcut` while the view
// has the focus.
QAction* addTableAction(QTableView* view, const char* name, const QKeySequence& shortcut);
// Gives `view` the actions Copy (Ctrl+C: `text`, by default the selected rows whole, where
// by itself the view copies one cell) and Select All (Ctrl+A), on its context menu too.
void addCopyActions(QTableView* view, std::function<QString()> text = {});
// Says the actions' texts in the interface's language.
void retranslateCopyActions(QTableView* view);
// Writes the UTF-8 text `csv` as the whole of the file at `path`, after a byte-order mark:
// a spreadsheet opening the file by a double-click then reads it as UTF-8, not in the
// system's code page. False when it cannot.
bool writeSpreadsheetFile(const QString& path, const std::string& csv);
// What is exported: a table as CSV, a picture as PNG, or the whole history.
enum class ExportKind { Csv, Png, History };
// Asks for a file of `kind` to export to (`suggested` the name offered) and runs `write`
// on it; a file that cannot be written is reported. The dialog opens in the folder of the
// last export, or in the user's documents: never in the save folder, which is the game's.
void exportThroughDialog(QWidget* owner, session::RosterSession& session, ExportKind kind,
                         const QString& suggested,
                         const std::function<bool(const QString& path)>& write);

}  // namespace foalix::ui
