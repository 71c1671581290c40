// Each foal's story in the windows: a note written in the table's Note column and under the
// main window's values, found by its tag after a restart and after the game saved again; a
// foal's reads with their moves marked and a chart that steps where they moved; its card as
// text and as a picture; the history backed up and taken back.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <fstream>

#include "tests/ui/main_window_fixture.h"
#include "ui/foal_card.h"
#include "ui/foal_story_window.h"
#include "ui/step_chart.h"

namespace foalix::testing {
namespace {

using session::RosterModel;

class FoalStoryTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start(QString::fromStdString(history_.str()));
    }
    QString notes() {
        return joined(0, view()->model()->rowCount(), [this](int row) {
            return view()->model()->index(row, RosterModel::kNoteColumn).data().toString();
        });
    }
    // The Note column's editor while it is open.
    QPlainTextEdit* openCell() {
        for (auto* cell : table_->findChildren<QPlainTextEdit*>("txtNoteCell")) {
            if (cell->isVisible()) {
                return cell;
            }
        }
        return nullptr;
    }
    TempDir history_;
};

TEST_F(FoalStoryTest, ANoteIsWrittenInPlaceAndFoundByItsTagAfterARestartAndTwoSaves) {
    openTable();
    table_->selectRecord(1);
    QApplication::setActiveWindow(table_);
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_F2);  // from the name's column: the note's cell opens
    QPlainTextEdit* cell = openCell();
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, "#keep sire");
    QTest::keyClick(cell, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(cell, "line");
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(window_->session().noteOn(1), "#keep sire\nline");
    EXPECT_EQ(notes(), "    #keep sire / line");  // in the list order: ミドリ last
    EXPECT_EQ(get<QPlainTextEdit>("txtNote")->toPlainText(), "#keep sire\nline");
    // Escape drops what was typed.
    QTest::keyClick(view(), Qt::Key_F2);
    cell = openCell();
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, " more");
    QTest::keyClick(cell, Qt::Key_Escape);
    EXPECT_EQ(window_->session().noteOn(1), "#keep sire\nline");
    EXPECT_EQ(openCell(), nullptr);
    // Under the values: the current foal's, kept when the box is left.
    window_->session().setCurrentRecord(9);
    auto* box = get<QPlainTextEdit>("txtNote");
    box->setFocus();
    QTest::keyClicks(box, "#KEEP? no: #maybe");
    window_->session().setCurrentRecord(2);
    EXPECT_EQ(window_->session().noteOn(9), "#KEEP? no: #maybe");
    control<QLineEdit>(table_, "txtFilter")->setText("#keep");
    EXPECT_EQ(records(), "9 1");
    // Typed for one foal while the game's save brings another to its record: the note is the
    // first foal's, the other's stays its own, and a box left unchanged writes nothing.
    window_->session().setCurrentRecord(2);
    QApplication::setActiveWindow(window_.get());
    box->setFocus();
    QTest::keyClicks(box, "for");
    window_->session().reload();  // the same foal: the box keeps its cursor where it was
    QTest::keyClicks(box, " ao");
    // The game saves クロ into record 2, then アオ back: the note written is アオ's.
    const auto savedAwayAndBack = [this] {
        std::istringstream other("foal 2 12 \"クロ\" 2 08 2C 30 18 10 00 05 C3 F1\n");
        slotgen::parseDescription(other).writeTo(slot(1));
        window_->session().reload();
        const std::string onOther = window_->session().noteOn(2).toStdString();
        fiveFoals().writeTo(slot(1));
        window_->session().reload();
        return onOther + "|" + window_->session().noteOn(2).toStdString();
    };
    EXPECT_EQ(savedAwayAndBack(), "|for ao");
    // The same in the table's cell, still open when the save is read again: the note is
    // kept for the foal it was typed for, not for the one the read brings to its record.
    control<QLineEdit>(table_, "txtFilter")->clear();
    table_->selectRecord(2);
    QApplication::setActiveWindow(table_);
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_F2);
    cell = openCell();
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, " in the cell");
    EXPECT_EQ(savedAwayAndBack(), "|for ao in the cell");
    // A read that still shows the foal opens its cell again, what was typed kept, so the
    // player types on; one that fails (the game still writing) keeps nothing early: Escape
    // drops what was typed since.
    table_->selectRecord(2);
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_F2);
    ASSERT_NE(openCell(), nullptr);
    QTest::keyClicks(openCell(), " half");
    window_->session().reload();
    cell = openCell();
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, " more");
    std::ofstream(slot(1), std::ios::binary | std::ios::trunc) << "half a save";
    EXPECT_FALSE(window_->session().reload());
    ASSERT_EQ(openCell(), cell);
    EXPECT_EQ(cell->toPlainText(), "for ao in the cell half more");
    QTest::keyClick(cell, Qt::Key_Escape);
    EXPECT_EQ(window_->session().noteOn(2), "for ao in the cell half");
    fiveFoals().writeTo(slot(1));
    // After a restart and two saves, one of which renamed record 9's foal.
    start(QString::fromStdString(history_.str()));
    fiveFoals().writeTo(slot(1));
    click("cmdApply");
    std::string renamed = "foal 9 19 \"ハナ\" 9 08 3C 30 18 12 00 65 C3 F1\n";
    std::istringstream description("foal 1 11 \"ミドリ\" 1 00 50 30 18 08 00 41 C3 F1\n" + renamed);
    slotgen::parseDescription(description).writeTo(slot(1));
    openTable();
    control<QLineEdit>(table_, "txtFilter")->setText("#keep");
    EXPECT_EQ(records(), "1");
    control<QLineEdit>(table_, "txtFilter")->setText("sire");  // a note's words as names'
    EXPECT_EQ(records(), "1");
}

