#include <QMessageBox>

#include "platform/system_services.h"

namespace foalix::platform {

Answer QtMessageBoxes::show(QWidget* owner, const QString& text, Buttons buttons, Icon icon) {
    // Qt centres a box over its owner; one not shown yet (at start-up) would put the box
    // near the top left, so then the box goes in the middle of the screen.
    QWidget* parent = owner != nullptr && owner->isVisible() ? owner : nullptr;
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    kMessageTitle, text, QMessageBox::NoButton, parent);
    if (buttons == Buttons::RetryCancel) {
        box.addButton(QMessageBox::Retry);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == Buttons::SaveDiscardCancel) {
        // Changes not kept yet: Enter keeps them, Escape goes back to them.
        box.setDefaultButton(box.addButton(QMessageBox::Save));
        box.addButton(QMessageBox::Discard);
        box.addButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else if (buttons == Buttons::OkCancel) {
        // A question whose Ok cannot be undone: Cancel is what Enter answers.
        box.addButton(QMessageBox::Ok);
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.setEscapeButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
    }
}

}  // namespace foalix::platform
