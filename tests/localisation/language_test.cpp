// The language switch on real files in a temporary home: which files it puts in place, which
// language a name stands for, and the language number in the settings file.
#include "localisation/language.h"

#include "app/settings.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/ini_profile.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray LanguageFile(const QByteArray& name, const QByteArray& title = "Glimmora") {
    return "[0]\r\n" + name + "\r\n[1]\r\n" + title + "\r\n[END]\r\n";
}

class LanguageTest : public ::testing::Test {
protected:
    // The settings module stores the number of each switch, as in the program.
    void SetUp() override { StoreLanguageChoices(); }

    QString program() const { return home.programDir(); }
    QString data() const { return home.userData(); }

    // Language files 0 .. names.size() - 1 in the program folder.
    void ShipLanguages(const QList<QByteArray>& names) {
        for (int i = 0; i < names.size(); ++i)
            WriteFile(program() + "Glimmora.t0" + QString::number(i), LanguageFile(names[i]));
    }
    void WriteSettings(const QByteArray& content) { WriteFile(data() + "Glimmora.ini", content); }

    TempHome home;
};

TEST_F(LanguageTest, CodeOfANameIsTheLastLanguageCarryingIt) {
    ShipLanguages({"English", "Deutsch", "Français", "Deutsch"});
    EXPECT_EQ(LanguageCodeOf("English"), QStringLiteral("00"));
    EXPECT_EQ(LanguageCodeOf("FRANÇAIS"), QStringLiteral("02")); // compared without regard to case
    EXPECT_EQ(LanguageCodeOf("deutsch"), QStringLiteral("03"));
    EXPECT_EQ(LanguageCodeOf("Klingon"), QStringLiteral("00"));
    EXPECT_EQ(LanguageCodeOf(""), QStringLiteral("00"));

    // A user copy of a language file stands in for the program folder's.
    WriteFile(data() + "Glimmora.t01", LanguageFile("Nederlands"));
    EXPECT_EQ(LanguageCodeOf("Nederlands"), QStringLiteral("01"));
}

TEST_F(LanguageTest, CodeOfLanguageTenHasThreeDigitsAndGapsHideTheTop) {
    QList<QByteArray> names;
    for (int i = 0; i <= 10; ++i)
        names << "L" + QByteArray::number(i);
    ShipLanguages(names);
    EXPECT_EQ(LanguageCodeOf("L10"), QStringLiteral("010"));
    EXPECT_EQ(LanguageCodeOf("L9"), QStringLiteral("09"));

    // With language 4 gone only ten files count, so 0 to 9 are searched; the missing file's empty
    // name matches nothing.
    QFile::remove(program() + "Glimmora.t04");
    EXPECT_EQ(LanguageCodeOf("L10"), QStringLiteral("00"));
    EXPECT_EQ(LanguageCodeOf(""), QStringLiteral("00"));
}

TEST_F(LanguageTest, SwitchPutsTranslationHelpAndCatalogueFilesInPlace) {
    ShipLanguages({"English", "Deutsch"});
    WriteFile(program() + "Glimmora.c00", "help 0");
    WriteFile(program() + "Glimmora.c01", "help 1");
    WriteFile(program() + "GlimmoraData/pics.full.t01", "full 1");
    WriteFile(program() + "GlimmoraData/pics.full.t00", "full 0 shipped");
    WriteFile(data() + "GlimmoraData/pics.full.def", "full active");
    WriteFile(data() + "GlimmoraData/pics.fullenhanced.def", "enhanced active");
    WriteFile(data() + "GlimmoraData/pics.fullenhanced.t01", "enhanced 1 own");
    WriteFile(program() + "GlimmoraData/pics.fullenhanced.t01", "enhanced 1 shipped");
    WriteFile(data() + "GlimmoraData/pics.plain.def", "plain active");
    WriteFile(data() + "Glimmora.chm", "old help");
    WriteFile(data() + "Glimmora.def", LanguageFile("English"));
    WriteSettings("[Glimmora]\r\nxpos=5\r\nlanguage=0\r\n");

    SwitchLanguage("DEUTSCH");

    EXPECT_EQ(ReadFile(data() + "Glimmora.def"), LanguageFile("Deutsch"));
    EXPECT_EQ(ReadFile(data() + "Glimmora.chm"), QByteArray("help 1"));
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.full.def"), QByteArray("full 1"));
    // The user's own variant wins over the shipped one.
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.fullenhanced.def"),
              QByteArray("enhanced 1 own"));
    // No variant at all: the definition file keeps its content.
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.plain.def"), QByteArray("plain active"));
    // The new table is current at once.
    EXPECT_EQ(GetText(0), QStringLiteral("Deutsch"));
    EXPECT_EQ(ReadProfileInt(data() + "Glimmora.ini", "Glimmora", "language", -1), 1);
    EXPECT_EQ(ReadProfileInt(data() + "Glimmora.ini", "Glimmora", "xpos", -1), 5);
    EXPECT_EQ(ReadLanguageNumber(), 1);

    // Back to language 0: its own help and catalogue variants apply.
    SwitchLanguage("English");
    EXPECT_EQ(ReadFile(data() + "Glimmora.chm"), QByteArray("help 0"));
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.full.def"), QByteArray("full 0 shipped"));
    EXPECT_EQ(ReadLanguageNumber(), 0);
}