// A note box the player only visited writes nothing, not even over a note that another
// window wrote into the same history meanwhile.
TEST_F(FoalStoryTest, ANoteBoxLeftUnchangedWritesNothing) {
    click("cmdApply");
    window_->session().setCurrentRecord(1);
    QApplication::setActiveWindow(window_.get());
    get<QPlainTextEdit>("txtNote")->setFocus();
    const auto foal = window_->session().notedFoal(1);
    ASSERT_TRUE(foal);
    {
        history::History other(history_.str() + "/" + history::kHistoryFileName);
        ASSERT_TRUE(other.note(foal->saveFolder, foal->slot, 1, foal->name, "from elsewhere", 1));
    }
    window_->session().setCurrentRecord(9);
    window_->session().reload();
    EXPECT_EQ(window_->session().noteOn(1), "from elsewhere");
}

// Three saves of a foal whose grade rose twice and whose speed fell once.
TEST_F(FoalStoryTest, AFoalsReadsAreMarkedWhereTheyMovedAndItsChartSteps) {
    const char* grades[] = {"2C", "46", "50"};  // D, A, S: the grade's byte
    for (const char* grade : grades) {
        std::istringstream description(std::string("foal 1 11 \"ミドリ\" 1 00 ") + grade +
                                       (std::string(grade) == "50" ? " 20" : " 30") +
                                       " 18 08 00 41 C3 F1\n");
        slotgen::parseDescription(description).writeTo(slot(1));
        click("cmdApply");
    }
    window_->session().setCurrentRecord(1);
    ui::FoalStoryWindow* story = window_->showFoalStory();
    QTableWidget* reads = story->readTable();
    ASSERT_EQ(reads->rowCount(), 3);
    const int grade = 1 + static_cast<int>(std::ranges::find(savedata::fieldsInReadingOrder(),
                                                             savedata::fieldByKey("Grade")) -
                                           savedata::fieldsInReadingOrder().begin());
    QString column;
    for (int row = 0; row < 3; ++row) {
        column += reads->item(row, grade)->text() +
                  (reads->item(row, grade)->icon().isNull() ? "" : "*") + " ";
    }
    EXPECT_EQ(column, "D A* S* ");
    EXPECT_EQ(reads->item(1, grade)->toolTip(), "▲ better: was D");
    const auto steps = story->chart()->steps(*savedata::fieldByKey("Grade"));
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[1].first, 1);
    EXPECT_DOUBLE_EQ(steps[2].second, 1.0);
    EXPECT_EQ(story->chart()->steps(*savedata::fieldByKey("Mud")).size(), 1u);
    EXPECT_TRUE(control<QLabel>(story, "lblFoalHistory")->text().startsWith("ミドリ (No. 1)"));
    // It follows the current foal.
    fiveFoals().writeTo(slot(1));
    click("cmdApply");
    window_->session().setCurrentRecord(9);
    EXPECT_EQ(reads->rowCount(), 1);
}

