#include "ui/slot_frame.h"

#include <QPushButton>
#include <QRadioButton>

#include "savedata/format.h"
#include "ui/placed_controls.h"

namespace foalix::ui {

SlotFrame::SlotFrame(QWidget* client) : QGroupBox(client) {
    setObjectName("Frame1");
    setGeometry(twipsRect(240, 50, 6495, 735));
    useCaptionFont(this);
    cmdApply = placed<QPushButton>("cmdApply", QRect(), this);
    cmdApply->setAutoDefault(true);  // Enter presses it while it has the focus
    const QString digits[] = {"１", "２", "３", "４", "５"};
    for (std::size_t i = 0; i < optSaveName.size(); ++i) {
        QRadioButton* button =
            placed<QRadioButton>(QString("optSaveName%1").arg(i), QRect(), digits[i], this);
        // A click still focuses any of them, and the arrow keys move within the group.
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QRadioButton::toggled, button, [button](bool on) {
            button->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
        });
        optSaveName[i] = button;
    }
    retranslate();
}

// The slot buttons' digits read alike in every language; the apply button's caption may
// need more room, which the row makes.
void SlotFrame::retranslate() {
    setTitle(tr("Savedata"));
    cmdApply->setText(tr("實行"));
    std::vector<std::pair<QWidget*, QRect>> row{{cmdApply, twipsRect(240, 280, 855, 255)}};
    for (std::size_t i = 0; i < optSaveName.size(); ++i) {
        row.emplace_back(optSaveName[i],
                         twipsRect(1450 + 700 * static_cast<int>(i), 280, 495, 255));
    }
    flowRow(row, twips(6495));
}

int SlotFrame::chosenSlot() const {
    for (std::size_t i = 0; i < optSaveName.size(); ++i) {
        if (optSaveName[i]->isChecked()) {
            return static_cast<int>(i) + savedata::kFirstSlot;
        }
    }
    return savedata::kFirstSlot;  // unreachable: one slot button is always on
}

void SlotFrame::choose(int slot) {
    optSaveName.at(static_cast<std::size_t>(slot - savedata::kFirstSlot))->setChecked(true);
}

}  // namespace foalix::ui
