#include "ui/foal_list.h"

#include <QHelpEvent>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/change_marks.h"
#include "ui/placed_controls.h"

namespace foalix::ui {
namespace {

using session::RosterModel;

// The names column of the model, whose rows stand in list order already, each name with
// the foal's own mark and note, and ★ before the names of the starred foals.
class NamesWithMarks : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.data(RosterModel::StarredRole).toBool()) {
            return QStringLiteral("★ ") + QIdentityProxyModel::data(index, role).toString();
        }
        if (role == Qt::DecorationRole) {
            const QIcon icon = markIcon(static_cast<session::Mark>(
                QIdentityProxyModel::data(index, RosterModel::FoalMarkRole).toInt()));
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        if (role == Qt::ToolTipRole) {
            // What changed, then the score: "評分 72".
            QStringList tip;
            if (const QString note =
                    QIdentityProxyModel::data(index, RosterModel::FoalNoteRole).toString();
                !note.isEmpty()) {
                tip << note;
            }
            if (const QVariant score = index.data(RosterModel::ScoreRole); score.isValid()) {
                tip << RosterModel::columnTitle("score") + ' ' + score.toString();
            }
            return tip.join('\n');
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

FoalList::FoalList(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void FoalList::showSession(session::RosterSession& session) {
    auto* names = new NamesWithMarks(this);
    names->setSourceModel(session.model());
    setModel(names);
    setModelColumn(RosterModel::kNameColumn);
    // Selection changes, not the current item: the view makes an item current when it
    // takes the focus, and that is no click.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, &session] {
        session.setChosen(session::ChoiceSource::List, selectedRecords());
        if (const int record = selectedRow(); record != 0) {
            emit foalClicked(record);
        }
    });
    connect(&session, &session::RosterSession::currentRecordChanged, this,
            [this](int record) { selectRecord(record); });
    connect(session.model(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { ensureNameFont(this); });
    // A reset clears the selection without a word: the session hears of it all the same.
    connect(session.model(), &QAbstractItemModel::modelReset, this, [this, &session] {
        session.setChosen(session::ChoiceSource::List, selectedRecords());
    });
}

int FoalList::selectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current)
               ? current.data(RosterModel::RecordRole).toInt()
               : 0;
}

std::vector<int> FoalList::selectedRecords() const {
    QModelIndexList selected = selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end());
    std::vector<int> records;
    for (const QModelIndex& index : selected) {
        records.push_back(index.data(RosterModel::RecordRole).toInt());
    }
    return records;
}

bool FoalList::selectRecord(int record) {
    if (record == selectedRow() && record != 0) {
        return true;
    }
    for (int row = 0; row < model()->rowCount(); ++row) {
        const QModelIndex index = model()->index(row, modelColumn());
        if (index.data(RosterModel::RecordRole).toInt() == record) {
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            scrollTo(index);
            return true;
        }
    }
    clearSelection();
    return false;
}

QString FoalList::nameAt(int row) const {
    return model()->index(row, modelColumn()).data().toString();
}

void FoalList::keyPressEvent(QKeyEvent* event) {
    // With nothing selected yet, the first arrow press selects the entry that has the
    // cursor (the first one) instead of stepping past it.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && !selectionModel()->hasSelection() && currentIndex().isValid()) {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        return;
    }
    QListView::keyPressEvent(event);
}

QString FoalList::toolTipFor(int row) const {
    const QModelIndex index = model()->index(row, modelColumn());
    if (!index.isValid()) {
        return {};
    }
    // The room the view gives an entry's text: the viewport less the text margins and mark.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const bool marked = !index.data(Qt::DecorationRole).value<QIcon>().isNull();
    const int room = viewport()->width() - 2 * margin - (marked ? fontMetrics().height() : 0);
    const QString text = index.data().toString();
    const QString name = fontMetrics().horizontalAdvance(text) > room ? text : QString();
    const QString note = index.data(Qt::ToolTipRole).toString();
    return name.isEmpty() || note.isEmpty() ? name + note : name + '\n' + note;
}

bool FoalList::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipFor(indexAt(help->pos()).row());
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport());
        }
        return true;
    }
    return QListView::viewportEvent(event);
}

}  // namespace foalix::ui
