#include "ui/comparison_view.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <sstream>

#include "ui/table_copy.h"

namespace foalix::ui {

ComparisonView::ComparisonView(session::RosterSession& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      model_(new QStandardItemModel(this)),
      view_(new QTableView(this)) {
    view_->setObjectName("tblComparison");
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    addCopyActions(view_);
    auto* exportButton = new QPushButton("Export CSV…", this);
    exportButton->setObjectName("cmdExportComparison");
    connect(exportButton, &QPushButton::clicked, this, [this] {
        exportThroughDialog(this, session_, "comparison.csv",
                            [this](const QString& path) { return exportCsv(path); });
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    layout->addWidget(exportButton, 0, Qt::AlignRight);
}

void ComparisonView::setDiff(savedata::RosterDiff diff) {
    diff_ = std::move(diff);
    const auto lines = savedata::diffLines(diff_);
    model_->clear();
    QStringList header;
    for (const std::string& key : lines.front()) {
        header << QString::fromStdString(key);
    }
    model_->setHorizontalHeaderLabels(header);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        QList<QStandardItem*> row;
        for (const std::string& cell : lines[i]) {
            row << new QStandardItem(QString::fromStdString(cell));
        }
        model_->appendRow(row);
    }
    view_->resizeColumnsToContents();
}

bool ComparisonView::exportCsv(const QString& path) const {
    std::ostringstream csv;
    savedata::writeDiffCsv(csv, diff_);
    return writeSpreadsheetFile(path, csv.str());
}

}  // namespace foalix::ui
