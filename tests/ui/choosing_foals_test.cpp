// Choosing the best foals: the table's marks of each column's best value and the menu
// entry that turns them off; stars (Space, the ★ column, the list, Starred only, the
// export and foalix-dump) kept while a foal's record and name stay, across reloads and
// restarts; the filter box's conditions and errors; the compare window and its chart.
#include <cmath>
#include <fstream>

#include "history/history.h"
#include "session/language.h"
#include "session/roster_model.h"
#include "tests/dump_runner.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/compare_window.h"
#include "ui/radar_chart.h"

namespace foalix::testing {
namespace {

using session::RosterModel;

// The five foals in list order, with their values in the table's columns:
//   2 アオ D…体力 D 牝, 5 オナジ A…体力 D 牡, 9 オナジ B…体力 C 牝, 12 トシウエ S - 牡,
//   1 ミドリ S 1 牡; every other graded value the same for all five.
class ChoosingFoalsTest : public MainWindowTest {
  protected:
    QAbstractItemModel* model() { return view()->model(); }
    // For each column with a bold cell, its caption and the records of those cells.
    QString boldCells() {
        QStringList columns;
        for (int column = 0; column < model()->columnCount(); ++column) {
            const QString bold = joined(0, model()->rowCount(), [&](int row) {
                                     const QModelIndex cell = model()->index(row, column);
                                     return cell.data(Qt::FontRole).value<QFont>().bold()
                                                ? recordAt(row)
                                                : QString();
                                 }).simplified();
            if (!bold.isEmpty()) {
                columns << model()->headerData(column, Qt::Horizontal).toString() + ": " + bold;
            }
        }
        return columns.join(", ");
    }
    QString recordAt(int row) { return model()->index(row, 0).data().toString(); }
    // The records whose ★ cell shows a star.
    QString starred() {
        return joined(0, model()->rowCount(),
                      [&](int row) {
                          return model()->index(row, RosterModel::kStarColumn).data() == "★"
                                     ? recordAt(row)
                                     : QString();
                      })
            .simplified();
    }
    // Selects the rows of `records` in the table, as Ctrl+clicks would.
    void choose(std::initializer_list<int> records) {
        view()->clearSelection();
        for (int row = 0; row < model()->rowCount(); ++row) {
            if (std::count(records.begin(), records.end(), recordAt(row).toInt()) > 0) {
                view()->selectionModel()->select(
                    model()->index(row, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        }
    }
    QString count() { return control<QLabel>(table_, "lblCount")->text(); }
};

// Bold marks the best of each graded column among the foals listed, where they differ;
// the screen reader hears "S, best". View → Mark Best Values turns it off for good.
TEST_F(ChoosingFoalsTest, BestValuesAreMarkedUntilTurnedOff) {
    openTable();
    EXPECT_EQ(boldCells(), "素質: 12 1, 体力: 9");
    const QModelIndex best = model()->index(3, 3);  // 12's 素質
    EXPECT_EQ(best.data(Qt::AccessibleTextRole), "S, best");
    EXPECT_EQ(best.data(Qt::ToolTipRole), "The best of the foals listed");
    EXPECT_FALSE(model()->index(0, 3).data(Qt::AccessibleTextRole).isValid());
    // Age 1 alone lists one foal: nothing stands out among one, whatever the roster holds.
    click("chkTwo");
    click("cmdApply");
    EXPECT_EQ(records() + " / " + boldCells(), "1 / ");
    click("chkTwo");
    click("cmdApply");
    auto* mark = control<QAction>(window_.get(), "mnuMarkBestValues");
    EXPECT_TRUE(mark->isChecked());
    mark->trigger();
    EXPECT_EQ(boldCells(), "");
    start();
    openTable();
    EXPECT_FALSE(control<QAction>(window_.get(), "mnuMarkBestValues")->isChecked());
    EXPECT_EQ(boldCells(), "");
}

// Space stars the selected foals and unstars them when all are starred; the star follows
// the foal while its record holds its name, through reloads and a restart, and shows in
// the list, Starred only, the export and foalix-dump.
TEST_F(ChoosingFoalsTest, StarsStayWithTheirFoals) {
    openTable();  // without a history: no foal to show starred
    EXPECT_FALSE(control<QCheckBox>(table_, "chkStarredOnly")->isEnabled());
    TempDir dir;
    start(QString::fromStdString(dir.str()));
    openTable();
    auto* star = control<QAction>(table_, "mnuStar");
    EXPECT_FALSE(star->isEnabled());
    choose({5, 9});
    EXPECT_EQ(star->text(), "&Star");
    QApplication::setActiveWindow(table_);
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Space);
    EXPECT_EQ(starred(), "5 9");
    EXPECT_EQ(star->text(), "Un&star");
    EXPECT_EQ(list()->nameAt(1) + list()->nameAt(0), "★ オナジアオ");
    control<QCheckBox>(table_, "chkStarredOnly")->click();
    EXPECT_EQ(records() + " " + count(), "5 9 2 / 5頭");
    choose({5, 9});
    star->trigger();  // all starred: unstarred, and gone from Starred only
    EXPECT_EQ(records() + " " + count(), " 0 / 5頭");
    control<QCheckBox>(table_, "chkStarredOnly")->click();
    choose({1, 5});
    star->trigger();
    EXPECT_EQ(starred(), "5 1");
    // Record 7 is empty, no foal to star: with 5 it leaves 5 to decide, and unstars it.
    window_->session().toggleStars({5, 7});
    EXPECT_EQ(starred(), "1");
    window_->session().toggleStars({5});
    // One more star keeps the others; a foal whose record holds another name is another.
    fiveFoals("ハナ").writeTo(slot(1));
    click("cmdApply");
    EXPECT_EQ(starred(), "5");
    fiveFoals().writeTo(slot(1));
    start(QString::fromStdString(dir.str()));
    openTable();
    EXPECT_EQ(starred(), "5 1");
    // A click on the ★ header puts the starred foals first.
    QHeaderView* header = view()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(RosterModel::kStarColumn) + 4, 4});
    EXPECT_EQ(records().section(' ', 0, 2), "1 5 2") << records().toStdString();
    // foalix-dump reads the stars from the window's history; the export writes them too,
    // in the order shown.
    const auto starredIn = [](const std::string& csv) {
        const QStringList lines = QString::fromStdString(csv).split("\r\n");
        const qsizetype starred = lines.first().split(',').indexOf("starred");
        QStringList records;
        for (const QString& line : lines) {
            if (line.split(',').value(starred) == "1") {
                records << line.section(',', 0, 0);
            }
        }
        return records.join(' ');
    };
    const std::string history = (dir.path() / history::kHistoryFileName).string();
    EXPECT_EQ(
        starredIn(dump({"--format", "csv", "--history", history, saveDir_.toStdString(), "1"}).out),
        "5 1");
    const QString csv = QString::fromStdString(dir.str()) + "/roster.csv";
    ASSERT_TRUE(table_->exportCsv(csv));
    std::ifstream in(csv.toStdString(), std::ios::binary);
    EXPECT_EQ(starredIn(std::string(std::istreambuf_iterator<char>(in), {})), "1 5");  // as sorted
}

// The filter box: conditions by key or by the caption of the language in use, name words,
// and an error under the box for a condition that does not parse, which filters nothing.
TEST_F(ChoosingFoalsTest, FilterTakesConditionsAndSaysWhatIsWrong) {
    openTable();
    struct Case {
        session::Language language;
        const char* text;
        const char* shown;  // the records and the count
        const char* error;  // the start of the error under the box
    };
    const Case cases[] = {
        {session::Language::Original, "SP>=A 素質>B", "5 12 1 3 / 5頭", ""},
        {session::Language::Original, "sex=牝 オナジ", "9 1 / 5頭", ""},
        // The fields by the captions the player reads, in the window's language.
        {session::Language::Original, "Spd>=A", "2 5 9 12 1 5 / 5頭",
         "'Spd>=A': no field 'Spd'; fields are 年齡, 素質, ＳＰ, ＳＴ, 根性,"},
        {session::Language::English, "Spd>=A", "2 5 9 12 1 5 / 5 foals",
         "'Spd>=A': no field 'Spd'; fields are Age, Grade, Speed, Stamina, Guts,"},
        {session::Language::Japanese, "体力>D", "9 1 / 5頭", ""},
        {session::Language::Japanese, "素質>Q", "2 5 9 12 1 5 / 5頭",
         "「素質>Q」：「Q」は 素質 の値ではありません。"},
        // A score's range, and the score among the fields, in the window's language.
        {session::Language::Japanese, "スコア>=x", "2 5 9 12 1 5 / 5頭",
         "「スコア>=x」：「x」は スコア の値ではありません。値は 0～100"},
    };
    for (const Case& test : cases) {
        session::installLanguage(test.language);
        QCoreApplication::processEvents();  // the windows hear of the language
        control<QLineEdit>(table_, "txtFilter")->setText(test.text);
        auto* error = control<QLabel>(table_, "lblFilterError");
        EXPECT_EQ(records() + " " + count(), test.shown) << test.text;
        EXPECT_EQ(error->isVisibleTo(table_), *test.error != '\0') << test.text;
        EXPECT_EQ(error->text().left(QString::fromUtf8(test.error).size()),
                  QString::fromUtf8(test.error))
            << test.text << " " << error->text().toStdString();
    }
    // The score is a field too.
    control<QLineEdit>(table_, "txtFilter")->setText("Spd>=A");
    EXPECT_TRUE(control<QLabel>(table_, "lblFilterError")->text().endsWith("、スコア"));
    session::installLanguage(session::Language::Original);
}

// Three foals Ctrl+clicked in the list and compared: a column each, the best of each
// graded row marked where they differ, the chart's outlines on the scale's rings; a foal
// that leaves is greyed and named gone; Copy and Save Image; the place kept.
TEST_F(ChoosingFoalsTest, CompareShowsTheChosenFoalsSideBySide) {
    click("cmdApply");
    clickFoal(2);  // the second オナジ (record 9), then 5 and アオ (2): shown in list order
    for (int entry : {1, 0}) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list()->visualRect(list()->model()->index(entry, 1)).center());
    }
    control<QAction>(window_.get(), "mnuCompareFoals")->trigger();
    auto* compare = control<ui::CompareWindow>(window_.get(), "frmCompare");
    EXPECT_TRUE(compare->isVisible());
    const QString text = compare->tableAsText();
    EXPECT_TRUE(text.startsWith("\tアオ\tオナジ\tオナジ\n素質\tD\tA\tB\nＳＰ\tA\tA\tA\n"))
        << text.toStdString();
    const QAbstractItemModel* cells = compare->table()->model();
    QStringList best;
    for (int row = 0; row < cells->rowCount(); ++row) {
        for (int column = 0; column < cells->columnCount(); ++column) {
            const QModelIndex cell = cells->index(row, column);
            EXPECT_EQ(cell.data(Qt::FontRole).value<QFont>().bold(),
                      cell.data(Qt::BackgroundRole).isValid());
            if (cell.data(Qt::FontRole).value<QFont>().bold()) {
                best << cells->headerData(row, Qt::Vertical).toString() + " " +
                            cell.data(Qt::AccessibleTextRole).toString();
            }
        }
    }
    EXPECT_EQ(best.join(", "), "素質 A, best, 体力 C, best, 評分 68, best, 評分 68, best");
    control<QPushButton>(compare, "cmdCopyCompare")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    QApplication::clipboard()->clear();
    control<QAction>(compare, "mnuCopy")->trigger();  // Ctrl+C, as the button
    EXPECT_EQ(QApplication::clipboard()->text(), text);

