// How the roster model's cells look in the roster table: a quiet tint per grade, and per
// fifth of the scores (mixed into
// the palette's own background, so it reads in the light and the dark look alike; the
// letter stays, so nothing depends on the colour alone), the best values in bold, the marks
// of what changed as icons, the names to the left and the values centred. The model says
// what each cell is; this says how it looks, and changes nothing else.
#pragma once

#include <QIdentityProxyModel>

namespace foalix::ui {

class RosterLook : public QIdentityProxyModel {
    Q_OBJECT

  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};

// The tint of `grade` (S, A, B, C, D) in the palette in use; none for anything else.
QVariant gradeBackground(const QString& grade);
// The tint of a score (none without one): the grade's of its fifth of the scale.
QVariant scoreBackground(const QVariant& score);

}  // namespace foalix::ui
