#include "ui/about_box.h"

#include <QDir>
#include <QMessageBox>
#include <QtGlobal>

namespace foalix::ui {

QString aboutText(const QString& settings, const QString& history) {
    // qVersion() is the Qt loaded now, which may be newer than the one built against.
    return QString(
               "<p><b>Foalix %1</b></p>"
               "<p>Foal roster viewer for Galvaro save slots. Save files are only read, "
               "never written.</p>"
               "<p>Foalix is free software: you can redistribute it and/or modify it under "
               "the terms of the GNU General Public License as published by the Free "
               "Software Foundation, either version 3 of the License, or (at your option) "
               "any later version (GPL-3.0-or-later). It comes with no warranty.</p>"
               "<p>Qt %2</p>"
               "<p>Settings: %3<br>History: %4</p>")
        .arg(FOALIX_VERSION, qVersion(), settings.toHtmlEscaped(), history.toHtmlEscaped());
}

void showAboutBox(QWidget* owner, const QString& settings, const QString& history) {
    QMessageBox::about(owner, "About Foalix",
                       aboutText(settings, QDir::toNativeSeparators(history)));
}

}  // namespace foalix::ui
