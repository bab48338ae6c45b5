#include "app/settings.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "localisation/language.h"
#include "platform/file_system.h"
#include "platform/ini_profile.h"
#include "platform/session.h"

#include <QSize>
#include <optional>

namespace {
const QString kBaseName = QStringLiteral("Glimmora");
const QString kFileName = QStringLiteral("Glimmora.ini");
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
    return UserDataPath(kFileName);
}

void LoadSettings() {
    SettingsRecord& s = Settings();
    s = SettingsRecord();
    SetChosenSkinTone(s.skinTone);
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
    for (const QByteArray& item : profile.value(kSection, "NoticesShown", "").split(',')) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (ok && !s.noticesShown.contains(number))
            s.noticesShown.append(number);
    }
    s.appearance = ReadAppearance();
    s.skinTone = SkinToneFromKey(QString::fromUtf8(profile.value(kSection, "SkinTone", "")));
    SetChosenSkinTone(s.skinTone);
}

int ReadAppearance() {
    const QString file = SettingsFilePath();
    if (!FileExists(file))
        return 0;
    const int appearance = ProfileText::FromFile(file).intValue(kSection, "Appearance", 0);
    return appearance >= 0 && appearance <= 2 ? appearance : 0;
}

void StoreAppearance(int appearance) {
    Settings().appearance = appearance;
    WriteProfileString(SettingsFilePath(), kSection, "Appearance", QByteArray::number(appearance));
}

void StoreSkinTone(SkinTone tone) {
    Settings().skinTone = tone;
    SetChosenSkinTone(tone);
    // Failures are not reported: the tone holds for this run.
    WriteProfileString(SettingsFilePath(), kSection, "SkinTone", SkinToneKey(tone).toLatin1());
}

void StoreHideAfterInsert(bool on) {
    Settings().hideAfterInsert = on;
    // Failures are not reported: the setting holds for this run.
    WriteProfileString(SettingsFilePath(), kSection, "HideAfterInsert", on ? "1" : "0");
}

void StoreNoticeShown(int number) {
    QList<int>& shown = Settings().noticesShown;
    if (shown.contains(number))
        return;
    shown.append(number);
    QByteArrayList items;
    for (int n : shown)
        items.append(QByteArray::number(n));
    // Failures are not reported: the notice is not repeated in this run.
    WriteProfileString(SettingsFilePath(), kSection, "NoticesShown", items.join(','));
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

void SaveSettings() {
    // Until the window has been placed (a quit during start-up) the stored values still hold;
    // where windows have no known position, the stored one stays for the next X11 session.
    const SettingsRecord& s = Settings();
    QRect bounds(s.xpos, s.ypos, s.width, s.height);
    if (Form1 && !Form1->FirstShowPending) {
        const QRect saved = Form1->SavedBounds();
        bounds.setSize(saved.size());
        if (WindowPositionsApply())
            bounds.moveTopLeft(saved.topLeft());
    }
    SaveSettingsValues(bounds, VirtualDesktop().size(), s.chosenMailDef);
}

SettingsStore& RecordSettingsStore() {
    class RecordStore final : public SettingsStore {
    public:
        int chosenMailDef() const override { return Settings().chosenMailDef; }
        void setChosenMailDef(int position) override { Settings().chosenMailDef = position; }
        bool hideAfterInsert() const override { return Settings().hideAfterInsert; }
        void storeHideAfterInsert(bool on) override { StoreHideAfterInsert(on); }
        void setWelcomeScreen(bool on) override { Settings().welcomeScreen = on; }
        int appearance() const override { return Settings().appearance; }
        void storeAppearance(int value) override { StoreAppearance(value); }
        int skinTone() const override { return static_cast<int>(Settings().skinTone); }
        void storeSkinTone(int tone) override {
            // The main window shows it at once: its choice, its page.
            if (Form1)
                Form1->SetSkinTone(SkinToneFromIndex(tone));
            else
                StoreSkinTone(SkinToneFromIndex(tone));
        }
        void save() override { SaveSettings(); }
    };
    static RecordStore store;
    return store;
}

int ReadLanguageNumber() {
    const QString settings = FindDataFile(kBaseName, kFileName);
    if (!FileExists(settings))
        return 0;
    const int number = ReadProfileInt(settings, kSection, "language", 0);
    // Only 0 to 100 name language files; anything else would build names that never exist.
    return number >= 0 && number <= 100 ? number : 0;
}

void WriteLanguageNumber(int n) {
    const QString settings = SettingsFilePath();
    if (!FileExists(settings))
        return; // the file is created only when the settings are saved
    WriteProfileString(ResolvePath(settings), kSection, "language", QByteArray::number(n));
}

namespace {

// The language chosen in this run, which a settings file that takes no writing cannot keep.
std::optional<int>& ChosenLanguage() {
    static std::optional<int> chosen;
    return chosen;
}

} // namespace

void StoreLanguageChoices() {
    static bool connected = false;
    if (connected)
        return;
    connected = true;
    QObject::connect(&LanguageSwitches(), &LanguageEvents::chosen, [](int number) {
        ChosenLanguage() = number;
        WriteLanguageNumber(number);
    });
}

int InterfaceLanguageNumber() {
    return ChosenLanguage().value_or(ReadLanguageNumber());
}