TEST_F(LanguageTest, DefaultCatalogueVariantComesFromTheUserFolderOnly) {
    ShipLanguages({"English", "Deutsch"});
    WriteFile(program() + "GlimmoraData/pics.full.t00", "full 0 shipped");
    WriteFile(data() + "GlimmoraData/pics.full.def", "full active");
    WriteFile(data() + "GlimmoraData/pics.other.def", "other active");
    WriteFile(data() + "GlimmoraData/pics.other.t00", "other 0 own");

    CopyCatalogueTranslations("01");
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.full.def"), QByteArray("full active"));
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.other.def"), QByteArray("other 0 own"));
}

TEST_F(LanguageTest, LanguageTenUsesTheThreeDigitCode) {
    QList<QByteArray> names;
    for (int i = 0; i <= 10; ++i)
        names << "L" + QByteArray::number(i);
    ShipLanguages(names);
    WriteFile(program() + "Glimmora.c010", "help 10");
    WriteFile(program() + "Glimmora.c01", "help 1");
    WriteFile(program() + "GlimmoraData/pics.full.t010", "full 10");
    WriteFile(program() + "GlimmoraData/pics.full.t01", "full 1");
    WriteFile(data() + "GlimmoraData/pics.full.def", "full active");
    WriteSettings("[Glimmora]\r\n");

    SwitchLanguage("L10");
    EXPECT_EQ(ReadFile(data() + "Glimmora.def"), LanguageFile("L10"));
    EXPECT_EQ(ReadFile(data() + "Glimmora.chm"), QByteArray("help 10"));
    EXPECT_EQ(ReadFile(data() + "GlimmoraData/pics.full.def"), QByteArray("full 10"));
    EXPECT_EQ(ReadLanguageNumber(), 10);
}

TEST_F(LanguageTest, LanguageWithoutHelpGetsTheHelpOfLanguageZero) {
    ShipLanguages({"English", "Deutsch"});
    WriteFile(program() + "Glimmora.c00", "help 0");
    WriteFile(data() + "Glimmora.chm", "old help");
    SwitchLanguage("Deutsch");
    EXPECT_EQ(ReadFile(data() + "Glimmora.chm"), QByteArray("help 0"));

    // With no help file at all the old one is gone, not kept in the wrong language.
    QFile::remove(program() + "Glimmora.c00");
    SwitchLanguage("English");
    EXPECT_FALSE(QFileInfo::exists(data() + "Glimmora.chm"));
}

