#include "integration/system_helpers.h"

#include "platform/autostart_file.h"
#include "platform/program_folder.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(UserDataFolder, FollowsTheDataHomeElseTheProgramFolder) {
    TempHome env;
    EXPECT_EQ(UserDataFolder("Glimmora"), env.userData());
    EXPECT_EQ(UserDataFolder(""), env.dataHome() + "Orvandeck/");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataFolder("Glimmora"), env.home() + ".local/share/Orvandeck/Glimmora/");
    qputenv("XDG_DATA_HOME", "relative/path"); // not absolute: ignored
    EXPECT_EQ(UserDataFolder("Glimmora"), env.home() + ".local/share/Orvandeck/Glimmora/");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    EXPECT_EQ(UserDataFolder("Glimmora"), env.programDir() + "Glimmora/");
    EXPECT_EQ(UserDataFolder(""), env.programDir());
}

TEST(FindDataFile, UserCopyFirstThenShippedThenUserPath) {
    TempHome env;
    EXPECT_EQ(FindDataFile("Glimmora", "Glimmora.def"), env.userData() + "Glimmora.def");
    WriteFile(env.programDir() + "glimmora.DEF", "shipped");
    EXPECT_EQ(FindDataFile("Glimmora", "Glimmora.def"), env.programDir() + "glimmora.DEF");
    WriteFile(env.userData() + "Glimmora.def", "user");
    EXPECT_EQ(FindDataFile("Glimmora", "GLIMMORA.def"), env.userData() + "Glimmora.def");
}

TEST(UserDataFolder, CreatedSeededAndRemoved) {
    TempHome env;
    QDir(env.dataHome()).removeRecursively(); // a fresh account may lack it
    EnsureUserDataFolder("Glimmora");
    EXPECT_TRUE(FolderExists(env.userData()));

    WriteFile(env.programDir() + "glimmora.ini", "shipped ini");
    WriteFile(env.programDir() + "GlimmoraData/owncats.dat", "shipped cats");
    WriteFile(env.programDir() + "GlimmoraData/data/template.tpl", "tpl");
    WriteFile(env.programDir() + "Glimmora.t00", "new shipped");
    WriteFile(env.programDir() + "readonly.dat", "r");
    QFile::setPermissions(env.programDir() + "readonly.dat", QFile::ReadOwner | QFile::ReadOther);
    WriteFile(env.userData() + "Glimmora.t00", "user copy");
    QDir().mkpath(env.userData() + "GlimmoraData");
    CopyMissingFiles("Glimmora",
                     {"glimmora.ini", "GlimmoraData/owncats.dat", "GlimmoraData/data/template.tpl",
                      "Glimmora.t00", "missing.x", "readonly.dat"});
    EXPECT_TRUE(QFile::permissions(env.userData() + "readonly.dat") & QFile::WriteOwner);
    EXPECT_EQ(ReadFile(env.userData() + "glimmora.ini"), QByteArray("shipped ini"));
    EXPECT_EQ(ReadFile(env.userData() + "GlimmoraData/owncats.dat"), QByteArray("shipped cats"));
    EXPECT_EQ(ReadFile(env.userData() + "Glimmora.t00"), QByteArray("user copy"));
    // Sub-folders are not created by seeding.
    EXPECT_FALSE(QFileInfo::exists(env.userData() + "GlimmoraData/data"));
    EXPECT_FALSE(QFileInfo::exists(env.userData() + "missing.x"));

    // A copy under another letter case counts as present.
    WriteFile(env.programDir() + "Mixed.txt", "shipped");
    WriteFile(env.userData() + "mixed.TXT", "mine");
    CopyMissingFiles("Glimmora", {"Mixed.txt"});
    EXPECT_EQ(QDir(env.userData()).entryList({"mixed.*"}, QDir::Files).size(), 1);

    RemoveUserDataFolder("Glimmora");
    EXPECT_FALSE(QFileInfo::exists(env.userData()));
    EXPECT_TRUE(FolderExists(UserDataFolder("")));
}

TEST(DeleteFolderTree, RemovesReadOnlyFilesAndSubFoldersButNothingOutside) {
    TempHome env;
    const QString tree = env.home() + "tree/";
    WriteFile(tree + "ro.txt", "r");
    QFile::setPermissions(tree + "ro.txt", QFile::ReadOwner);
    WriteFile(tree + "sub/file", "f");
    WriteFile(env.home() + "outside/keep", "k");
    QFile::link(env.home() + "outside", tree + "sub/link");
    DeleteFolderTree(tree);
    EXPECT_FALSE(QFileInfo::exists(tree));
    EXPECT_EQ(ReadFile(env.home() + "outside/keep"), QByteArray("k"));
    // A link given as the folder goes as a link; what it points to stays.
    QFile::link(env.home() + "outside", env.home() + "linked");
    DeleteFolderTree(env.home() + "linked/");
    EXPECT_FALSE(QFileInfo(env.home() + "linked").isSymLink());
    EXPECT_EQ(ReadFile(env.home() + "outside/keep"), QByteArray("k"));
    DeleteFolderTree(env.home() + "missing/"); // nothing to do, no failure
    DeleteFolderTree(env.home());
    EXPECT_TRUE(QFileInfo::exists(env.home() + "outside/keep"));
}

