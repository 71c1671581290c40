#include "ui/column_fit.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "session/loaded_roster.h"

namespace foalix::ui {

int fitColumnsToContents(QTableView* view, bool fitted, int room) {
    QHeaderView* header = view->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const int before = fitted ? header->sectionSize(column) : 0;
        view->resizeColumnToContents(column);
        header->resizeSection(column, std::max(before, header->sectionSize(column)));
    }
    if (header->length() > room) {
        const double scale = static_cast<double>(room) / header->length();
        for (int column = 0; column < header->count(); ++column) {
            header->resizeSection(column,
                                  std::max(header->minimumSectionSize(),
                                           static_cast<int>(header->sectionSize(column) * scale)));
        }
    }
    return header->length();
}

QString contentsShape(const session::LoadedRoster* roster) {
    QString shape;
    if (roster != nullptr) {
        for (int record : roster->listed) {
            shape += QString::fromStdString(roster->table.row(record).name) + '\n';
        }
        for (const auto& [record, entry] : roster->changes.diff().added) {
            shape += QString("+%1").arg(record);
        }
        for (const savedata::ValueChange& change : roster->changes.diff().changed) {
            shape += QString(" %1%2").arg(change.row).arg(change.field->key);
        }
    }
    return shape;
}

}  // namespace foalix::ui
