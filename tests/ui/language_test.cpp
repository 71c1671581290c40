// The window in each of its languages: every text of both windows, the table, the
// History window, the comparison, the stable overview, the score profiles and the menus
// said in the language chosen, none of the original's left
// where a translation differs; back in Original, every text as it was, byte for byte;
// every caption within its place; the choice kept for the next start.
#include <gtest/gtest.h>

#include <QtTest>

#include "savedata/slot_path.h"
#include "session/language.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "session/settings.h"
#include "tests/platform_fakes.h"
#include "tests/test_support.h"
#include "tests/ui/ui_test_support.h"
#include "ui/about_box.h"
#include "ui/application.h"
#include "ui/compare_window.h"
#include "ui/foal_story_window.h"
#include "ui/history_window.h"
#include "ui/main_window.h"
#include "ui/placed_controls.h"
#include "ui/profiles_dialog.h"
#include "ui/roster_proxy.h"
#include "ui/roster_table_window.h"
#include "ui/stable_overview.h"
#include "ui/twips.h"

namespace foalix::testing {
namespace {

using session::Language;

// Every text a player sees or hears in `windows`: titles, captions, menus, tooltips,
// accessible names and descriptions, placeholders, the names a combo box offers, table
// headers and their tooltips.
QStringList textsOf(const std::vector<QWidget*>& windows) {
    QStringList texts;
    for (QWidget* window : windows) {
        texts << window->windowTitle();
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.append(window);
        for (QWidget* widget : widgets) {
            texts << widget->toolTip() << widget->accessibleName()
                  << widget->accessibleDescription();
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                texts << label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                texts << button->text();
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                texts << box->title();
            } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                texts << edit->placeholderText();
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                for (int i = 0; i < combo->count(); ++i) {
                    texts << combo->itemText(i) << combo->itemData(i, Qt::ToolTipRole).toString();
                }
            } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
                texts << menu->title();
            } else if (auto* view = qobject_cast<QAbstractItemView*>(widget);
                       view != nullptr && view->model() != nullptr) {
                // Columns' headers, and rows' (the compared values' captions).
                for (const auto& [side, count] :
                     {std::pair{Qt::Horizontal, view->model()->columnCount()},
                      std::pair{Qt::Vertical, view->model()->rowCount()}}) {
                    for (int section = 0; section < count; ++section) {
                        for (int role : {Qt::DisplayRole, Qt::ToolTipRole}) {
                            texts << view->model()->headerData(section, side, role).toString();
                        }
                    }
                }
            }
        }
        for (QAction* action : window->findChildren<QAction*>()) {
            texts << action->text();
        }
    }
    texts.removeAll(QString());
    return texts;
}

// What the translation into `language` says otherwise than the original: each source text
// that it translates to something else, as a pattern (%1, %n: anything).
std::vector<QRegularExpression> untranslated(const QString& language) {
    QFile file(QString(FOALIX_SOURCE_DIR "/translations/foalix_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    std::vector<QRegularExpression> patterns;
    QString source;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (ts.name() == u"source") {
            source = ts.readElementText();
        } else if (ts.name() == u"translation" || ts.name() == u"numerusform") {
            const QString translation = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!translation.contains(source)) {
                const QString pattern =
                    QRegularExpression::escape(source).replace(QRegularExpression("%[1-9n]"), ".*");
                patterns.emplace_back("^" + pattern + "$");
            }
        }
    }
    return patterns;
}

