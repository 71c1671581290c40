#include "session/diagnostics.h"

#include <QDir>
#include <QLocale>
#include <QStringList>
#include <QSysInfo>

#include "session/language.h"
#include "session/roster_session.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace foalix::session {
namespace {

// The system's ANSI code page on Windows, by which other programs read names.
QString codePage() {
#ifdef Q_OS_WIN
    return QString(", ANSI code page %1").arg(GetACP());
#else
    return {};
#endif
}

QString historyLine(RosterSession& session) {
    const QString file = QDir::toNativeSeparators(session.historyFile());
    const history::History* history = session.history();
    if (history == nullptr) {
        return file + " (not kept)";
    }
    return QString("%1 (version %2, %3 bytes%4)")
        .arg(file)
        .arg(history->version())
        .arg(history->sizeOnDisk())
        .arg(history->hasWaiting() ? ", reads waiting to be kept" : "");
}

}  // namespace

QString diagnostics(RosterSession& session) {
    QStringList lines{
        "Foalix " FOALIX_VERSION,
        QString("Qt %1 (built with %2)").arg(qVersion(), QT_VERSION_STR),
        QString("System: %1, %2 %3, %4")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture()),
        QString("Locale: %1%2").arg(QLocale::system().name(), codePage()),
        QString("Interface: %1").arg(keyOf(installedLanguage())),
        QString("Settings: %1").arg(session.settings().location()),
        QString("History: %1").arg(historyLine(session)),
        QString("Save folder: %1").arg(QDir::toNativeSeparators(session.saveFolder())),
    };
    if (const auto& roster = session.roster()) {
        lines << QString("Slot %1 read from: %2")
                     .arg(roster->slot)
                     .arg(QDir::toNativeSeparators(QString::fromStdString(roster->readFrom)));
    }
    lines << "Recent failures:";
    if (session.recentFailures().empty()) {
        lines << "  none";
    }
    for (const QString& failure : session.recentFailures()) {
        lines << "  " + failure;
    }
    return lines.join('\n') + '\n';
}

}  // namespace foalix::session
