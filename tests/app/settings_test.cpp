#include "app/settings.h"

#include "integration/system_helpers.h"
#include "platform/ini_profile.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSize>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QSize kDesktop(1920, 1080);

TEST(Settings, DefaultsWithoutAFile) {
    TempHome env;
    Settings().xpos = 500;
    Settings().welcomeScreen = false;
    WriteFile(env.programDir() + "Glimmora.ini", "[Glimmora]\nxpos=333\n"); // never read here
    LoadSettings();
    const SettingsRecord& s = Settings();
    EXPECT_EQ(SettingsFilePath(), env.userData() + "Glimmora.ini");
    EXPECT_EQ(s.xpos, 10);
    EXPECT_EQ(s.ypos, 10);
    EXPECT_EQ(s.width, 750);
    EXPECT_EQ(s.height, 490);
    EXPECT_EQ(s.version, QByteArray("0"));
    EXPECT_TRUE(s.welcomeScreen);
    EXPECT_EQ(s.chosenMailDef, 0);
}

TEST(Settings, ReadsTheSeededFileWithoutRegardToCase) {
    TempHome env;
    WriteFile(env.userData() + "glimmora.ini", "[GLIMMORA]\r\nXPOS=-40\r\nypos=25\r\n"
                                               "width=abc\r\nheight=600\r\nversion= \"3.5 beta\" "
                                               "\r\nWelcomeScreen=0\r\nchosenMailDef=-1\r\n");
    LoadSettings();
    const SettingsRecord& s = Settings();
    EXPECT_EQ(s.xpos, -40);
    EXPECT_EQ(s.ypos, 25);
    EXPECT_EQ(s.width, 750); // not a number: the default
    EXPECT_EQ(s.height, 600);
    EXPECT_EQ(s.version, QByteArray("3.5 beta"));
    EXPECT_FALSE(s.welcomeScreen);
    EXPECT_EQ(s.chosenMailDef, -1);

    WriteFile(env.userData() + "glimmora.ini", "[Glimmora]\nWelcomeScreen=7\n");
    LoadSettings();
    EXPECT_TRUE(Settings().welcomeScreen);
    WriteFile(env.userData() + "glimmora.ini", "[Glimmora]\nWelcomeScreen=yes\n");
    LoadSettings();
    EXPECT_TRUE(Settings().welcomeScreen); // not a number: the default
}

TEST(Settings, SaveWritesAllKeysInOrderIntoANewFile) {
    TempHome env;
    QDir().mkpath(env.userData());
    LoadSettings();
    Settings().welcomeScreen = false;
    SaveSettingsValues(QRect(30, 40, 800, 500), kDesktop, 2);
    EXPECT_EQ(ReadFile(SettingsFilePath()),
              QByteArray("[Glimmora]\r\nxpos=30\r\nypos=40\r\nwidth=800\r\nheight=500\r\n"
                         "version=0\r\nWelcomeScreen=0\r\nchosenMailDef=2\r\n"));
    EXPECT_EQ(ReadProfileInt(SettingsFilePath(), "Glimmora", "language", 0), 0);
}

TEST(Settings, EdgesAndMinimumSize) {
    TempHome env;
    QDir().mkpath(env.userData());
    LoadSettings();
    const QString file = SettingsFilePath();
    auto value = [&file](const char* key) { return ReadProfileInt(file, "Glimmora", key, 12345); };

    SaveSettingsValues(QRect(1900, 1060, 99, 50), kDesktop, -1);
    EXPECT_EQ(value("xpos"), 1900); // exactly the desktop minus 20 stays
    EXPECT_EQ(value("ypos"), 1060);
    EXPECT_EQ(value("width"), 100);
    EXPECT_EQ(value("height"), 100);
    EXPECT_EQ(value("chosenMailDef"), -1);

    SaveSettingsValues(QRect(1901, 1061, 100, 101), kDesktop, 0);
    EXPECT_EQ(value("xpos"), 10);
    EXPECT_EQ(value("ypos"), 10);
    EXPECT_EQ(value("width"), 100);
    EXPECT_EQ(value("height"), 101);

    SaveSettingsValues(QRect(-300, -20, 750, 490), kDesktop, 0);
    EXPECT_EQ(value("xpos"), -300);
    EXPECT_EQ(value("ypos"), -20);
}