class Languages : public ::testing::Test {
  protected:
    void SetUp() override {
        slotgen::SlotImage image;
        image.foal(1, 11, "ミドリ", 1, 0x00, kExampleOne).foal(2, 12, "アオ", 2, 0x08, kExampleTwo);
        image.writeTo(savedata::composeSlotFile(fake_.makeSaveFolder().toStdString(), 1));
        window_ = std::make_unique<ui::MainWindow>(fake_.platform, history_.path());
        window_->Form_Load();
        window_->show();
        control<QPushButton>(window_.get(), "cmdApply")->click();
        window_->session().setCurrentRecord(1);
        windows_ = {window_.get(),
                    window_->showRosterTable(),
                    static_cast<QWidget*>(window_->showHistory()),
                    window_->compare({1, 2}),
                    window_->showOverview(),
                    window_->showRosterTable()->showProfiles(),
                    window_->showFoalStory()};
    }
    void TearDown() override { session::installLanguage(Language::Original); }
    void choose(const char* key) {
        window_->findChild<QAction*>(QString("mnuLanguage_") + key)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

    FakePlatform fake_;
    QTemporaryDir history_;
    std::unique_ptr<ui::MainWindow> window_;
    std::vector<QWidget*> windows_;
};

TEST_F(Languages, EveryTextInTheLanguageChosenAndBackAsItWas) {
    const QStringList original = textsOf(windows_);
    const QString aboutOriginal = ui::aboutText("s", "h");
    const QHeaderView* header = control<QTableView>(windows_[1], "tblRoster")->horizontalHeader();
    const auto columnWidths = [header] {
        return joined(0, header->count(),
                      [header](int c) { return QString::number(header->sectionSize(c)); });
    };
    QString widths = columnWidths();
    for (const char* key : {"zh_TW", "ja", "en"}) {
        SCOPED_TRACE(key);
        choose(key);
        const auto left = untranslated(key);
        for (const QString& text : textsOf(windows_)) {
            for (const QRegularExpression& pattern : left) {
                EXPECT_FALSE(pattern.match(text).hasMatch())
                    << text.toStdString() << " ~ " << pattern.pattern().toStdString();
            }
        }
        EXPECT_EQ(fake_.settings.store.get("View", "Language", ""), key);
        // About, made when asked, in the language; times in its own forms, which Qt 6.4's
        // Chinese day period ("B") does not leak into.
        EXPECT_EQ(ui::aboutText("s", "h") == aboutOriginal, key == std::string("en"));
        EXPECT_FALSE(
            session::shortTime(QDateTime(QDate(2026, 1, 2), QTime(19, 2)), true).contains('B'));
        // The table's columns, fitted again to the language's captions.
        EXPECT_NE(columnWidths(), widths);
        widths = columnWidths();
    }
    // In English: the box's name without the caption's colon, the column's meaning.
    EXPECT_EQ(control<QLineEdit>(window_.get(), "txtGrade")->accessibleName(), "Grade");
    EXPECT_EQ(control<QTableView>(windows_[1], "tblRoster")
                  ->model()
                  ->headerData(3, Qt::Horizontal, Qt::ToolTipRole),
              "Grade, the foal's quality — S A B C D, S best");
    choose("original");
    EXPECT_EQ(textsOf(windows_), original);
    // The next start speaks the language kept.
    choose("ja");
    session::installLanguage(Language::Original);
    ui::prepareApplication(session::Settings(fake_.settings.store));
    EXPECT_EQ(session::installedLanguage(), Language::Japanese);
}

// A condition typed, or a view saved, in one language reads in every other: each field's
// caption in each language names that field and no other, whichever language is on.
TEST_F(Languages, ConditionsInOneLanguageReadInEvery) {
    std::vector<std::pair<std::string, const savedata::HorseField*>> captions;
    std::vector<std::string> scores;
    for (const char* key : {"original", "zh_TW", "ja", "en"}) {
        choose(key);
        for (const savedata::HorseField& field : savedata::kHorseFields) {
            captions.emplace_back(session::RosterModel::captionOf(field).toStdString(), &field);
        }
        scores.push_back(session::RosterModel::columnTitle("score").toStdString());
    }
    for (const char* key : {"original", "zh_TW", "ja", "en"}) {
        choose(key);
        for (const auto& [caption, field] : captions) {
            EXPECT_EQ(savedata::fieldNamed(caption, ui::RosterProxy::captions()), field)
                << key << " " << caption;
        }
        for (const std::string& score : scores) {
            EXPECT_EQ(std::ranges::count(ui::RosterProxy::scoreNames(), score), 1) << key << score;
        }
    }
}

// No caption is cut: every label and button of the main window, in each language, has
// the room its text asks for (run at 200% too, by CTest).
TEST_F(Languages, EveryCaptionFitsItsPlace) {
    for (const char* key : {"original", "zh_TW", "ja", "en"}) {
        choose(key);
        for (QWidget* widget : window_->centralWidget()->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_LE(ui::neededWidth(widget), widget->width())
                    << key << " " << textsOf({widget}).join('|').toStdString();
            }
        }
        EXPECT_GE(window_->centralWidget()->width(), ui::twips(6945));
        // The table's bar folds its groups rather than widen its window beyond the screen:
        // one above the other at the narrowest, side by side (the views' at the right) when
        // they fit, each whole.
        QWidget* table = window_->showRosterTable();
        const auto group = [table](const char* name) {
            return table->findChild<QWidget*>(name)->parentWidget();
        };
        const QRect screen = table->screen()->availableGeometry();
        // The new captions' sizes reach the window through a layout request per level.
        for (int level = 0; level < 3; ++level) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        EXPECT_LT(table->minimumSizeHint().width(), screen.width()) << key;
        for (const int wide : {table->minimumSizeHint().width(), 2 * screen.width()}) {
            table->resize(wide, 600);
            QCoreApplication::processEvents();
            const QRect profile = group("cboProfile")->geometry();
            const QRect views = group("cboView")->geometry();
            const bool sideBySide = wide > screen.width();
            EXPECT_EQ(views.top() > profile.top(), !sideBySide) << key << " " << wide;
            if (sideBySide) {
                EXPECT_EQ(views.right(), group("cboView")->parentWidget()->width() - 1) << key;
            }
            EXPECT_FALSE(views.intersects(profile));
            for (QWidget* widget : {group("cboProfile"), group("cboView")}) {
                EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << key << " " << wide;
            }
            // Each name a box offers shows whole in its field.
            for (auto* box : table->findChildren<QComboBox*>()) {
                QStyleOptionComboBox option;
                option.initFrom(box);
                const int field = box->style()
                                      ->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, box)
                                      .width();
                for (int i = 0; i < box->count(); ++i) {
                    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->itemText(i)), field - 2)
                        << key << " " << box->itemText(i).toStdString();
                }
            }
        }
        // The folder dialog's captions too.
        whenModal([key](QWidget* dialog) {
            for (QWidget* widget : dialog->findChildren<QWidget*>()) {
                if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget)) {
                    EXPECT_LE(ui::neededWidth(widget), widget->width()) << key;
                }
            }
            static_cast<QDialog*>(dialog)->reject();
        });
        window_->findChild<QAction*>("mnuSelectFolder")->trigger();
        // Nor does a caption's text run into another control (it may touch it by a pixel).
        std::vector<QRect> places;
        QStringList names;
        for (QWidget* widget : window_->centralWidget()->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                qobject_cast<QAbstractButton*>(widget)) {
                const bool box = qobject_cast<QLineEdit*>(widget) != nullptr;
                places.emplace_back(
                    widget->mapTo(window_->centralWidget(), QPoint()),
                    QSize(box ? widget->width() : ui::neededWidth(widget), widget->height()));
                names << textsOf({widget}).join('|') + widget->objectName();
            }
        }
        for (std::size_t i = 0; i < places.size(); ++i) {
            for (std::size_t j = i + 1; j < places.size(); ++j) {
                EXPECT_LE(std::min(places[i].intersected(places[j]).width(), 2), 1)
                    << key << " " << names[i].toStdString() << " / " << names[j].toStdString();
            }
        }
    }
}

// A caption longer than its place widens it and moves the rest of its row along by what it
// needs beyond the room before the next control; one that fits moves nothing.
TEST(PlacedControls, ACaptionThatNeedsMoreRoomMovesTheRestOfItsRow) {
    QWidget parent;
    auto* first = new QLabel("A caption far longer than its place", &parent);
    auto* second = new QLabel("B", &parent);
    const std::vector<std::pair<QWidget*, QRect>> row{{first, QRect(0, 0, 20, 10)},
                                                      {second, QRect(30, 0, 20, 10)}};
    const int needed = ui::neededWidth(first);
    const int grown = ui::flowRow(row, 100);
    EXPECT_EQ(grown, needed + ui::kGap - 30);
    EXPECT_EQ(first->width(), needed);
    EXPECT_EQ(second->x(), 30 + grown);
    first->setText("A");
    EXPECT_EQ(ui::flowRow(row, 100), 0);
    EXPECT_EQ(second->x(), 30);
}

}  // namespace
}  // namespace foalix::testing