TEST(ListFiles, MaskWithoutCaseFilesOnly) {
    TempHome env;
    const QString dir = env.home() + "GlimmoraData/";
    WriteFile(dir + "pics.Main.def", "");
    WriteFile(dir + "PICS.extra.DEF", "");
    WriteFile(dir + "pics.def.bak", "");
    QDir().mkpath(dir + "pics.folder.def");
    QStringList names = ListFiles(env.home() + "glimmoradata/", "pics.*.def");
    names.sort();
    EXPECT_EQ(names, QStringList({"PICS.extra.DEF", "pics.Main.def"}));
    EXPECT_TRUE(ListFiles(env.home() + "nothing/", "*").isEmpty());
}

TEST(TextFiles, ReadGivesCrBeforeEveryLine) {
    TempHome env;
    WriteFile(env.home() + "ab.txt", "a\r\nb\r\n");
    EXPECT_EQ(ReadTextFile(env.home() + "ab.txt"), QByteArray("\ra\rb"));
    WriteFile(env.home() + "lf.txt", "a\n\nb");
    EXPECT_EQ(ReadTextFile(env.home() + "LF.txt"), QByteArray("\ra\r\rb"));
    WriteFile(env.home() + "empty.txt", "");
    EXPECT_EQ(ReadTextFile(env.home() + "empty.txt"), QByteArray());
    EXPECT_EQ(ReadTextFile(env.home() + "missing.txt"), QByteArray());
    QDir().mkpath(env.home() + "folder.txt");
    EXPECT_THROW(ReadTextFile(env.home() + "folder.txt"), IoError);
}

TEST(TextFiles, WriteAndWriteOnce) {
    TempHome env;
    const QString page = env.home() + "temp.htm";
    WriteFile(page, "a much longer old page");
    WriteTextFile(page, "<html>");
    EXPECT_EQ(ReadFile(page), QByteArray("<html>\r\n"));
    EXPECT_THROW(WriteTextFile(env.home() + "no/page.htm", "x"), IoError);

    const QString once = env.home() + "Glimmora.cho";
    WriteTextFileOnce(once, "1");
    EXPECT_EQ(ReadFile(once), QByteArray("1"));
    WriteTextFileOnce(env.home() + "glimmora.CHO", "2");
    EXPECT_EQ(ReadFile(once), QByteArray("1"));
    EXPECT_FALSE(QFileInfo::exists(env.home() + "glimmora.CHO"));
    EXPECT_THROW(WriteTextFileOnce(env.home() + "no/x.cho", "1"), IoError);
}

TEST(TotalFileSize, SumsMatchingFiles) {
    TempHome env;
    WriteFile(env.home() + "d/a.ini", QByteArray(11, 'a'));
    WriteFile(env.home() + "d/B.INI", QByteArray(5, 'b'));
    WriteFile(env.home() + "d/c.txt", QByteArray(100, 'c'));
    QDir().mkpath(env.home() + "d/folder.ini");
    EXPECT_EQ(TotalFileSize(env.home() + "d/*.ini"), 16);
    EXPECT_EQ(TotalFileSize(env.home() + "D/a.ini"), 11);
    EXPECT_EQ(TotalFileSize(env.home() + "d/missing.ini"), 0);
    EXPECT_EQ(TotalFileSize(env.home() + "d/*.none"), 0);
    EXPECT_EQ(TotalFileSize(env.home() + "d/folder.ini"), 0);
}

TEST(Autostart, DesktopFileStandsForTheEntry) {
    TempHome env;
    EXPECT_FALSE(IsAutostartOn("Glimmora"));
    SetAutostart("Glimmora", "/opt/glimmora/glimmora /minime", true);
    const QString file = env.configHome() + "autostart/Glimmora.desktop";
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(ReadFile(file).contains("\nExec=/opt/glimmora/glimmora /minime\n"));
    EXPECT_TRUE(IsAutostartOn("Glimmora"));
    EXPECT_EQ(ReadAutostartCommand("Glimmora"), QString("/opt/glimmora/glimmora /minime"));
    SetAutostart("Glimmora", "ignored", false);
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FALSE(IsAutostartOn("Glimmora"));
    SetAutostart("Glimmora", "", false); // deleting a missing entry is no failure

    SetAutostart("Glimmora", "ab", true); // two characters do not count as an entry
    EXPECT_FALSE(IsAutostartOn("Glimmora"));
    SetAutostart("Glimmora", "abc", true);
    EXPECT_TRUE(IsAutostartOn("Glimmora"));

    qunsetenv("XDG_CONFIG_HOME");
    SetAutostart("Glimmora", "x y z", true);
    EXPECT_TRUE(QFileInfo::exists(env.home() + ".config/autostart/Glimmora.desktop"));
}

