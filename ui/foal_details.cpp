#include "ui/foal_details.h"

#include <QLabel>

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
const QRect kNameBox = twipsRect(3720, 960, 3015, 360);
const QRect kGrid = twipsRect(3720, 960, 3015, 3630);

// A place in the client area, as a place in this widget.
QRect inGrid(QRect place) {
    return place.translated(-kGrid.topLeft());
}

// What a box's letters mean, for a screen reader.
const char* meaningOf(const HorseField& field) {
    const auto values = field.scale.values.data();
    return values == savedata::kAgeValues   ? "Age in years: 1, 2, or - for any other age"
           : values == savedata::kSexValues ? "Sex: 牡 colt, 牝 filly"
           : values == savedata::kGrowthValues
               ? "Growth: 早 early, 普 normal, 遲 late, 晚 very late"
           : values == savedata::kTemperValues ? "Temper: 激 fierce, 荒 rough, 普 even, 大 calm"
                                               : "Grade: S best, then A, B, C, D lowest";
}

}  // namespace

FoalDetails::FoalDetails(session::RosterSession& session, QWidget* client)
    : QWidget(client), session_(session) {
    setObjectName("fraFoal");
    setGeometry(kGrid);
    txtHorseName = textBox(this, "txtHorseName", inGrid(kNameBox), false);
    txtHorseName->setFont(nameFont());
    txtHorseName->setAccessibleName("Selected foal");
    for (const HorseField* field : savedata::fieldsInReadingOrder()) {
        const int top = kFirstBoxTop + kRowHeight * field->place.row;
        const int left = kColumnLefts[field->place.column];
        const QString caption = QString::fromUtf8(field->caption) + "：";
        label(this, caption, inGrid(twipsRect(left - 600, top + 30, 615, 255)));
        QLineEdit* box = textBox(this, QString("txt") + field->key,
                                 inGrid(twipsRect(left, top, 735, 270)), true);
        box->setAccessibleName(spoken(caption));
        box->setAccessibleDescription(meaningOf(*field));
        valueBoxes_.emplace_back(field, box);
    }
    connect(&session, &session::RosterSession::currentRecordChanged, this, &FoalDetails::showFoal);
}

std::vector<std::pair<int, QWidget*>> FoalDetails::tabStops() const {
    std::vector<std::pair<int, QWidget*>> stops{{kNameBoxTab, txtHorseName}};
    for (const auto& [field, box] : valueBoxes_) {
        stops.emplace_back(field->place.tab, box);
    }
    return stops;
}

void FoalDetails::showFoal(int record) {
    const auto& roster = session_.roster();
    if (record == 0 || !roster) {
        txtHorseName->clear();
        for (const auto& [field, box] : valueBoxes_) {
            box->clear();
            box->setToolTip({});
        }
        return;
    }
    const savedata::HorseEntry& entry = roster->table.row(record);
    txtHorseName->setText(QString::fromStdString(entry.name));
    txtHorseName->setCursorPosition(0);  // a long name reads from its start
    for (const auto& [field, box] : valueBoxes_) {
        box->setText(QString::fromStdString(entry.*field->member));
        box->setToolTip(roster->changes.valueNote(record, *field));
    }
}

}  // namespace foalix::ui
