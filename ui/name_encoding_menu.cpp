#include "ui/name_encoding_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "session/roster_session.h"

namespace foalix::ui {
namespace {

using savedata::NameEncodingChoice;

struct Choice {
    NameEncodingChoice choice;
    const char* caption;
    const char* objectName;
};
constexpr Choice kChoices[] = {
    {NameEncodingChoice::Automatic, "&Automatic", "mnuEncodingAutomatic"},
    {NameEncodingChoice::ShiftJis, "&Japanese (Shift-JIS)", "mnuEncodingShiftJis"},
    {NameEncodingChoice::Big5, "&Traditional Chinese (Big5)", "mnuEncodingBig5"},
};

}  // namespace

QMenu* addNameEncodingMenu(QMenu* view, session::RosterSession& session) {
    QMenu* menu = view->addMenu("Name &Encoding");
    menu->setObjectName("mnuNameEncoding");
    auto* group = new QActionGroup(menu);
    for (const Choice& entry : kChoices) {
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(entry.objectName);
        action->setCheckable(true);
        action->setChecked(entry.choice == session.nameEncoding());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &session,
                         [&session, entry] { session.setNameEncoding(entry.choice); });
    }
    return menu;
}

}  // namespace foalix::ui
