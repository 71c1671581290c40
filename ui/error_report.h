// Telling the user of a run-time error: its number and text in a critical message box,
// after which the window goes on working.
#pragma once

#include "platform/platform.h"
#include "savedata/run_time_error.h"

namespace foalix::ui {

void reportError(platform::MessageBoxes& messages, QWidget* owner,
                 const savedata::RunTimeError& error);

// Runs `action`; a run-time error it raises is reported. Returns false then.
template <typename Action>
bool reportingErrors(platform::MessageBoxes& messages, QWidget* owner, Action&& action) {
    try {
        action();
        return true;
    } catch (const savedata::RunTimeError& error) {
        reportError(messages, owner, error);
        return false;
    }
}

}  // namespace foalix::ui