TEST_F(LanguageTest, SwitchOnAFullDiskKeepsTheOldFilesWholeAndSpeaksTheNewLanguage) {
    ShipLanguages({"English", "Deutsch"});
    WriteFile(program() + "Glimmora.c01", "help 1");
    SmallFileSystem disk(data(), "256k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMountMessage;
    WriteFile(data() + "Glimmora.def", LanguageFile("English"));
    WriteFile(data() + "Glimmora.chm", "help 0");
    ASSERT_TRUE(disk.fill());

    SwitchLanguage("Deutsch");
    // Never deleted first: the files of the old language stay until new ones replace them.
    EXPECT_EQ(ReadFile(data() + "Glimmora.def"), LanguageFile("English"));
    EXPECT_EQ(ReadFile(data() + "Glimmora.chm"), QByteArray("help 0"));
    // The interface speaks the chosen language all the same: the table comes from its own file.
    EXPECT_EQ(GetText(0), QStringLiteral("Deutsch"));
}

TEST_F(LanguageTest, HelpInAReadOnlyDataFolderIsTheProgramsInTheChosenLanguage) {
    ShipLanguages({"English", "Deutsch", "Dansk"});
    WriteFile(program() + "Glimmora.c00", "help 0");
    WriteFile(program() + "Glimmora.c01", "help 1");
    SmallFileSystem disk(data(), "256k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMountMessage;
    ASSERT_TRUE(disk.makeReadOnly());

    SwitchLanguage("Deutsch");
    ASSERT_FALSE(QFileInfo::exists(data() + "Glimmora.chm"));
    EXPECT_EQ(ReadFile(HelpFile("01")), QByteArray("help 1"));
    EXPECT_EQ(ReadFile(HelpFile("02")), QByteArray("help 0")); // a language without help
}

TEST_F(LanguageTest, NumberIsStoredOnlyWhenTheSettingsFileExists) {
    ShipLanguages({"English", "Deutsch"});
    QDir().mkpath(data());
    SwitchLanguage("Deutsch");
    EXPECT_FALSE(QFileInfo::exists(data() + "Glimmora.ini"));
    EXPECT_FALSE(QFileInfo::exists(data() + "glimmora.ini"));
    EXPECT_EQ(ReadLanguageNumber(), 0);
    EXPECT_EQ(InterfaceLanguageNumber(), 1); // the run keeps what the file could not

    // The settings file is found whatever the case of its name, and no second one is made.
    WriteFile(data() + "glimmora.ini", "[glimmora]\r\nLanguage=0\r\n");
    WriteLanguageNumber(1);
    EXPECT_FALSE(QFileInfo::exists(data() + "Glimmora.ini"));
    EXPECT_EQ(ReadProfileInt(data() + "glimmora.ini", "Glimmora", "language", -1), 1);
    EXPECT_EQ(ReadLanguageNumber(), 1);
}

TEST_F(LanguageTest, ReadNumberFallsBackToZero) {
    EXPECT_EQ(ReadLanguageNumber(), 0); // no settings file anywhere

    // The program folder's settings file serves while the user has none.
    WriteFile(program() + "Glimmora.ini", "[Glimmora]\r\nlanguage=2\r\n");
    EXPECT_EQ(ReadLanguageNumber(), 2);

    for (const QByteArray& value :
         {QByteArray("two"), QByteArray(""), QByteArray("3x"), QByteArray("-1"), QByteArray("101"),
          QByteArray("99999999999")}) {
        WriteSettings("[Glimmora]\r\nlanguage=" + value + "\r\n");
        EXPECT_EQ(ReadLanguageNumber(), 0) << value.constData();
    }
    WriteSettings("[Glimmora]\r\nother=1\r\n");
    EXPECT_EQ(ReadLanguageNumber(), 0);
    WriteSettings("[Glimmora]\r\nlanguage = 100\r\n");
    EXPECT_EQ(ReadLanguageNumber(), 100);
}

TEST_F(LanguageTest, MissingTranslationLeavesAnEmptyTable) {
    // Only language 1 exists, so its name is unknown: code 00, whose file is missing.
    WriteFile(program() + "Glimmora.t01", LanguageFile("Deutsch"));
    WriteFile(data() + "Glimmora.def", LanguageFile("English"));
    CreateTranslationTable("Glimmora");
    ASSERT_EQ(GetText(0), QStringLiteral("English"));
    SwitchLanguage("Deutsch");
    EXPECT_FALSE(QFileInfo::exists(data() + "Glimmora.def"));
    EXPECT_EQ(GetText(0), QString());
    EXPECT_EQ(GetText(1), QString());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
