// Judging the stable in the windows: the Score column sorted best first and rescored by the
// profile chosen, a profile made in its dialog with the chosen foal's score following the
// weights, a saved view back after a restart, the stable overview's bars filtering the
// table, and the new foals named best score first.
//
// The five foals score, by Balanced: アオ (2) 60, オナジ (5) 68, オナジ (9) 68, トシウエ (12)
// 70, ミドリ (1) 70. They share SP A, ST A, 根性 C, 精神 D, 体力 D but record 9's C, so by
// Stayer (素質 2, ＳＴ 3, 根性 3, 体力 2, ＳＰ 1, 精神 1) each is (2 × 素質's place + 4 +
// 2 × 体力's) / 12: 2 is 33, 5 is 46, 9 is 47, 12 and 1 are 50.
#include <QInputDialog>
#include <QListWidget>

#include "tests/ui/main_window_fixture.h"
#include "ui/profiles_dialog.h"
#include "ui/stable_overview.h"

namespace foalix::testing {
namespace {

using savedata::ScoreProfile;
using session::RosterModel;

class JudgingStableTest : public MainWindowTest {
  protected:
    void clickHeader(int column) {
        QHeaderView* header = view()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 4, 4));
    }
    void chooseIn(const char* combo, const QString& data) {
        auto* box = control<QComboBox>(table_, combo);
        const int index = box->findData(data);
        ASSERT_GE(index, 0) << data.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    QString scores() {
        return joined(0, view()->model()->rowCount(), [this](int row) {
            return view()->model()->index(row, RosterModel::kScoreColumn).data().toString();
        });
    }
};

TEST_F(JudgingStableTest, ScoreColumnBestFirstByTheProfileChosen) {
    openTable();
    clickHeader(RosterModel::kScoreColumn);
    // Ties by name (トシウエ before ミドリ), then by record.
    EXPECT_EQ(records() + " / " + scores(), "12 1 5 9 2 / 70 70 68 68 60");
    // Tinted like the grades, a fifth of the scale each: 70 and 60 as an A.
    const auto tint = [this](int row, int column) {
        return view()->model()->index(row, column).data(Qt::BackgroundRole);
    };
    const auto gradeTint = [&](const QString& grade) {
        for (int column = 0; column < view()->model()->columnCount(); ++column) {
            for (int row = 0; row < view()->model()->rowCount(); ++row) {
                if (column != RosterModel::kScoreColumn && tint(row, column).isValid() &&
                    view()->model()->index(row, column).data().toString() == grade) {
                    return tint(row, column);
                }
            }
        }
        return QVariant();
    };
    ASSERT_TRUE(gradeTint("A").isValid());
    EXPECT_EQ(tint(0, RosterModel::kScoreColumn), gradeTint("A"));
    EXPECT_EQ(tint(4, RosterModel::kScoreColumn), gradeTint("A"));
    chooseIn("cboProfile", "Stayer");
    EXPECT_EQ(records() + " / " + scores(), "12 1 9 5 2 / 50 50 47 46 33");
    EXPECT_EQ(box("txtScore"), "");  // no foal chosen
    window_->session().setCurrentRecord(9);
    EXPECT_EQ(box("txtScore"), "47");
    control<QLineEdit>(table_, "txtFilter")->setText("評分>=47");
    EXPECT_EQ(records(), "12 1 9");
    // Kept for the next start.
    start();
    EXPECT_EQ(window_->session().profile().name, "Stayer");
}

TEST_F(JudgingStableTest, AProfileMadeInItsDialogScoresTheChosenFoalAsItsWeightsMove) {
    openTable();
    window_->session().setCurrentRecord(1);  // ミドリ, 7 of Balanced's 10 places, 素質 S one
    ui::ProfilesDialog* dialog = table_->showProfiles();
    click("cmdApply");
    window_->session().setCurrentRecord(1);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdNewProfile"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtProfileName")->text(), "My profile");
    EXPECT_EQ(control<QLabel>(dialog, "lblProfileScore")->text(), "ミドリ: 70");
    control<QSpinBox>(dialog, "spnWeightGrade")->setValue(10);  // (10 + 6) / 19
    EXPECT_EQ(control<QLabel>(dialog, "lblProfileScore")->text(), "ミドリ: 84");
    control<QLineEdit>(dialog, "txtProfileName")->setText("Quality");
    QTest::mouseClick(control<QPushButton>(dialog, "cmdSaveProfile"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdUseProfile"), Qt::LeftButton);
    EXPECT_EQ(box("txtScore"), "84");
    control<QLineEdit>(dialog, "txtProfileName")->setText("Balanced");  // a built-in's name
    QTest::mouseClick(control<QPushButton>(dialog, "cmdSaveProfile"), Qt::LeftButton);
    EXPECT_TRUE(control<QLabel>(dialog, "lblProfileError")->isVisibleTo(dialog));
    control<QLineEdit>(dialog, "txtProfileName")->setText("Quality");
    // Changes not kept: leaving them asks; Cancel stays on them, Save keeps them.
    auto& messages = fake_.messages;
    const auto chooseRow = [dialog](int row) {
        control<QListWidget>(dialog, "lstProfiles")->setCurrentRow(row);
    };
    control<QSpinBox>(dialog, "spnWeightSP")->setValue(0);  // 10 + 5 of 18
    messages.answers = {platform::Answer::Cancel, platform::Answer::Save};
    chooseRow(0);
    EXPECT_EQ(control<QSpinBox>(dialog, "spnWeightSP")->value(), 0);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtProfileName")->text(), "Quality");
    chooseRow(0);
    EXPECT_EQ(messages.texts(),
              "Save the changes to the profile Quality?|Save the changes to the profile Quality?");
    EXPECT_EQ(box("txtScore"), "83");  // kept, and in use
    EXPECT_EQ(control<QLineEdit>(dialog, "txtProfileName")->text(), "Balanced");
    // Use takes the weights as shown, kept first; another profile chosen meanwhile does not
    // reset the boxes.
    dialog->choose("Quality");
    control<QSpinBox>(dialog, "spnWeightGrade")->setValue(0);
    chooseIn("cboProfile", "Stayer");
    EXPECT_EQ(control<QSpinBox>(dialog, "spnWeightGrade")->value(), 0);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdUseProfile"), Qt::LeftButton);
    EXPECT_EQ(messages.shown.size(), 2u);
    start();
    EXPECT_EQ(window_->session().profile().name, "Quality");
    EXPECT_EQ(window_->session().profile().weights.at(0), 0);
    // Deleting asks first.
    openTable();
    dialog = table_->showProfiles();
    dialog->choose("Quality");
    fake_.messages.answers = {platform::Answer::Cancel, platform::Answer::Ok};
    QTest::mouseClick(control<QPushButton>(dialog, "cmdDeleteProfile"), Qt::LeftButton);
    EXPECT_EQ(window_->session().profiles().size(), savedata::builtInProfiles().size() + 1);
    QTest::mouseClick(control<QPushButton>(dialog, "cmdDeleteProfile"), Qt::LeftButton);
    EXPECT_EQ(window_->session().profile().name, "Balanced");
    EXPECT_EQ(fake_.messages.shown.back().text, "Delete the profile Quality?");
}

TEST_F(JudgingStableTest, ASavedViewComesBackWithItsFilterSortAndProfile) {
    openTable();
    control<QLineEdit>(table_, "txtFilter")->setText("オ");
    clickHeader(RosterModel::kScoreColumn);
    chooseIn("cboProfile", "Stayer");
    whenModal([](QWidget* modal) {
        auto* ask = static_cast<QInputDialog*>(modal);
        ask->setTextValue("Stayers");
        ask->accept();
    });
    QTest::mouseClick(control<QPushButton>(table_, "cmdSaveView"), Qt::LeftButton);
    start();
    openTable();
    EXPECT_EQ(window_->session().profile().name, "Stayer");
    window_->session().useProfile("Balanced");
    chooseIn("cboView", "Stayers");
    EXPECT_EQ(control<QLineEdit>(table_, "txtFilter")->text(), "オ");
    EXPECT_EQ(view()->horizontalHeader()->sortIndicatorSection(), RosterModel::kScoreColumn);
    EXPECT_EQ(view()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(window_->session().profile().name, "Stayer");
    EXPECT_EQ(records(), "9 5 2");
    // Saved again under its name: replaced once the player says so.
    control<QLineEdit>(table_, "txtFilter")->setText("ア");
    fake_.messages.answers = {platform::Answer::Cancel, platform::Answer::Ok};
    for (int twice = 0; twice < 2; ++twice) {
        whenModal([](QWidget* modal) { static_cast<QInputDialog*>(modal)->accept(); });
        QTest::mouseClick(control<QPushButton>(table_, "cmdSaveView"), Qt::LeftButton);
        EXPECT_EQ(window_->session().savedViews().at(0).filter, twice == 0 ? "オ" : "ア");
    }
    EXPECT_EQ(fake_.messages.texts(), "Replace the view Stayers?|Replace the view Stayers?");
    // A view whose profile was deleted since says so and keeps the one in use.
    window_->session().keepProfile({"Doomed", {}});
    window_->session().useProfile("Doomed");
    whenModal([](QWidget* modal) {
        auto* ask = static_cast<QInputDialog*>(modal);
        ask->setTextValue("Gone");
        ask->accept();
    });
    QTest::mouseClick(control<QPushButton>(table_, "cmdSaveView"), Qt::LeftButton);
    window_->session().deleteProfile("Doomed");
    chooseIn("cboView", "Gone");
    EXPECT_EQ(fake_.messages.shown.back().text,
              "The view Gone scores by the profile Doomed, which is no longer kept; the scores "
              "stay by Balanced.");
    EXPECT_EQ(window_->session().profile().name, "Balanced");
}

TEST_F(JudgingStableTest, TheOverviewCountsTheListedFoalsAndItsBarsFilterTheTable) {
    click("cmdApply");
    ui::StableOverview* overview = window_->showOverview();
    const auto named = [overview](const QString& name) -> ui::OverviewBar* {
        for (ui::OverviewBar* bar : overview->bars()) {
            if (bar->accessibleName() == name) {
                return bar;
            }
        }
        return nullptr;
    };
    ASSERT_NE(named("素質 S: 2 of 5"), nullptr);
    EXPECT_NE(named("年齡 -: 1 of 5"), nullptr);
    EXPECT_NE(named("評分 (Balanced) 70–79: 2 of 5"), nullptr);
    QTest::mouseClick(named("素質 S: 2 of 5"), Qt::LeftButton);
    table_ = window_->showRosterTable();
    EXPECT_EQ(control<QLineEdit>(table_, "txtFilter")->text(), "素質=S");
    EXPECT_EQ(records(), "12 1");
    QTest::mouseClick(named("評分 (Balanced) 60–69: 3 of 5"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>(table_, "txtFilter")->text(), "評分>=60 評分<70");
    EXPECT_EQ(records(), "2 5 9");
    // It follows the age boxes: only the foal of age 1.
    click("chkTwo");
    click("cmdApply");
    EXPECT_NE(named("素質 S: 1 of 1"), nullptr);
    // A profile that weighs nothing gives no bands but says so.
    ScoreProfile nothing{"Nothing", {}};
    window_->session().keepProfile(nothing);
    window_->session().useProfile("Nothing");
    EXPECT_EQ(named("評分 (Nothing) 60–69: 0 of 1"), nullptr);
    EXPECT_EQ(control<QLabel>(overview, "lblNoScores")->text(),
              "Nothing: every weight is 0, no foal has a score");
}

TEST_F(JudgingStableTest, TheNewFoalsBestScoreFirstAndAClickShowsThemAlone) {
    QTemporaryDir history;
    start(history.path());
    openTable();
    slotgen::SlotImage more = fiveFoals();
    more.foal(20, 30, "アカ", 20, 0x00, kExampleOne).foal(21, 31, "クロ", 21, 0x08, kExampleTwo);
    more.writeTo(slot(1));
    click("cmdApply");
    auto* line = control<QLabel>(table_, "lblNewFoals");
    EXPECT_EQ(line->text(), "<a href=\"new\">2 new: アカ 73, クロ 30</a>");
    emit line->linkActivated("new");
    EXPECT_EQ(records(), "20 21");
    // Many new foals: the best five named, the rest counted, all in the tooltip; the
    // window no wider than the screen.
    const char* const names[] = {"イチ", "ニイ", "サン", "ヨン", "ゴウ", "ロク", "ナナ"};
    for (int i = 0; i < 7; ++i) {
        more.foal(22 + i, 32 + i, names[i], 22 + i, 0x00, kExampleTwo);
    }
    more.writeTo(slot(1));
    click("cmdApply");
    EXPECT_EQ(line->text(),
              "<a href=\"new\">7 new: イチ 30, ゴウ 30, サン 30, ナナ 30, ニイ 30 and 2 more</a>");
    EXPECT_EQ(line->toolTip(),
              "7 new: イチ 30, ゴウ 30, サン 30, ナナ 30, ニイ 30, ヨン 30, ロク 30");
    EXPECT_LE(table_->frameGeometry().width(), table_->screen()->availableGeometry().width());
}

}  // namespace
}  // namespace foalix::testing
