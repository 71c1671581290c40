#include "ui/placed_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>

#include "ui/theme.h"

namespace foalix::ui {

namespace {
constexpr const char* kCaptionFont = "foalixCaptionFont";
constexpr const char* kNameFont = "foalixNameFont";
}  // namespace

void useCaptionFont(QWidget* control) {
    control->setFont(captionFont());
    control->setProperty(kCaptionFont, true);
}

void useNameFont(QWidget* control) {
    control->setFont(nameFont());
    control->setProperty(kCaptionFont, false);
    control->setProperty(kNameFont, true);
}

void ensureNameFont(QWidget* control) {
    if (!control->property(kNameFont).toBool()) {
        useNameFont(control);
    }
}

void refreshCaptionFonts(QWidget* root) {
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (control->property(kCaptionFont).toBool()) {
            control->setFont(captionFont());
        }
    }
}

void colourLockedBox(QLineEdit* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, lockedBoxColour());
    box->setPalette(palette);
}

int neededWidth(const QWidget* control) {
    const QStyle* style = control->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const int text =
            control->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
        const bool radio = qobject_cast<const QRadioButton*>(control) != nullptr;
        if (radio || qobject_cast<const QCheckBox*>(control) != nullptr) {
            using S = QStyle;
            return style->pixelMetric(radio ? S::PM_ExclusiveIndicatorWidth : S::PM_IndicatorWidth,
                                      nullptr, control) +
                   style->pixelMetric(
                       radio ? S::PM_RadioButtonLabelSpacing : S::PM_CheckBoxLabelSpacing, nullptr,
                       control) +
                   text;
        }
        return text + 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) +
                           style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control));
    }
    if (qobject_cast<const QLabel*>(control) != nullptr) {
        return control->sizeHint().width();
    }
    return control->minimumWidth();
}

int flowRow(const std::vector<std::pair<QWidget*, QRect>>& row, int end) {
    int grown = 0;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const auto& [control, place] = row[i];
        // A control may take the room up to where the next one starts; beyond it, the rest
        // of the row moves along.
        const int next = i + 1 < row.size() ? row[i + 1].second.left() : end;
        const int needed = neededWidth(control);
        control->setGeometry(
            place.translated(grown, 0).adjusted(0, 0, std::max(0, needed - place.width()), 0));
        if (needed > next - place.left()) {
            grown += needed + kGap - (next - place.left());
        }
    }
    return grown;
}

QLineEdit* textBox(QWidget* parent, const QString& name, QRect place, bool centred) {
    return lock(new QLineEdit(parent), name, place, centred);
}

QLineEdit* lock(QLineEdit* box, const QString& name, QRect place, bool centred) {
    box->setObjectName(name);
    box->setGeometry(place);
    useCaptionFont(box);
    box->setReadOnly(true);
    box->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    box->setTextMargins(0, 0, 0, 0);
    colourLockedBox(box);
    return box;
}

QLabel* label(QWidget* parent, const QString& caption, QRect place) {
    return placed<QLabel>(QString(), place, caption, parent);
}

savedata::BoxValue boxValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return savedata::BoxValue::Ticked;
        case Qt::PartiallyChecked:
            return savedata::BoxValue::Greyed;
        default:
            return savedata::BoxValue::Unticked;
    }
}

QString spoken(const QString& caption) {
    QString name = caption;
    name.remove("：").remove(QChar(0x3000));
    return name.endsWith(':') ? name.chopped(1) : name;
}

}  // namespace foalix::ui
