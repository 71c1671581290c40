// The player's own ways of judging the stable, kept where the next start (and foalix-dump)
// find them: profiles made, renamed and deleted, the one in use scoring the model; views
// saved, renamed and deleted; the new foals named best score first.
#include "history/sqlite.h"
#include "tests/session/session_fixture.h"

namespace foalix::testing {
namespace {

using savedata::ScoreProfile;
using session::RosterSession;

ScoreProfile weighing(const char* name, const char* weights) {
    ScoreProfile profile = std::get<ScoreProfile>(savedata::parseWeights(weights));
    profile.name = name;
    return profile;
}

class JudgingTest : public SessionTest {
  protected:
    // The score column, row by row.
    QString scores() {
        session::RosterModel* model = session_->model();
        return joined(0, model->rowCount(), [model](int row) {
            return model->index(row, session::RosterModel::kScoreColumn).data().toString();
        });
    }
};

TEST_F(JudgingTest, OwnProfilesAreKeptRenamedAndDeleted) {
    save(1, {{1, "アオ", 'S'}, {2, "クロ", 'B'}});
    session_->apply(1, {});
    EXPECT_EQ(session_->profile().name, "Balanced");
    QSignalSpy scored(session_.get(), &RosterSession::profileChanged);
    EXPECT_TRUE(session_->keepProfile(weighing("Grade only", "Grade=1")));
    // Names that would read as another's: a built-in's in another case or language, the
    // player's own in another case.
    for (const ScoreProfile& refused :
         {weighing("Balanced", "SP=1"), weighing("balanced", "SP=1"),
          weighing("ステイヤー", "SP=1"), weighing("Grade only", "SP=1"),
          weighing("GRADE ONLY", "SP=1"), weighing("two\nlines", ""), weighing("", "SP=1")}) {
        EXPECT_FALSE(session_->keepProfile(refused)) << refused.name;
    }
    session_->useProfile("Grade only");
    EXPECT_EQ(scores(), "100 50");  // アオ S, クロ B
    session_->keepView({"Quality", "", false, "score", true, "Grade only"});
    session_->keepView({"Stayers", "", false, "score", true, "Stayer"});
    EXPECT_TRUE(session_->keepProfile(weighing("grade ONLY", "Grade=1"), "Grade only"));
    session_->keepProfile(weighing("Grades", "Grade=2,Mind=0"), "grade ONLY");
    EXPECT_EQ(session_->profile().name, "Grades");  // renamed in use, still in use
    // The views that scored by it follow it; the others keep theirs.
    EXPECT_EQ(session_->savedViews().at(0).profile, "Grades");
    EXPECT_EQ(session_->savedViews().at(1).profile, "Stayer");
    EXPECT_EQ(scored.size(), 3);
    // Kept as foalix-dump reads them.
    const QString kept = fake_.settings.store.get("Score", "Profiles", "");
    EXPECT_EQ(savedata::profilesText(savedata::profilesFromText(
                  QByteArray::fromBase64(kept.toLatin1()).toStdString())),
              "Grade=2\tGrades\n");
    start();
    session_->apply(1, {});
    EXPECT_EQ(session_->profile().name, "Grades");
    EXPECT_EQ(session_->profiles().size(), savedata::builtInProfiles().size() + 1);
    session_->deleteProfile("Grades");
    EXPECT_EQ(session_->profile().name, "Balanced");
    EXPECT_EQ(scores(), "70 65");  // the grade's place (1 and ½) a tenth of the score
}

TEST_F(JudgingTest, SavedViewsAreKeptRenamedAndDeleted) {
    const session::SavedView fast{"Fast", "SP>=A", true, "score", true, "Stayer"};
    EXPECT_TRUE(session_->keepView(fast));
    EXPECT_TRUE(session_->keepView({"Turf", "芝適=A", false, "", false, "Balanced"}));
    EXPECT_FALSE(session_->keepView({"Fast", "", false, "", false, ""}, "Turf"));  // taken
    EXPECT_FALSE(session_->keepView({" ", "", false, "", false, ""}));
    EXPECT_TRUE(session_->keepView({"Grass", "芝適=A", false, "", false, "Balanced"}, "Turf"));
    start();
    const auto views = session_->savedViews();
    ASSERT_EQ(views.size(), 2u);
    EXPECT_EQ(views[0], fast);
    EXPECT_EQ(views[1].name, "Grass");
    session_->deleteView("Fast");
    EXPECT_EQ(session_->savedViews().size(), 1u);
}

// After a save that brought foals, the new ones the age boxes list, the best score first.
TEST_F(JudgingTest, TheNewFoalsBestScoreFirst) {
    save(1, {{1, "アオ", 'B'}});
    session_->apply(1, {});
    save(1, {{1, "アオ", 'B'}, {2, "クロ", 'D'}, {3, "アカ", 'S'}, {4, "シロ", 'S', 2}});
    session_->apply(1, {savedata::BoxValue::Ticked, savedata::BoxValue::Unticked});
    EXPECT_EQ(session_->newFoals(), (std::vector<int>{3, 2}));
}

}  // namespace
}  // namespace foalix::testing