    // The outline of アオ: D A A D C A A A D A on the axes 素質 ＳＰ ＳＴ 体力 根性 瞬發 芝適
    // 沙適 精神 賢, clockwise from the top; a ring per grade, S on the rim.
    ui::RadarChart* chart = compare->chart();
    EXPECT_EQ(joined(0, 10,
                     [](int i) {
                         return QCoreApplication::translate("HorseField",
                                                            ui::RadarChart::axes()[i]->caption);
                     })
                  .simplified(),
              "素質 ＳＰ ＳＴ 体力 根性 瞬發 芝適 沙適 精神 賢");
    const std::vector<QPointF> outline = chart->outline(0);
    const std::vector<QPointF> rim = chart->outline(1);  // オナジ's 素質 A: 4 of 5 rings
    const int grades[] = {1, 4, 4, 1, 2, 4, 4, 4, 1, 4};
    const QPointF centre = (outline[0] * 4 - rim[0]) / 3;  // D at 1/5 and A at 4/5 of one axis
    const double radius = QLineF(centre, rim[0]).length() * 5 / 4;
    for (std::size_t axis = 0; axis < outline.size(); ++axis) {
        const double angle = 2 * M_PI * static_cast<double>(axis) / 10;
        const QPointF expected =
            centre + QPointF(std::sin(angle), -std::cos(angle)) * radius * grades[axis] / 5;
        EXPECT_LT(QLineF(outline[axis], expected).length(), 0.01) << axis;
    }
    EXPECT_LT(rim[0].y(), centre.y());  // the first axis points up
    // Drawn: the third foal's 体力 C (its own point) in its colour.
    const auto drawnNear = [chart](const QColor& colour) {
        const QColor at = chart->grab().toImage().pixelColor(chart->outline(2)[3].toPoint());
        return std::abs(at.red() - colour.red()) + std::abs(at.green() - colour.green()) +
                   std::abs(at.blue() - colour.blue()) <
               90;
    };
    EXPECT_TRUE(drawnNear(ui::RadarChart::colourOf(2)));

