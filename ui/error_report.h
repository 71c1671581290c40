// Telling the user what went wrong: a run-time error's number and text in a critical
// message box, a load's message in a plain one, in the interface's language; after which
// the window goes on working.
#pragma once

#include <utility>

#include "platform/platform.h"
#include "savedata/run_time_error.h"

namespace foalix::session {
struct Failure;
}

namespace foalix::ui {

// The text of a run-time error's message box: "Run-time error '76':\n\nPath not found".
QString runTimeErrorText(int number, const std::string& description);
void reportFailure(platform::MessageBoxes& messages, QWidget* owner,
                   const session::Failure& failure);
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
