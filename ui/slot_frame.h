// Frame1, "Savedata": the apply button 實行 and the five slot buttons １ to ５, exactly one
// of them on. As in an option group, Tab stops only at the slot button that is on.
#pragma once

#include <QGroupBox>
#include <array>

class QPushButton;
class QRadioButton;

namespace foalix::ui {

class SlotFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit SlotFrame(QWidget* client);

    // The slot whose button is on (1 to 5), the first one found in button order.
    int chosenSlot() const;
    // Turns the button of `slot` on.
    void choose(int slot);
    // Says its captions in the interface's language, making room for them.
    void retranslate();

    QPushButton* cmdApply;
    std::array<QRadioButton*, 5> optSaveName;
};

}  // namespace foalix::ui
