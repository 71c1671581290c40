#include "ui/foal_details.h"

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>

#include "savedata/score.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/placed_controls.h"

namespace foalix::ui {
namespace {

using savedata::HorseField;

// The grid in twips: the name box above two columns of seven rows, each box with its
// label 600 twips to its left and 30 lower.
constexpr int kNameBoxTab = 6;
constexpr int kFirstBoxTop = 1440;
constexpr int kRowHeight = 480;
constexpr int kColumnLefts[] = {4320, 6000};
constexpr int kLabelWidth = 615;
const QRect kNameBox = twipsRect(3720, 960, 3015, 360);
const QRect kGrid = twipsRect(3720, 960, 3015, 4110);
// The score: no value of the save, but of the profile in use, beneath the left column.
constexpr savedata::GridPlace kScorePlace{0, 7, 40};

// A place in the client area, as a place in this widget.
QRect inGrid(QRect place) {
    return place.translated(-kGrid.topLeft());
}

QString translated(const char* text) {
    return QCoreApplication::translate("HorseField", text);
}

}  // namespace

FoalDetails::FoalDetails(session::RosterSession& session, QWidget* client)
    : QWidget(client), session_(session) {
    setObjectName("fraFoal");
    setGeometry(kGrid);
    txtHorseName = textBox(this, "txtHorseName", inGrid(kNameBox), false);
    for (const HorseField* field : savedata::fieldsInReadingOrder()) {
        valueBoxes_.push_back({field, field->place, label(this, QString(), QRect()),
                               textBox(this, QString("txt") + field->key, QRect(), true)});
    }
    valueBoxes_.push_back({nullptr, kScorePlace, label(this, QString(), QRect()),
                           textBox(this, "txtScore", QRect(), true)});
    retranslate();
    connect(&session, &session::RosterSession::currentRecordChanged, this, &FoalDetails::showFoal);
    connect(&session, &session::RosterSession::profileChanged, this, &FoalDetails::retranslate);
}

std::vector<std::pair<int, QWidget*>> FoalDetails::tabStops() const {
    std::vector<std::pair<int, QWidget*>> stops{{kNameBoxTab, txtHorseName}};
    for (const ValueBox& value : valueBoxes_) {
        stops.emplace_back(value.place.tab, value.box);
    }
    return stops;
}

QString FoalDetails::meaningOf(const ValueBox& value) const {
    return value.field != nullptr ? translated(value.field->meaning)
                                  : session::RosterModel::scoreMeaning(&session_.profile());
}

void FoalDetails::retranslate() {
    txtHorseName->setAccessibleName(tr("Selected foal"));
    for (const ValueBox& value : valueBoxes_) {
        value.caption->setText(tr("%1：", "a caption beside its box")
                                   .arg(value.field != nullptr
                                            ? translated(value.field->caption)
                                            : session::RosterModel::columnTitle("score")));
        value.box->setAccessibleName(spoken(value.caption->text()));
        value.box->setAccessibleDescription(meaningOf(value));
    }
    placeBoxes();
    showFoal(session_.currentRecord());
}

// Every box at its place in twips, unless a caption of its column needs more room than
// the column gives: then the column widens by what the longest caption lacks, and what
// stands right of it moves along.
void FoalDetails::placeBoxes() {
    int widen[2] = {0, 0};
    for (const ValueBox& value : valueBoxes_) {
        const int hint = value.caption->sizeHint().width();
        int& column = widen[value.place.column];
        if (hint > twips(kLabelWidth)) {
            column = std::max(column, hint + kGap - twips(kLabelWidth));
        }
    }
    for (const ValueBox& value : valueBoxes_) {
        const savedata::GridPlace& place = value.place;
        const int top = kFirstBoxTop + kRowHeight * place.row;
        const int left = kColumnLefts[place.column];
        const int before = place.column == 0 ? 0 : widen[0];
        value.caption->setGeometry(inGrid(twipsRect(left - 600, top + 30, kLabelWidth, 255))
                                       .translated(before, 0)
                                       .adjusted(0, 0, widen[place.column], 0));
        value.box->setGeometry(
            inGrid(twipsRect(left, top, 735, 270)).translated(before + widen[place.column], 0));
    }
    txtHorseName->setGeometry(inGrid(kNameBox).adjusted(0, 0, widen[0] + widen[1], 0));
    resize(kGrid.size() + QSize(widen[0] + widen[1], 0));
}

void FoalDetails::shiftBy(int shift) {
    move(kGrid.topLeft() + QPoint(shift, 0));
}

void FoalDetails::showFoal(int record) {
    const auto& roster = session_.roster();
    if (record == 0 || !roster) {
        txtHorseName->clear();
        for (const ValueBox& value : valueBoxes_) {
            value.box->clear();
            value.box->setToolTip(meaningOf(value));
        }
        return;
    }
    const savedata::HorseEntry& entry = roster->table.row(record);
    ensureNameFont(txtHorseName);
    txtHorseName->setText(QString::fromStdString(entry.name));
    txtHorseName->setCursorPosition(0);  // a long name reads from its start
    for (const ValueBox& value : valueBoxes_) {
        const QString change =
            value.field != nullptr ? roster->changes.valueNote(record, *value.field) : QString();
        const QString meaning = meaningOf(value);
        value.box->setToolTip(change.isEmpty() ? meaning : meaning + '\n' + change);
        if (value.field != nullptr) {
            value.box->setText(QString::fromStdString(entry.*value.field->member));
        } else {
            const auto score = savedata::scoreOf(entry, session_.profile());
            value.box->setText(score ? QString::number(*score) : QString());
        }
    }
}

}  // namespace foalix::ui
