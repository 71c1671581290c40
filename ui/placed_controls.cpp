#include "ui/placed_controls.h"

#include <QCheckBox>
#include <QLabel>

#include "ui/theme.h"

namespace foalix::ui {

void colourLockedBox(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, lockedBoxColour());
    box->setPalette(palette);
}

QLineEdit* textBox(QWidget* parent, const QString& name, QRect place, bool centred) {
    auto* box = placed<QLineEdit>(name, place, parent);
    box->setReadOnly(true);
    box->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    colourLockedBox(box);
    return box;
}

QLabel* label(QWidget* parent, const QString& caption, QRect place) {
    return placed<QLabel>(QString(), place, caption, parent);
}

savedata::BoxValue boxValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return savedata::BoxValue::Ticked;
        case Qt::PartiallyChecked:
            return savedata::BoxValue::Greyed;
        default:
            return savedata::BoxValue::Unticked;
    }
}

QString spoken(const QString& caption) {
    QString name = caption;
    name.remove("：").remove(QChar(0x3000));
    return name;
}

}  // namespace foalix::ui
