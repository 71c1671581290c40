#include "ui/foal_card.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "savedata/roster_csv.h"
#include "savedata/score.h"
#include "savedata/text_width.h"
#include "session/roster_model.h"
#include "session/roster_session.h"
#include "ui/radar_chart.h"

namespace foalix::ui {

using session::RosterModel;

FoalCard cardOf(session::RosterSession& session, int record) {
    FoalCard card;
    const auto& roster = session.roster();
    const savedata::HorseEntry* foal = roster ? roster->heldBy(record) : nullptr;
    if (foal == nullptr) {
        return card;
    }
    card.foal = *foal;
    card.name = QString::fromStdString(foal->name);  // as it is: the picture is no spreadsheet
    for (const savedata::HorseField* field : savedata::fieldsInReadingOrder()) {
        card.values.push_back({RosterModel::captionOf(*field),
                               QString::fromStdString(foal->*field->member),
                               QCoreApplication::translate("HorseField", field->meaning)});
    }
    if (const auto score = savedata::scoreOf(*foal, session.profile())) {
        card.score = QCoreApplication::translate("foalix::ui::FoalCard", "%1 (%2): %3")
                         .arg(RosterModel::columnTitle("score"),
                              RosterModel::profileName(session.profile()), QString::number(*score));
    }
    card.note = session.noteOn(record);
    return card;
}

QString cardText(const FoalCard& card) {
    std::size_t captionWidth = 0;
    std::size_t valueWidth = 0;
    for (const FoalCard::Value& value : card.values) {
        captionWidth = std::max(captionWidth, savedata::displayWidth(value.caption.toStdString()));
        valueWidth = std::max(valueWidth, savedata::displayWidth(value.value.toStdString()));
    }
    // Pasted into a spreadsheet, a name that looks like a formula stays text.
    QStringList lines{QString::fromStdString(savedata::asSpreadsheetText(card.name.toStdString()))};
    for (const FoalCard::Value& value : card.values) {
        lines << QString::fromStdString(
                     savedata::padRight(value.caption.toStdString(), captionWidth) + "  " +
                     savedata::padRight(value.value.toStdString(), valueWidth) + "  " +
                     value.meaning.toStdString())
                     .trimmed();
    }
    if (!card.score.isEmpty()) {
        lines << card.score;
    }
    if (!card.note.isEmpty()) {
        lines << QString() << card.note;
    }
    return lines.join('\n') + '\n';
}

QImage cardImage(const FoalCard& card) {
    QWidget picture;
    picture.setObjectName("frmCard");
    picture.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&picture);
    auto* name = new QLabel(card.name, &picture);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    auto* body = new QHBoxLayout;
    auto* grid = new QGridLayout;
    int row = 0;
    for (const FoalCard::Value& value : card.values) {
        grid->addWidget(new QLabel(value.caption, &picture), row, 0);
        auto* shown = new QLabel(value.value, &picture);
        QFont bold = shown->font();
        bold.setBold(true);
        shown->setFont(bold);
        grid->addWidget(shown, row, 1);
        auto* meaning = new QLabel(value.meaning, &picture);
        meaning->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(meaning, row++, 2);
    }
    grid->setHorizontalSpacing(12);
    body->addLayout(grid);
    auto* chart = new RadarChart(&picture);
    chart->setFoals({{card.name, card.foal, false}});
    chart->setFixedSize(340, 340);
    body->addWidget(chart);
    layout->addLayout(body);
    for (const QString& line : {card.score, card.note}) {
        if (!line.isEmpty()) {
            auto* label = new QLabel(line, &picture);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            layout->addWidget(label);
        }
    }
    name->setTextFormat(Qt::PlainText);
    layout->activate();
    picture.adjustSize();
    return picture.grab().toImage();
}

}  // namespace foalix::ui
