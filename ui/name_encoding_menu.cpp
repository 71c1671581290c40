#include "ui/name_encoding_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "ui/error_report.h"
#include "ui/settings_names.h"

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

QString keyOf(NameEncodingChoice choice) {
    return QString::fromUtf8(savedata::choiceKey(choice));
}

}  // namespace

NameEncodingChoice storedNameEncoding(const platform::SettingsStore& settings) {
    const QString key = settings.get(settings_names::kSetting, settings_names::kNameEncoding,
                                     keyOf(NameEncodingChoice::Automatic));
    return savedata::choiceFromKey(key.toStdString()).value_or(NameEncodingChoice::Automatic);
}

QMenu* addNameEncodingMenu(QMenu* view, platform::Platform& platform, QWidget* owner,
                           std::function<void()> changed) {
    QMenu* menu = view->addMenu("Name &Encoding");
    menu->setObjectName("mnuNameEncoding");
    auto* group = new QActionGroup(menu);
    const NameEncodingChoice stored = storedNameEncoding(platform.settings);
    for (const Choice& entry : kChoices) {
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(entry.objectName);
        action->setCheckable(true);
        action->setChecked(entry.choice == stored);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, owner, [&platform, owner, changed, entry] {
            reportingErrors(platform.messages, owner, [&] {
                platform.settings.save(settings_names::kSetting, settings_names::kNameEncoding,
                                       keyOf(entry.choice));
            });
            changed();
        });
    }
    return menu;
}

}  // namespace foalix::ui
