// txtTotal: how many foals the last load listed, in the interface's language ("17頭",
// "17 foals"), empty before a load; wide enough for a full roster's total.
#pragma once

#include <QLineEdit>

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class TotalBox : public QLineEdit {
    Q_OBJECT

  public:
    TotalBox(session::RosterSession& session, QWidget* client);
    // Says the total in the interface's language, wide enough for a full roster's.
    void showTotal();

  private:
    session::RosterSession& session_;
};

}  // namespace foalix::ui
