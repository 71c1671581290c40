#include "session/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace foalix::session {
namespace {

Language installed = Language::Original;
// The program's translation and Qt's own, while a language other than Original is on.
std::unique_ptr<QTranslator> program;
std::unique_ptr<QTranslator> qtOwn;

QLocale localeOf(Language language) {
    switch (language) {
        case Language::TraditionalChinese:
            return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
        case Language::Japanese:
            return QLocale(QLocale::Japanese, QLocale::Japan);
        case Language::English:
            return QLocale(QLocale::English, QLocale::UnitedStates);
        case Language::Original:
            break;
    }
    return QLocale::c();
}

// Qt's own translation: where Qt keeps its translations, or (the Windows folder) in
// translations\ beside the program.
std::unique_ptr<QTranslator> qtTranslation(const QString& key) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + "/translations"}) {
        if (translator->load("qtbase_" + key, folder)) {
            return translator;
        }
    }
    return nullptr;
}

}  // namespace

Language languageOf(const QString& key) {
    for (const LanguageName& name : kLanguages) {
        if (key == name.key) {
            return name.language;
        }
    }
    return Language::Original;
}

QString keyOf(Language language) {
    for (const LanguageName& name : kLanguages) {
        if (name.language == language) {
            return name.key;
        }
    }
    return kLanguages[0].key;
}

void installLanguage(Language language) {
    if (language == installed) {
        return;
    }
    for (auto* translator : {program.get(), qtOwn.get()}) {
        if (translator != nullptr) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    program.reset();
    qtOwn.reset();
    installed = language;
    if (language != Language::Original) {
        const QString key = keyOf(language);
        program = std::make_unique<QTranslator>();
        if (program->load(":/translations/foalix_" + key)) {
            QCoreApplication::installTranslator(program.get());
        }
        qtOwn = qtTranslation(key);
        if (qtOwn) {
            QCoreApplication::installTranslator(qtOwn.get());
        }
    }
}

Language installedLanguage() {
    return installed;
}

QStringList everyTranslation(const char* context, const char* source) {
    // Loaded once, apart from the installed ones: asking them changes nothing the window shows.
    static const std::vector<std::unique_ptr<QTranslator>> translations = [] {
        std::vector<std::unique_ptr<QTranslator>> loaded;
        for (const LanguageName& name : kLanguages) {
            auto translator = std::make_unique<QTranslator>();
            if (name.language != Language::Original &&
                translator->load(QString(":/translations/foalix_") + name.key)) {
                loaded.push_back(std::move(translator));
            }
        }
        return loaded;
    }();
    QStringList texts{QCoreApplication::translate(context, source), QString::fromUtf8(source)};
    for (const auto& translator : translations) {
        const QString text = translator->translate(context, source);
        if (!text.isEmpty()) {
            texts << text;
        }
    }
    texts.removeDuplicates();
    return texts;
}

namespace {

// The language's own short forms, with the whole year, and a day-period mark Qt can
// write (its "B" is printed as it stands).
QString timePattern(const QLocale& locale, bool seconds) {
    QString pattern = locale.timeFormat(QLocale::ShortFormat).replace('B', "AP");
    return seconds ? pattern.replace("mm", "mm:ss") : pattern;
}

QString datePattern(const QLocale& locale) {
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    return pattern.contains("yyyy") ? pattern : QString(pattern).replace("yy", "yyyy");
}

}  // namespace

QString shortTime(const QDateTime& time, bool withDate) {
    if (installed == Language::Original) {
        return time.toString(withDate ? "yyyy-MM-dd HH:mm" : "HH:mm");
    }
    const QLocale locale = localeOf(installed);
    const QString clock = locale.toString(time, timePattern(locale, false));
    return withDate ? locale.toString(time, datePattern(locale)) + ' ' + clock : clock;
}

// Two reads a minute apart must read apart: to the second.
QString longTime(const QDateTime& time) {
    if (installed == Language::Original) {
        return time.toString("yyyy-MM-dd HH:mm:ss");
    }
    const QLocale locale = localeOf(installed);
    return locale.toString(time, datePattern(locale) + ' ' + timePattern(locale, true));
}

}  // namespace foalix::session
