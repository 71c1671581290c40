#include "ui/roster_table_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace foalix::ui {

RosterTableBar::RosterTableBar(QWidget* parent)
    : QWidget(parent),
      filter_(new QLineEdit(this)),
      starredOnly_(new QCheckBox(this)),
      count_(new QLabel(this)),
      export_(new QPushButton(this)),
      filterError_(new QLabel(this)) {
    filter_->setObjectName("txtFilter");
    filter_->setClearButtonEnabled(true);
    starredOnly_->setObjectName("chkStarredOnly");
    count_->setObjectName("lblCount");
    export_->setObjectName("cmdExport");
    filterError_->setObjectName("lblFilterError");
    filterError_->setWordWrap(true);
    filterError_->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(filter_, 1);
    row->addWidget(starredOnly_);
    row->addWidget(count_);
    row->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addLayout(row);
    layout->addWidget(filterError_);
    connect(filter_, &QLineEdit::textChanged, this, &RosterTableBar::filterChanged);
    connect(starredOnly_, &QCheckBox::toggled, this, &RosterTableBar::starredOnlyToggled);
    connect(export_, &QPushButton::clicked, this, &RosterTableBar::exportAsked);
}

QString RosterTableBar::filterText() const {
    return filter_->text();
}

void RosterTableBar::showFilterError(const QString& error) {
    filterError_->setText(error);
    filterError_->setVisible(!error.isEmpty());
}

void RosterTableBar::showCount(int shown, int listed) {
    count_->setText(tr("%1 / %n頭", "the foals shown of those listed", listed).arg(shown));
}

void RosterTableBar::allowStarredOnly(bool allowed) {
    starredOnly_->setEnabled(allowed);
}

void RosterTableBar::retranslate() {
    filter_->setPlaceholderText(tr("Filter: a name, or values such as SP>=A Grass=A"));
    filter_->setAccessibleName(tr("Filter by name or values"));
    for (QToolButton* clear : filter_->findChildren<QToolButton*>()) {
        clear->setAccessibleName(tr("Clear filter"));
    }
    export_->setText(tr("Export CSV…"));
    starredOnly_->setText(tr("Starred &only"));
}

}  // namespace foalix::ui
