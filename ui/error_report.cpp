#include "ui/error_report.h"

#include "session/roster_session.h"

namespace foalix::ui {

void reportError(platform::MessageBoxes& messages, QWidget* owner,
                 const savedata::RunTimeError& error) {
    messages.show(owner, session::runTimeErrorText(error.number(), error.description()),
                  platform::Buttons::Ok, platform::Icon::Critical);
}

}  // namespace foalix::ui
