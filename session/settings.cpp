#include "session/settings.h"

namespace foalix::session {
namespace {

constexpr const char* kSetting = "Setting";
constexpr const char* kRK5Path = "RK5Path";
constexpr const char* kNameEncoding = "NameEncoding";
constexpr const char* kView = "View";
constexpr const char* kDarkTheme = "DarkTheme";
constexpr const char* kFollowSaveFile = "FollowSaveFile";
constexpr const char* kMarkBestValues = "MarkBestValues";
constexpr const char* kLanguage = "Language";
constexpr const char* kRosterTable = "RosterTable";
constexpr const char* kGeometry = "Geometry";
constexpr const char* kHeader = "Header";
constexpr const char* kExportFolder = "ExportFolder";
constexpr const char* kCompare = "Compare";

QString keyOf(savedata::NameEncodingChoice choice) {
    return QString::fromUtf8(savedata::choiceKey(choice));
}

}  // namespace

void Settings::Save_Reg(const QString& key, const QString& value) {
    store_.save(kSetting, key, value);
}

QString Settings::Get_Reg(const QString& key, const QString& defaultValue) const {
    return store_.get(kSetting, key, defaultValue);
}

QString Settings::saveFolder(const QString& defaultFolder) const {
    return Get_Reg(kRK5Path, defaultFolder);
}

void Settings::setSaveFolder(const QString& folder) {
    Save_Reg(kRK5Path, folder);
}

savedata::NameEncodingChoice Settings::nameEncoding() const {
    const QString key = Get_Reg(kNameEncoding, QString());
    return savedata::choiceFromKey(key.toStdString())
        .value_or(savedata::NameEncodingChoice::Automatic);
}

void Settings::setNameEncoding(savedata::NameEncodingChoice choice) {
    Save_Reg(kNameEncoding, keyOf(choice));
}

bool Settings::darkTheme() const {
    return store_.get(kView, kDarkTheme, "") == "1";
}

void Settings::setDarkTheme(bool dark) {
    store_.save(kView, kDarkTheme, dark ? "1" : "0");
}

QString Settings::language() const {
    return store_.get(kView, kLanguage, "");
}

void Settings::setLanguage(const QString& key) {
    store_.save(kView, kLanguage, key);
}

bool Settings::follow() const {
    return viewSwitch(kFollowSaveFile);
}

void Settings::setFollow(bool follow) {
    setViewSwitch(kFollowSaveFile, follow);
}

bool Settings::markBestValues() const {
    return viewSwitch(kMarkBestValues);
}

void Settings::setMarkBestValues(bool mark) {
    setViewSwitch(kMarkBestValues, mark);
}

bool Settings::viewSwitch(const char* key) const {
    return store_.get(kView, key, "") != "0";
}

void Settings::setViewSwitch(const char* key, bool on) {
    store_.save(kView, key, on ? "1" : "0");
}

QByteArray Settings::bytes(const char* section, const char* key) const {
    const auto decoded = QByteArray::fromBase64Encoding(store_.get(section, key, "").toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

void Settings::setBytes(const char* section, const char* key, const QByteArray& state) {
    store_.save(section, key, QString::fromLatin1(state.toBase64()));
}

QByteArray Settings::tableGeometry() const {
    return bytes(kRosterTable, kGeometry);
}

void Settings::setTableGeometry(const QByteArray& state) {
    setBytes(kRosterTable, kGeometry, state);
}

QByteArray Settings::tableHeader() const {
    return bytes(kRosterTable, kHeader);
}

void Settings::setTableHeader(const QByteArray& state) {
    setBytes(kRosterTable, kHeader, state);
}

QByteArray Settings::compareGeometry() const {
    return bytes(kCompare, kGeometry);
}

void Settings::setCompareGeometry(const QByteArray& state) {
    setBytes(kCompare, kGeometry, state);
}

QString Settings::exportFolder() const {
    return store_.get(kRosterTable, kExportFolder, "");
}

void Settings::setExportFolder(const QString& folder) {
    store_.save(kRosterTable, kExportFolder, folder);
}

}  // namespace foalix::session
