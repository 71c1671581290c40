#include "ui/name_encoding_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
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
    {NameEncodingChoice::Automatic, QT_TRANSLATE_NOOP("NameEncodingMenu", "&Automatic"),
     "mnuEncodingAutomatic"},
    {NameEncodingChoice::ShiftJis, QT_TRANSLATE_NOOP("NameEncodingMenu", "&Japanese (Shift-JIS)"),
     "mnuEncodingShiftJis"},
    {NameEncodingChoice::Big5, QT_TRANSLATE_NOOP("NameEncodingMenu", "&Traditional Chinese (Big5)"),
     "mnuEncodingBig5"},
};

}  // namespace

QMenu* addNameEncodingMenu(QMenu* view, session::RosterSession& session) {
    QMenu* menu = view->addMenu(QString());
    menu->setObjectName("mnuNameEncoding");
    auto* group = new QActionGroup(menu);
    for (const Choice& entry : kChoices) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(entry.objectName);
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &session,
                         [&session, entry] { session.setNameEncoding(entry.choice); });
        session.settings().follow(session::setting::nameEncoding, action,
                                  [action, entry](NameEncodingChoice choice) {
                                      if (choice == entry.choice) {
                                          action->setChecked(true);
                                      }
                                  });
    }
    retranslateNameEncodingMenu(menu);
    return menu;
}

void retranslateNameEncodingMenu(QMenu* menu) {
    menu->setTitle(QCoreApplication::translate("NameEncodingMenu", "Name &Encoding"));
    for (const Choice& entry : kChoices) {
        menu->findChild<QAction*>(entry.objectName)
            ->setText(QCoreApplication::translate("NameEncodingMenu", entry.caption));
    }
}

}  // namespace foalix::ui