// The card: the values lined up by display width, the score, the note; a formula-like name
// kept text; a picture of its own.
TEST_F(FoalStoryTest, TheCardReadsAsTextAndAsAPicture) {
    fiveFoals("=アオ").writeTo(slot(1));
    click("cmdApply");
    window_->session().setNote(1, "#keep");
    const ui::FoalCard card = ui::cardOf(window_->session(), 1);
    EXPECT_TRUE(card.name.startsWith("=")) << card.name.toStdString();  // the picture: as it is
    const QStringList lines = ui::cardText(card).split('\n');
    EXPECT_TRUE(lines.at(0).startsWith("'=")) << lines.at(0).toStdString();  // kept text
    EXPECT_TRUE(lines.at(1).startsWith("年齡  1  ")) << lines.at(1).toStdString();
    EXPECT_TRUE(lines.at(3).startsWith("ＳＰ  A  ")) << lines.at(3).toStdString();
    EXPECT_TRUE(lines.at(14).startsWith("賢    ")) << lines.at(14).toStdString();  // padded
    EXPECT_EQ(lines.at(15), "評分 (Balanced): 70");
    EXPECT_EQ(lines.at(17), "#keep");
    const QImage image = ui::cardImage(card);
    EXPECT_GT(image.width(), 500);
    EXPECT_GT(image.height(), 300);
    window_->session().setCurrentRecord(1);
    window_->showFoalStory()->copyCard();
    EXPECT_EQ(QApplication::clipboard()->text(), ui::cardText(card));
}

// A backup taken back in place of a history with other notes; a file that is no history
// changes nothing and says why.
TEST_F(FoalStoryTest, TheHistoryIsBackedUpAndTakenBack) {
    click("cmdApply");
    session::RosterSession& session = window_->session();
    session.setNote(1, "#keep");
    const QString copy = QString::fromStdString(history_.str()) + "/copy.sqlite3";
    EXPECT_TRUE(session.backUpHistory(copy));
    session.setNote(1, "changed");
    const QString bad = QString::fromStdString(history_.str()) + "/bad.sqlite3";
    std::ofstream(bad.toStdString()) << std::string(4096, 'x');
    EXPECT_FALSE(session.restoreHistory(bad));
    EXPECT_EQ(session.noteOn(1), "changed");
    EXPECT_TRUE(session.restoreHistory(copy));
    EXPECT_EQ(session.noteOn(1), "#keep");
    // Never over the history itself; an ideographic space alone is no note, now or later.
    const QString live = QString::fromStdString(history_.str()) + "/history.sqlite3";
    EXPECT_FALSE(session.backUpHistory(live));
    session.setNote(1, "\u3000 ");
    EXPECT_EQ(session.noteOn(1), "");
    EXPECT_TRUE(session.history()->notes(session.roster()->saveFolder, 1).empty());
    EXPECT_EQ(get<QPlainTextEdit>("txtNote")->toPlainText(),
              window_->session().currentRecord() == 1 ? "#keep" : QString());
}

}  // namespace
}  // namespace foalix::testing