TEST(Settings, VersionAndOtherKeysSurviveAnAtomicSave) {
    TempHome env;
    const QString file = env.userData() + "Glimmora.ini";
    const QByteArray before = "[Glimmora]\r\nversion=3.5.0 (build 17)\r\nlanguage=2\r\n"
                              "xpos=1\r\n[Extra]\r\nkeep=me\r\n";
    WriteFile(file, before);
    ASSERT_EQ(::link(QFile::encodeName(file).constData(),
                     QFile::encodeName(env.home() + "old.ini").constData()),
              0);
    LoadSettings();
    SaveSettingsValues(QRect(5, 6, 700, 400), kDesktop, 1);
    EXPECT_EQ(ReadFile(env.home() + "old.ini"), before); // replaced whole, not rewritten
    EXPECT_EQ(ReadProfileString(file, "Glimmora", "version", ""), QByteArray("3.5.0 (build 17)"));
    EXPECT_EQ(ReadProfileInt(file, "Glimmora", "language", 0), 2);
    EXPECT_EQ(ReadProfileString(file, "Extra", "keep", ""), QByteArray("me"));
    LoadSettings();
    EXPECT_EQ(Settings().xpos, 5);
    EXPECT_EQ(Settings().width, 700);
    EXPECT_EQ(Settings().chosenMailDef, 1);
    EXPECT_EQ(Settings().version, QByteArray("3.5.0 (build 17)"));

    // Without a data folder nothing is written and nothing fails.
    QDir(env.userData()).removeRecursively();
    SaveSettingsValues(QRect(5, 6, 700, 400), kDesktop, 1);
    EXPECT_FALSE(QFile::exists(file));
}

TEST(Settings, HideAfterInsertIsOffByDefaultAndStoredAtOnce) {
    TempHome env;
    QDir().mkpath(env.userData());
    LoadSettings();
    EXPECT_FALSE(Settings().hideAfterInsert);
    StoreHideAfterInsert(true);
    SaveSettingsValues(QRect(5, 6, 700, 400), kDesktop, 1); // the other keys keep it
    LoadSettings();
    EXPECT_TRUE(Settings().hideAfterInsert);
    StoreHideAfterInsert(false);
    LoadSettings();
    EXPECT_FALSE(Settings().hideAfterInsert);
}

TEST(Settings, SkinToneIsStoredAtOnceAsAWordAndSetForThePages) {
    TempHome env;
    QDir().mkpath(env.userData());
    LoadSettings();
    EXPECT_EQ(Settings().skinTone, SkinTone::None);
    StoreSkinTone(SkinTone::MediumDark);
    EXPECT_EQ(ChosenSkinTone(), SkinTone::MediumDark);
    const QString file = env.userData() + "Glimmora.ini";
    EXPECT_EQ(ReadProfileString(file, "Glimmora", "SkinTone", ""), QByteArray("medium-dark"));
    SaveSettingsValues(QRect(5, 6, 700, 400), kDesktop, 1); // the other keys keep it
    SetChosenSkinTone(SkinTone::None);
    LoadSettings();
    EXPECT_EQ(Settings().skinTone, SkinTone::MediumDark);
    EXPECT_EQ(ChosenSkinTone(), SkinTone::MediumDark);
    // A word it does not know (a later version's, a typing error) is no tone.
    WriteProfileString(file, "Glimmora", "SkinTone", "olive");
    LoadSettings();
    EXPECT_EQ(ChosenSkinTone(), SkinTone::None);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
