#include "ui/error_report.h"

#include <QCoreApplication>

#include "session/roster_session.h"

namespace foalix::ui {

QString runTimeErrorText(int number, const std::string& description) {
    return QCoreApplication::translate("RosterSession", "Run-time error '%1':\n\n%2")
        .arg(number)
        .arg(QCoreApplication::translate("RunTimeError", description.c_str()));
}

void reportFailure(platform::MessageBoxes& messages, QWidget* owner,
                   const session::Failure& failure) {
    if (failure.runTimeError != 0) {
        messages.show(owner, runTimeErrorText(failure.runTimeError, failure.text),
                      platform::Buttons::Ok, platform::Icon::Critical);
    } else {
        messages.show(owner, QCoreApplication::translate("Load", failure.text.c_str()),
                      platform::Buttons::Ok, platform::Icon::None);
    }
}

void reportError(platform::MessageBoxes& messages, QWidget* owner,
                 const savedata::RunTimeError& error) {
    messages.show(owner, runTimeErrorText(error.number(), error.description()),
                  platform::Buttons::Ok, platform::Icon::Critical);
}

}  // namespace foalix::ui
