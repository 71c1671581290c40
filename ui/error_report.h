// Telling the user of a run-time error: its number and text in a critical message box,
// after which the window goes on working.
#pragma once

#include <utility>

#include "platform/platform.h"
#include "savedata/run_time_error.h"

namespace foalix::ui {

void reportError(platform::MessageBoxes& messages, QWidget* owner,
                 const savedata::RunTimeError& error);

// Runs `action`; an error it raises is reported, and false returned. Nothing a handler
// does may end the program.
template <typename Action>
bool reportingErrors(platform::MessageBoxes& messages, QWidget* owner, Action&& action) {
    const auto failure = savedata::failureOf(std::forward<Action>(action));
    if (failure) {
        reportError(messages, owner, *failure);
    }
    return !failure;
}

}  // namespace foalix::ui
