// The roster session without a window: a read that meets another program's lock, stars of
// a mixed choice, what is compared and how it follows the game, diagnostics.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "history/sqlite.h"
#include "session/comparison.h"
#include "session/diagnostics.h"
#include "tests/session/session_fixture.h"

namespace foalix::testing {
namespace {

using session::RosterSession;

std::string grades(const savedata::Foals& foals) {
    std::string text;
    for (const auto& [record, entry] : foals) {
        text += entry.Grade;
    }
    return text;
}

// Another program holds the history while the game saves: the event loop never waits
// long for it (the write gives up within a tenth of a second, the retries do not wait), the
// changes still show, and the read is kept once the lock frees, without another save.
TEST_F(SessionTest, AReadThatMeetsALockNeitherStopsTheWindowNorIsLost) {
    save(1, {{1, "ハヤテ", 'S'}});
    session_->apply(1, {});
    history::Connection other(session_->historyFile().toStdString());
    other.exec("BEGIN EXCLUSIVE");
    save(1, {{1, "ハヤテ", 'A'}});
    QSignalSpy notices(session_.get(), &RosterSession::notice);
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(5);
    QTimer::singleShot(50, session_.get(), [this] { session_->reload(); });
    // Clear History cannot clear it meanwhile; the read still waits its turn.
    QTimer::singleShot(700, session_.get(), [this] { session_->clearHistory(); });
    QTimer::singleShot(1500, [&] { other.exec("COMMIT"); });
    const auto kept = [this] { return session_->keptReads(saveFolder_.toStdString(), 1); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return kept().size() == 2; }, 5000));
    EXPECT_GT(clock.elapsed(), 1500);  // kept after the lock freed, not before
    EXPECT_LT(longest, 250);
    const auto reads = kept();
    EXPECT_EQ(grades(session_->keptFoals(reads[0].id)), "A");
    EXPECT_EQ(reads[0].changes, 1);
    EXPECT_EQ(session_->roster()->changes.summary().section(": ", 1),
              "0 new, 0 gone, 1 values changed");
    ASSERT_GE(notices.size(), 2);
    EXPECT_EQ(notices.first().at(0).toString(),
              "This read waits to be kept in the history: another program is using it");
    EXPECT_EQ(notices.last().at(0).toString(), "The reads that waited are kept in the history");
}

// A choice of starred and unstarred foals is starred whole; one wholly starred is unstarred.
// Only listed foals are starred, and the stars are there after a restart.
TEST_F(SessionTest, AMixedChoiceIsStarredWhole) {
    save(1, {{1, "アオ", 'S'}, {2, "クロ", 'A'}, {3, "シロ", 'B', 2}});
    session_->apply(1, {savedata::BoxValue::Ticked, savedata::BoxValue::Unticked});
    const auto starred = [this] {
        const auto& stars = session_->roster()->starred;
        return std::vector<int>(stars.begin(), stars.end());
    };
    for (const auto& [choice, after] : std::vector<std::pair<std::vector<int>, std::vector<int>>>{
             {{1}, {1}}, {{1, 2, 3}, {1, 2}}, {{1, 2}, {}}, {{2}, {2}}}) {
        session_->toggleStars(choice);
        EXPECT_EQ(starred(), after) << choice.size();
    }
    start();
    session_->apply(1, {savedata::BoxValue::Ticked, savedata::BoxValue::Unticked});
    EXPECT_EQ(starred(), std::vector<int>{2});
}

// What Compare Foals compares is the table's choice of two or more, else the list's; two to
// four foals only. The foals compared follow each save: one whose record holds another name
// is gone with its last values, one the age boxes no longer list is still there, and the
// best of each value is the best of the foals still there.
TEST_F(SessionTest, TheComparisonFollowsTheGame) {
    save(1,
         {{1, "アオ", 'D'}, {2, "クロ", 'A'}, {3, "シロ", 'B'}, {4, "アカ", 'B'}, {5, "キ", 'B'}});
    session_->apply(1, {savedata::BoxValue::Ticked, savedata::BoxValue::Unticked});
    session_->setChosen(session::ChoiceSource::List, {1, 2, 3});
    session_->setChosen(session::ChoiceSource::Table, {2});
    EXPECT_EQ(session_->foalsToCompare(), (std::vector<int>{1, 2, 3}));
    session_->setChosen(session::ChoiceSource::Table, {2, 3});
    EXPECT_EQ(session_->foalsToCompare(), (std::vector<int>{2, 3}));
    QSignalSpy changed(session_.get(), &RosterSession::comparisonChanged);
    EXPECT_FALSE(session_->compare({1}));
    EXPECT_FALSE(session_->compare({1, 2, 3, 4, 5}));
    EXPECT_FALSE(session_->compare({1, 9}));  // one of them listed
    EXPECT_EQ(changed.size(), 0);
    EXPECT_TRUE(session_->compare({1, 2, 3, 4}));
    const auto shown = [this] {
        std::string text;
        const session::Comparison& compared = session_->comparison();
        for (const session::ComparedFoal& foal : compared.foals) {
            text += std::to_string(foal.record) + foal.values.Grade + (foal.gone ? "gone " : " ");
        }
        return text + "best " + std::to_string(compared.bestOf(savedata::kHorseFields[0]));
    };
    EXPECT_EQ(shown(), "1D 2A 3B 4B best 4");  // A ranks 4th of D C B A S
    save(1, {{1, "アオ", 'D'}, {2, "ミドリ", 'S'}, {3, "シロ", 'A', 2}});
    session_->reload();
    EXPECT_EQ(shown(), "1D 2Agone 3A 4Bgone best 4");
    EXPECT_EQ(changed.size(), 2);
    // The best score is marked only where the scores differ: two Bs are scored alike.
    ASSERT_TRUE(session_->comparison().bestScore);
    EXPECT_EQ(session_->comparison().bestScore, session_->comparison().foals[2].score);  // シロ A
    save(1, {{1, "アオ", 'B'}, {2, "クロ", 'B'}});
    session_->reload();
    EXPECT_TRUE(session_->compare({1, 2}));
    EXPECT_FALSE(session_->comparison().bestScore);
}

// Help → Copy Diagnostics: the version, where the settings and the history are, the history's
// version, and what last went wrong.
TEST_F(SessionTest, DiagnosticsSayWhatABugReportNeeds) {
    save(1, {{1, "アオ", 'S'}});
    session_->apply(1, {});
    session_->apply(3, {});  // no such slot file
    const QString text = session::diagnostics(*session_);
    for (const QString& part :
         {QString("Foalix " FOALIX_VERSION "\n"), "Settings: " + fake_.settings.store.location(),
          QString("history.sqlite3 (version 3, "), QString("Recent failures:\n  "),
          QString(" Save Data not found\n")}) {
        EXPECT_TRUE(text.contains(part)) << text.toStdString();
    }
}

}  // namespace
}  // namespace foalix::testing
