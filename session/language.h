// The window's four interfaces: Original (the captions as the tool has always had them, in
// Traditional Chinese, with English menus), Traditional Chinese, Japanese and English.
// Each but Original is a translation compiled into the program, with Qt's own strings
// (dialog buttons, context menus) in that language where Qt has them. Switching installs
// the translations; Qt then tells every window, which says its texts again.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

namespace foalix::session {

enum class Language { Original, TraditionalChinese, Japanese, English };

struct LanguageName {
    Language language;
    const char* key;     // kept in the settings store; also the translation's file suffix
    const char* native;  // the menu's entry, in the language itself
};

inline constexpr std::array<LanguageName, 4> kLanguages{{
    {Language::Original, "original", "Original"},
    {Language::TraditionalChinese, "zh_TW", "繁體中文"},
    {Language::Japanese, "ja", "日本語"},
    {Language::English, "en", "English"},
}};

// The language of `key`; Original for anything else.
Language languageOf(const QString& key);
QString keyOf(Language language);

// Makes `language` the interface's, replacing the one before.
void installLanguage(Language language);
Language installedLanguage();

// `source` of `context` in the installed language first, then as written, then in each of
// the others: the names a player may have typed or saved under another language.
QStringList everyTranslation(const char* context, const char* source);

// A time as the interface shows it: Original keeps its fixed forms (14:02, and
// 2025-01-02 14:02 for another day); the others take their language's short form.
QString shortTime(const QDateTime& time, bool withDate);
// A time to the second, as the History window lists reads.
QString longTime(const QDateTime& time);

}  // namespace foalix::session
