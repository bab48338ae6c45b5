#include "app/settings.h"

#include "integration/system_helpers.h"
#include "platform/file_system.h"
#include "platform/ini_profile.h"

#include <QSize>

namespace {
const QByteArray kSection = QByteArrayLiteral("Glimmora");
// A window edge further right or down than the desktop minus this margin could not be grabbed.
constexpr int kEdgeMargin = 20;
constexpr int kMinimumExtent = 100;
} // namespace

SettingsRecord& Settings() {
    static SettingsRecord record;
    return record;
}

QString SettingsFilePath() {
    return UserDataFolder(QStringLiteral("Glimmora")) + QStringLiteral("Glimmora.ini");
}

void LoadSettings() {
    SettingsRecord& s = Settings();
    s = SettingsRecord();
    const QString file = SettingsFilePath();
    if (!FileExists(file))
        return;
    const ProfileText profile = ProfileText::FromFile(file);
    s.xpos = profile.intValue(kSection, "xpos", s.xpos);
    s.ypos = profile.intValue(kSection, "ypos", s.ypos);
    s.width = profile.intValue(kSection, "width", s.width);
    s.height = profile.intValue(kSection, "height", s.height);
    s.version = profile.value(kSection, "version", s.version);
    s.welcomeScreen = profile.intValue(kSection, "WelcomeScreen", s.welcomeScreen ? 1 : 0) != 0;
    s.chosenMailDef = profile.intValue(kSection, "chosenMailDef", s.chosenMailDef);
    s.hideAfterInsert = profile.intValue(kSection, "HideAfterInsert", 0) != 0;
}

void StoreHideAfterInsert(bool on) {
    Settings().hideAfterInsert = on;
    // Failures are not reported: the setting holds for this run.
    WriteProfileString(SettingsFilePath(), kSection, "HideAfterInsert", on ? "1" : "0");
}

void SaveSettingsValues(const QRect& windowBounds, const QSize& desktop, int chosenMailDef) {
    const SettingsRecord& s = Settings();
    const int x = windowBounds.x() > desktop.width() - kEdgeMargin ? 10 : windowBounds.x();
    const int y = windowBounds.y() > desktop.height() - kEdgeMargin ? 10 : windowBounds.y();
    const ProfileValues values = {
        {"xpos", QByteArray::number(x)},
        {"ypos", QByteArray::number(y)},
        {"width", QByteArray::number(qMax(windowBounds.width(), kMinimumExtent))},
        {"height", QByteArray::number(qMax(windowBounds.height(), kMinimumExtent))},
        {"version", s.version},
        {"WelcomeScreen", s.welcomeScreen ? "1" : "0"},
        {"chosenMailDef", QByteArray::number(chosenMailDef)},
    };
    // Failures are not reported: the old file stays whole.
    WriteProfileStrings(SettingsFilePath(), kSection, values);
}
