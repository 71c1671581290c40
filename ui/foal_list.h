// The list of foals: sorted by name like the reader's list order, each entry carrying
// the record number of its foal, so two foals of one name stay two foals.
#pragma once

#include <QListWidget>

namespace foalix::ui {

class FoalList : public QListWidget {
    Q_OBJECT

  public:
    explicit FoalList(QWidget* parent = nullptr);

    // Adds `name` for record `row`; the entry takes its place in the sorted order.
    void addFoal(const QString& name, int row);
    // The record number of the selected entry, or 0 when none is selected.
    int selectedRow() const;
    // Selects the entry of `record`, as a click would; false when it is not listed.
    bool selectRecord(int record);

    // Marks the entry of `record` with `mark` (a new foal, changed values) explained by
    // `note` in its tooltip.
    void markRecord(int record, const QIcon& mark, const QString& note);

    // The whole name of `item` when the list's width cuts it short, and its mark's note.
    QString toolTipFor(const QListWidgetItem* item) const;

  signals:
    // The user selected another entry, by mouse or keyboard.
    void foalClicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
};

}  // namespace foalix::ui
