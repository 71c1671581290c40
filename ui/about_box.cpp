#include "ui/about_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QtGlobal>

namespace foalix::ui {

QString aboutText(const QString& settings, const QString& history) {
    // qVersion() is the Qt loaded now, which may be newer than the one built against.
    return QString("<p><b>Foalix %1</b></p><p>%2</p><p>%3</p><p>Qt %4</p><p>%5<br>%6</p>")
        .arg(FOALIX_VERSION,
             QCoreApplication::translate("AboutBox",
                                         "Foal roster viewer for Galvaro save slots. Save files "
                                         "are only read, never written."),
             QCoreApplication::translate(
                 "AboutBox",
                 "Foalix is free software: you can redistribute it and/or modify it under the "
                 "terms of the GNU General Public License as published by the Free Software "
                 "Foundation, either version 3 of the License, or (at your option) any later "
                 "version (GPL-3.0-or-later). It comes with no warranty."),
             qVersion(),
             QCoreApplication::translate("AboutBox", "Settings: %1").arg(settings.toHtmlEscaped()),
             QCoreApplication::translate("AboutBox", "History: %1").arg(history.toHtmlEscaped()));
}

void showAboutBox(QWidget* owner, const QString& settings, const QString& history) {
    QMessageBox::about(owner, QCoreApplication::translate("AboutBox", "About Foalix"),
                       aboutText(settings, QDir::toNativeSeparators(history)));
}

}  // namespace foalix::ui
