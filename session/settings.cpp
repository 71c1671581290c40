#include "session/settings.h"

namespace foalix::session {

Settings::Settings(platform::SettingsStore& store, QObject* parent)
    : QObject(parent), store_(store) {}

QString Settings::text(const SettingKey& setting) const {
    const auto found = set_.constFind({setting.section, setting.key});
    return found != set_.constEnd() ? *found : store_.get(setting.section, setting.key, QString());
}

void Settings::setText(const SettingKey& setting, const QString& text) {
    const bool differs = this->text(setting) != text;
    set_.insert({setting.section, setting.key}, text);
    if (differs) {
        emit changed(&setting);
    }
    store_.save(setting.section, setting.key, text);
}

QString Settings::decode(const QString& text, const QString& fallback) {
    return text.isNull() ? fallback : text;
}

bool Settings::decode(const QString& text, bool fallback) {
    return text == "1" ? true : text == "0" ? false : fallback;
}

QByteArray Settings::decode(const QString& text, const QByteArray& fallback) {
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded && !text.isEmpty() ? *decoded : fallback;
}

savedata::NameEncodingChoice Settings::decode(const QString& text,
                                              savedata::NameEncodingChoice fallback) {
    return savedata::choiceFromKey(text.toStdString()).value_or(fallback);
}

QString Settings::encode(const QByteArray& value) {
    return QString::fromLatin1(value.toBase64());
}

QString Settings::encode(savedata::NameEncodingChoice value) {
    return QString::fromUtf8(savedata::choiceKey(value));
}

}  // namespace foalix::session
