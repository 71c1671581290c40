#include "ui/total_box.h"

#include <QStyle>

#include "session/roster_session.h"
#include "ui/placed_controls.h"

namespace foalix::ui {

TotalBox::TotalBox(session::RosterSession& session, QWidget* client)
    : QLineEdit(client), session_(session) {
    lock(this, "txtTotal", QRect(), true);
    connect(&session, &session::RosterSession::rosterChanged, this, &TotalBox::showTotal);
    showTotal();
}

void TotalBox::showTotal() {
    const auto& roster = session_.roster();
    const auto total = [this](int count) {
        return tr("%n頭", "the number of foals listed", count);
    };
    setText(roster ? total(static_cast<int>(roster->listed.size())) : QString());
    // Room for the longest total, a full roster's.
    setMinimumWidth(fontMetrics().horizontalAdvance(total(savedata::kRosterRecords)) +
                    2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4);
}

}  // namespace foalix::ui