TEST(Autostart, CommandSurvivesSpecialCharacters) {
    TempHome env;
    const QString command = "\"/opt/my \\\\ apps/glimmora\" /minime";
    SetAutostart("Glimmora", command, true);
    EXPECT_EQ(ReadAutostartCommand("Glimmora"), command);
    EXPECT_EQ(ExecArgument("/usr/lib/glimmora/glimmora"), QString("/usr/lib/glimmora/glimmora"));
    EXPECT_EQ(ExecArgument("/home/a b/100%/glimmora"), QString("\"/home/a b/100%%/glimmora\""));
    EXPECT_EQ(ExecArgument("/x/$HOME\\\"q"), QString("\"/x/\\$HOME\\\\\\\"q\""));
    EXPECT_TRUE(AutostartCommand().endsWith(" /minime"));
    EXPECT_TRUE(AutostartCommand().startsWith(QCoreApplication::applicationFilePath()));
}

TEST(WindowsFamily, VersionRule) {
    EXPECT_FALSE(IsNtFamilyVersion(1, 4, 90));
    EXPECT_FALSE(IsNtFamilyVersion(1, 4, 0));
    EXPECT_TRUE(IsNtFamilyVersion(1, 4, 91));
    EXPECT_TRUE(IsNtFamilyVersion(1, 5, 0));
    EXPECT_TRUE(IsNtFamilyVersion(2, 5, 0));
    EXPECT_TRUE(IsNtFamilyVersion(2, 4, 0));
    EXPECT_TRUE(IsNtFamilyWindows());
}

TEST(CopyFileSilently, ReplacesTargetAndIgnoresFailures) {
    TempHome env;
    WriteFile(env.home() + "src.t01", "new language");
    WriteFile(env.home() + "Glimmora.def", "old language file that is longer");
    CopyFileSilently(env.home() + "src.t01", env.home() + "glimmora.def");
    EXPECT_EQ(ReadFile(env.home() + "Glimmora.def"), QByteArray("new language"));
    EXPECT_FALSE(QFileInfo::exists(env.home() + "glimmora.def"));

    CopyFileSilently(env.home() + "missing", env.home() + "Glimmora.def");
    EXPECT_EQ(ReadFile(env.home() + "Glimmora.def"), QByteArray("new language"));
    CopyFileSilently(env.home() + "src.t01", env.home() + "no/folder/x");
    CopyFileSilently(env.home() + "src.t01", env.home() + "src.t01");
    EXPECT_EQ(ReadFile(env.home() + "src.t01"), QByteArray("new language"));
}

// A stand-in for the desktop's opener that records what it was asked to open.
class FakeOpener {
public:
    explicit FakeOpener(const TempHome& env) : log_(env.home() + "opened.log") {
        const QString bin = env.home() + "bin/";
        WriteFile(bin + "xdg-open",
                  "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + log_.toUtf8() + "'\n");
        QFile::setPermissions(bin + "xdg-open", QFile::ReadOwner | QFile::ExeOwner);
        oldPath_ = qgetenv("PATH");
        qputenv("PATH", bin.toUtf8() + ":" + oldPath_);
    }
    ~FakeOpener() { qputenv("PATH", oldPath_); }
    QByteArray waitForLog() const {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && !ReadFile(log_).endsWith('\n'))
            QThread::msleep(20);
        return ReadFile(log_);
    }
    QString log() const { return log_; }

private:
    QString log_;
    QByteArray oldPath_;
};

TEST(Open, DocumentOnlyWhenPresentTargetAlways) {
    TempHome env;
    FakeOpener opener(env);
    OpenDocument(env.home() + "Glimmora.chm"); // missing: nothing is started
    WriteFile(env.home() + "Glimmora.chm", "help");
    OpenDocument(env.home() + "glimmora.CHM");
    EXPECT_EQ(opener.waitForLog(), (env.home() + "Glimmora.chm\n").toUtf8());
    QFile::remove(opener.log());
    OpenTarget("mailto:support@example.org");
    EXPECT_EQ(opener.waitForLog(), QByteArray("mailto:support@example.org\n"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
