#include "ui/error_report.h"

namespace foalix::ui {

void reportError(platform::MessageBoxes& messages, QWidget* owner,
                 const savedata::RunTimeError& error) {
    const QString text = QString("Run-time error '%1':\n\n%2")
                             .arg(error.number())
                             .arg(QString::fromStdString(error.description()));
    messages.show(owner, text, platform::Buttons::Ok, platform::Icon::Critical);
}

}  // namespace foalix::ui