    // Record 9 holds another foal now: オナジ is gone, greyed in the table and the chart;
    // 5, still there, shows its new values (9's).
    std::istringstream next(
        "foal 2 12 \"アオ\" 2 08 2C 30 18 10 00 05 C3 F1\n"
        "foal 5 15 \"オナジ\" 5 08 3C 30 18 12 00 65 C3 F1\n"
        "foal 9 19 \"ハナ\" 9 08 3C 30 18 12 00 65 C3 F1\n");
    slotgen::parseDescription(next).writeTo(slot(1));
    window_->session().reload();
    EXPECT_EQ(cells->headerData(2, Qt::Horizontal), "オナジ (gone)");
    const QColor grey = compare->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_EQ(cells->index(0, 2).data(Qt::ForegroundRole).value<QBrush>().color(), grey);
    EXPECT_TRUE(drawnNear(grey));
    EXPECT_FALSE(cells->index(0, 1).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(cells->index(0, 1).data(), "B");
    // The best among the foals still there: 5's B, not the gone foal's.
    const auto bold = [cells](int column) {
        return cells->index(0, column).data(Qt::FontRole).value<QFont>().bold();
    };
    EXPECT_EQ(QString("%1%2").arg(bold(1)).arg(bold(2)), "10");
    // The age boxes no longer listing a foal do not make it gone.
    click("chkTwo");
    click("cmdApply");
    EXPECT_EQ(cells->headerData(1, Qt::Horizontal), "オナジ");
    click("chkTwo");

    TempDir dir;
    const QString picture = QString::fromStdString(dir.str()) + "/foals.png";
    ASSERT_TRUE(compare->saveImage(picture));
    EXPECT_GT(QImage(picture).width(), chart->width());  // the chart and the table
    // Save Image into a folder that is not there: said, not taken for done.
    whenModal([&](QWidget* modal) {
        modal->findChild<QLineEdit*>("fileNameEdit")->setText(picture + "/no/foals.png");
        QMetaObject::invokeMethod(modal, "accept");
    });
    control<QPushButton>(compare, "cmdSaveImage")->click();
    EXPECT_EQ(fake_.messages.texts(), "Run-time error '75':\n\nPath/File access error");

    // However narrow the player makes it, the window keeps every foal's column in sight.
    compare->resize(300, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(compare->table()->horizontalScrollBar()->maximum(), 0);
    compare->resize(700, 520);
    compare->close();
    EXPECT_EQ(ui::CompareWindow(window_->session(), nullptr).size(), QSize(700, 520));
    // Four foals at most: five are too many for the main window's Compare (said in the
    // status bar, the comparison as it was) and for the table's (off).
    fiveFoals().writeTo(slot(1));
    openTable();
    EXPECT_EQ(window_->compare({2, 5, 9, 12}), compare);
    EXPECT_EQ(cells->columnCount(), 4);
    EXPECT_EQ(window_->compare({2, 5, 9, 12, 1}), nullptr);
    EXPECT_EQ(window_->statusBar()->currentMessage(),
              "Choose two to four foals to compare: Ctrl+click them");
    EXPECT_EQ(cells->columnCount(), 4);
    choose({2, 5, 9, 12, 1});
    EXPECT_FALSE(control<QAction>(table_, "mnuCompare")->isEnabled());
    // One foal is no comparison; nor are two chosen before a reload that chose them away.
    list()->selectRecord(2);
    EXPECT_EQ(window_->showCompare(), nullptr);
    table_->close();
    list()->selectionModel()->select(list()->model()->index(1, 1), QItemSelectionModel::Select);
    EXPECT_EQ(window_->session().foalsToCompare().size(), 2u);
    click("cmdApply");
    EXPECT_EQ(window_->showCompare(), nullptr);
}

}  // namespace
}  // namespace foalix::testing
