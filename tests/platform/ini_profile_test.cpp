#include "platform/ini_profile.h"

#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Read(const QByteArray& text, const QByteArray& section, const QByteArray& key) {
    return ReadProfileStringFromText(text, section, key, "<default>");
}

TEST(IniRead, SectionsAndKeysIgnoreCaseAndBlanks) {
    const QByteArray text = "\xEF\xBB\xBF; comment\r\n"
                            "[Other]\r\n"
                            "xpos=99\r\n"
                            "  [ glimmora ]  \r\n"
                            "  XPos  =   12  \r\n"
                            "flag\r\n"
                            "empty=\r\n"
                            "tabs=\tvalue\t\r\n";
    EXPECT_EQ(Read(text, "GLIMMORA", "xpos"), QByteArray("12"));
    EXPECT_EQ(Read(text, "other", "XPOS"), QByteArray("99"));
    EXPECT_EQ(Read(text, "Glimmora", "empty"), QByteArray(""));
    EXPECT_EQ(Read(text, "Glimmora", "tabs"), QByteArray("value"));
    EXPECT_EQ(Read(text, "Glimmora", "flag"), QByteArray("<default>")); // no '=': no key
    EXPECT_EQ(Read(text, "Glimmora", "missing"), QByteArray("<default>"));
    EXPECT_EQ(Read(text, "Missing", "xpos"), QByteArray("<default>"));
    EXPECT_EQ(Read("[a]\nk=v", "a", "k"), QByteArray("v")); // LF only, no final line end
}

TEST(IniRead, OnePairOfQuotesDroppedAndValuesCutAt2047) {
    const QByteArray text = "[s]\n"
                            "d= \"quoted value\" \n"
                            "s='single'\n"
                            "two=\"\"x\"\"\n"
                            "odd=\"open\n"
                            "mixed=\"a'\n"
                            "inner=a \"b\" c\n"
                            "long=" +
                            QByteArray(3000, 'x') +
                            "\n"
                            "utf=" +
                            QByteArray(2046, 'y') + "\xC3\xA4\n";
    EXPECT_EQ(Read(text, "s", "d"), QByteArray("quoted value"));
    EXPECT_EQ(Read(text, "s", "s"), QByteArray("single"));
    EXPECT_EQ(Read(text, "s", "two"), QByteArray("\"x\""));
    EXPECT_EQ(Read(text, "s", "odd"), QByteArray("\"open"));
    EXPECT_EQ(Read(text, "s", "mixed"), QByteArray("\"a'"));
    EXPECT_EQ(Read(text, "s", "inner"), QByteArray("a \"b\" c"));
    EXPECT_EQ(Read(text, "s", "long"), QByteArray(2047, 'x'));
    // The cut does not leave half of a two-byte character behind.
    EXPECT_EQ(Read(text, "s", "utf"), QByteArray(2046, 'y'));
}

TEST(IniRead, IntegersAndMissingFiles) {
    TempHome env;
    const QString file = env.home() + "Test.ini";
    WriteFile(file, "[n]\na=12\nb= -5 \nc=12abc\nd=\ne=99999999999\nf=+7\ng=-\n");
    EXPECT_EQ(ReadProfileInt(file, "n", "a", 1), 12);
    EXPECT_EQ(ReadProfileInt(file, "n", "b", 1), -5);
    EXPECT_EQ(ReadProfileInt(file, "n", "c", 1), 1);
    EXPECT_EQ(ReadProfileInt(file, "n", "d", 1), 1);
    EXPECT_EQ(ReadProfileInt(file, "n", "e", 1), 1);
    EXPECT_EQ(ReadProfileInt(file, "n", "f", 1), 7);
    EXPECT_EQ(ReadProfileInt(file, "n", "g", 1), 1);
    EXPECT_EQ(ReadProfileInt(file, "n", "zz", 3), 3);
    EXPECT_EQ(ReadProfileInt(env.home() + "test.INI", "N", "A", 1), 12); // file name case
    EXPECT_EQ(ReadProfileString(env.home() + "none.ini", "n", "a", "dflt"), QByteArray("dflt"));
}

TEST(IniWrite, KeepsEveryOtherLineAndReplacesInPlace) {
    TempHome env;
    const QString file = env.home() + "glimmora.ini";
    WriteFile(file, "; my notes\r\n"
                    "[Glimmora]\r\n"
                    "XPos = 5\r\n"
                    "language=2\r\n"
                    "\r\n"
                    "[Other]\r\n"
                    "xpos=77\r\n");
    ASSERT_TRUE(WriteProfileStrings(env.home() + "Glimmora.ini", "glimmora",
                                    {{"xpos", "11"}, {"width", "300"}}));
    EXPECT_EQ(ReadFile(file), QByteArray("; my notes\r\n"
                                         "[Glimmora]\r\n"
                                         "XPos=11\r\n"
                                         "language=2\r\n"
                                         "width=300\r\n"
                                         "\r\n"
                                         "[Other]\r\n"
                                         "xpos=77\r\n"));
    EXPECT_FALSE(QFile::exists(env.home() + "Glimmora.ini")); // the existing spelling is used

    ASSERT_TRUE(WriteProfileString(file, "New", "k", "v"));
    EXPECT_TRUE(ReadFile(file).endsWith("xpos=77\r\n\r\n[New]\r\nk=v\r\n"));
}

