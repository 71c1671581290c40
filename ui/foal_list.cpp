#include "ui/foal_list.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QToolTip>

#include "savedata/list_order.h"

namespace foalix::ui {
namespace {

constexpr int kRowRole = Qt::UserRole;

class FoalItem : public QListWidgetItem {
  public:
    FoalItem(const QString& name, int row) : QListWidgetItem(name) { setData(kRowRole, row); }

    bool operator<(const QListWidgetItem& other) const override {
        return savedata::listsBefore(text().toStdString(), data(kRowRole).toInt(),
                                     other.text().toStdString(), other.data(kRowRole).toInt());
    }
};

}  // namespace

FoalList::FoalList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(true);
    setUniformItemSizes(true);
    // Selection changes, not the current item: the view makes an item current when
    // it takes the focus, and that is no click.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedRow() != 0) {
            emit foalClicked();
        }
    });
}

void FoalList::addFoal(const QString& name, int row) {
    addItem(new FoalItem(name, row));
}

int FoalList::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(kRowRole).toInt();
}

bool FoalList::selectRecord(int record) {
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(kRowRole).toInt() == record) {
            setCurrentItem(item(i));
            scrollToItem(item(i));
            return true;
        }
    }
    return false;
}

void FoalList::markRecord(int record, const QIcon& mark, const QString& note) {
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(kRowRole).toInt() == record) {
            item(i)->setIcon(mark);
            item(i)->setData(Qt::ToolTipRole, note);
        }
    }
}

void FoalList::keyPressEvent(QKeyEvent* event) {
    // With nothing selected yet, the first arrow press selects the entry that has the
    // cursor (the first one) instead of stepping past it.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && selectedItems().isEmpty() && currentItem() != nullptr) {
        currentItem()->setSelected(true);
        return;
    }
    QListWidget::keyPressEvent(event);
}

QString FoalList::toolTipFor(const QListWidgetItem* item) const {
    if (item == nullptr) {
        return {};
    }
    // The room the view gives an entry's text: the viewport less the text margins.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room =
        viewport()->width() - 2 * margin - (item->icon().isNull() ? 0 : fontMetrics().height());
    const QString name =
        fontMetrics().horizontalAdvance(item->text()) > room ? item->text() : QString();
    const QString note = item->data(Qt::ToolTipRole).toString();
    return name.isEmpty() || note.isEmpty() ? name + note : name + '\n' + note;
}

bool FoalList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipFor(itemAt(help->pos()));
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport());
        }
        return true;
    }
    return QListWidget::viewportEvent(event);
}

}  // namespace foalix::ui
