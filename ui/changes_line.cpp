#include "ui/changes_line.h"

#include "session/roster_session.h"
#include "ui/comparison_view.h"

namespace foalix::ui {

ChangesLine::ChangesLine(session::RosterSession& session, QWidget* parent)
    : QLabel(parent), session_(session) {
    setObjectName("lblChanges");
    hide();
    connect(this, &QLabel::linkActivated, this, &ChangesLine::showGoneFoals);
}

namespace {

// The summary as rich text, whose count of gone foals is a link ("gone") when any left.
QString linkedSummary(const session::ReadChanges& changes) {
    const auto parts = changes.summaryParts();
    if (!parts) {
        return {};
    }
    QString gone = parts->gone.toHtmlEscaped();
    if (!changes.diff().removed.empty()) {
        gone = QString("<a href=\"gone\">%1</a>").arg(gone);
    }
    return session::ReadChanges::summaryPattern().toHtmlEscaped().arg(
        parts->since.toHtmlEscaped(), parts->added.toHtmlEscaped(), gone,
        parts->values.toHtmlEscaped());
}

}  // namespace

void ChangesLine::showChanges(const session::LoadedRoster* roster) {
    const QString line = roster ? linkedSummary(roster->changes) : QString();
    setText(line);
    setVisible(!line.isEmpty());
    // A list of the gone foals that the player has open follows; a closed one stays closed.
    if (gone_ != nullptr && gone_->isVisible()) {
        savedata::RosterDiff diff;
        if (roster) {
            diff.removed = roster->changes.diff().removed;
        }
        gone_->setDiff(std::move(diff));
        gone_->setWindowTitle(tr("Gone — %1").arg(roster ? roster->changes.summary() : QString()));
    }
}

QString ChangesLine::newFoalsText(const session::RosterSession& session, int most) {
    const std::vector<int> records = session.newFoals();
    if (records.empty()) {
        return {};
    }
    QStringList foals;
    for (int record : records) {
        if (foals.size() == most) {
            break;
        }
        const savedata::HorseEntry& entry = session.roster()->table.row(record);
        const auto score = savedata::scoreOf(entry, session.profile());
        const QString name = QString::fromStdString(entry.name);
        foals << (score ? QString("%1 %2").arg(name).arg(*score) : name);
    }
    QString line =
        tr("%n new: %1", "the new foals, the best score first", static_cast<int>(records.size()))
            .arg(foals.join(tr(", ", "between the new foals")));
    const int unnamed = static_cast<int>(records.size()) - static_cast<int>(foals.size());
    if (unnamed > 0) {
        line += tr(" and %n more", "the new foals beyond those named", unnamed);
    }
    return line;
}

QString ChangesLine::newFoalsLine(const session::RosterSession& session) {
    const QString line = newFoalsText(session, kNamedNewFoals);
    return line.isEmpty() ? line : QString("<a href=\"new\">%1</a>").arg(line.toHtmlEscaped());
}

ComparisonView* ChangesLine::showGoneFoals() {
    if (gone_ == nullptr) {
        gone_ = new ComparisonView(session_, window());
        gone_->setWindowFlag(Qt::Window);
        gone_->setObjectName("frmGoneFoals");
        gone_->resize(window()->width(), 240);
    }
    gone_->show();
    showChanges(session_.roster().get());
    gone_->raise();
    return gone_;
}

}  // namespace foalix::ui
