// A foal's card, to share where players talk about the game: its name, its fourteen values
// by the window's captions with what each scale means, its radar chart, its score under the
// profile in use and the player's note; as one PNG, or as plain text lined up by display
// width (wide characters take two columns) for a forum or a chat, where a name that a
// spreadsheet would run as a formula stays text.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "savedata/horse_table.h"

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

struct FoalCard {
    struct Value {
        QString caption;
        QString value;
        QString meaning;
    };
    QString name;
    savedata::HorseEntry foal;
    std::vector<Value> values;  // in the main window's reading order
    QString score;              // "評分 (Balanced): 73", or empty without a score
    QString note;
};

// The card of the last load's foal of `record`, in the interface's language.
FoalCard cardOf(session::RosterSession& session, int record);
QString cardText(const FoalCard& card);
// The card drawn in the palette in use.
QImage cardImage(const FoalCard& card);

}  // namespace foalix::ui