TEST(IniWrite, CreatesFileKeepsLineEndsAndRefusesInjectedLines) {
    TempHome env;
    const QString created = env.home() + "new.ini";
    ASSERT_TRUE(WriteProfileStrings(created, "S", {{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(ReadFile(created), QByteArray("[S]\r\na=1\r\nb=2\r\n"));

    const QString lf = env.home() + "lf.ini";
    WriteFile(lf, "[S]\na=1\n");
    ASSERT_TRUE(WriteProfileString(lf, "S", "a", "2"));
    EXPECT_EQ(ReadFile(lf), QByteArray("[S]\na=2\n"));

    for (const QByteArray value : {" padded ", "\"quoted\"", "'single'", "\"", "a \"b\""}) {
        ASSERT_TRUE(WriteProfileString(lf, "S", "v", value));
        EXPECT_EQ(ReadProfileString(lf, "S", "v", ""), value);
    }
    EXPECT_TRUE(ReadFile(lf).contains("\nv=a \"b\"\n")); // plain values are written as they are

    ASSERT_TRUE(WriteProfileString(lf, "S", "a", "x\r\n[Evil]\r\nb=1"));
    EXPECT_EQ(ReadProfileString(lf, "S", "a", ""), QByteArray("x"));
    EXPECT_EQ(ReadProfileString(lf, "Evil", "b", "none"), QByteArray("none"));

    EXPECT_FALSE(WriteProfileString(env.home() + "nofolder/x.ini", "S", "a", "1"));
    EXPECT_FALSE(QFile::exists(env.home() + "nofolder"));
}

TEST(IniWrite, ReplacesTheFileAtomically) {
    TempHome env;
    const QString file = env.home() + "a.ini";
    WriteFile(file, "[S]\na=1\n");
    ASSERT_EQ(::link(QFile::encodeName(file).constData(),
                     QFile::encodeName(env.home() + "before.ini").constData()),
              0);
    ASSERT_TRUE(WriteProfileString(file, "S", "a", "2"));
    EXPECT_EQ(ReadFile(env.home() + "before.ini"), QByteArray("[S]\na=1\n"));
    EXPECT_EQ(ReadFile(file), QByteArray("[S]\na=2\n"));
    EXPECT_EQ(QDir(env.home()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// Settings are the user's alone: a new file is closed to others whatever the umask, and a file
// that was open to them (as a copy of the shipped one is) is closed when it is written again.
TEST(IniWrite, SettingsAreClosedToOthers) {
    TempHome env;
    const mode_t umaskBefore = ::umask(022);
    const auto mode = [](const QString& path) {
        struct stat st = {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_mode & 0777;
    };
    const QString fresh = env.home() + "fresh.ini";
    ASSERT_TRUE(WriteProfileString(fresh, "S", "a", "1"));
    EXPECT_EQ(mode(fresh), 0600u);
    const QString seeded = env.home() + "seeded.ini";
    WriteFile(seeded, "[S]\na=1\n");
    ::chmod(QFile::encodeName(seeded).constData(), 0644);
    ASSERT_TRUE(WriteProfileString(seeded, "S", "a", "2"));
    EXPECT_EQ(mode(seeded), 0600u);
    ::chmod(QFile::encodeName(seeded).constData(), 0400); // a tighter mode stays
    ASSERT_TRUE(WriteProfileString(seeded, "S", "a", "3"));
    EXPECT_EQ(mode(seeded), 0400u);
    ::umask(umaskBefore);
}

// Whatever the file held before, a written key reads back and no other key changes.
TEST(IniWrite, WritingOneKeyChangesNothingElse) {
    TempHome env;
    const QString file = env.home() + "random.ini";
    const QList<QByteArray> pieces = {"[S]",     "[s ]", "[T]",     "[",     "]", "k=1",
                                      "K = 'q'", "k",    "x=\"a\"", "y==",   " ", "",
                                      ";k=c",    "\r",   "=v",      "[U]x=1"};
    const QList<QPair<QByteArray, QByteArray>> probes = {{"T", "k"}, {"T", "x"}, {"U", "k"},
                                                         {"S", "x"}, {"S", "y"}, {"T", "y"}};
    const QList<QByteArray> values = {"new value", " x ", "\"q\"", "'", "", "a=b", "[S]"};
    QRandomGenerator random(1234);
    for (int round = 0; round < 300; ++round) {
        QByteArray text;
        const int lines = random.bounded(12);
        for (int i = 0; i < lines; ++i)
            text +=
                pieces[random.bounded(int(pieces.size()))] + (random.bounded(2) ? "\r\n" : "\n");
        WriteFile(file, text);
        QList<QByteArray> before;
        for (const auto& [section, key] : probes)
            before << ReadProfileString(file, section, key, "<none>");
        const QByteArray value = values[random.bounded(int(values.size()))];
        ASSERT_TRUE(WriteProfileString(file, "s", "K", value)) << text.toStdString();
        EXPECT_EQ(ReadProfileString(file, "S", "k", "<none>"), value) << text.toStdString();
        for (qsizetype i = 0; i < probes.size(); ++i) {
            if (probes[i].first == "S" && probes[i].second == "k")
                continue;
            EXPECT_EQ(ReadProfileString(file, probes[i].first, probes[i].second, "<none>"),
                      before[i])
                << text.toStdString();
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
