#include "ui/comparison_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <sstream>

#include "session/roster_model.h"
#include "ui/table_copy.h"

namespace foalix::ui {

ComparisonView::ComparisonView(session::RosterSession& session, QWidget* parent)
    : QWidget(parent),
      session_(session),
      model_(new QStandardItemModel(this)),
      view_(new QTableView(this)) {
    view_->setObjectName("tblComparison");
    view_->setModel(model_);
    makeRowTable(view_);
    addCopyActions(view_);
    auto* exportButton = new QPushButton(this);
    exportButton->setObjectName("cmdExportComparison");
    exportButton_ = exportButton;
    connect(exportButton, &QPushButton::clicked, this, [this] {
        exportThroughDialog(this, session_, ExportKind::Csv, "comparison.csv",
                            [this](const QString& path) { return exportCsv(path); });
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    layout->addWidget(exportButton, 0, Qt::AlignRight);
    retranslate();
}

void ComparisonView::retranslate() {
    exportButton_->setText(tr("Export CSV…"));
    retranslateCopyActions(view_);
    setDiff(std::move(diff_));
}

void ComparisonView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void ComparisonView::setDiff(savedata::RosterDiff diff) {
    diff_ = std::move(diff);
    const auto lines = savedata::diffLines(diff_);
    model_->clear();
    // The lines of foalix-dump compare, their titles and kinds of change in the interface's
    // language (the export keeps foalix-dump's own).
    QStringList header;
    for (const std::string& key : lines.front()) {
        header << session::RosterModel::columnTitle(key);
    }
    model_->setHorizontalHeaderLabels(header);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        QList<QStandardItem*> row;
        for (const std::string& cell : lines[i]) {
            row << new QStandardItem(row.isEmpty() ? session::RosterModel::changeTitle(cell)
                                                   : QString::fromStdString(cell));
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
