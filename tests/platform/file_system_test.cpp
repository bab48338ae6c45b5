#include "platform/file_system.h"

#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ResolvePath, FindsEveryComponentWithoutRegardToCase) {
    TempHome env;
    WriteFile(env.home() + "Data/Sub/Glimmora.INI", "x");
    EXPECT_EQ(ResolvePath(env.home() + "data/SUB/glimmora.ini"),
              env.home() + "Data/Sub/Glimmora.INI");
    EXPECT_TRUE(FileExists(env.home() + "DATA/sub/GLIMMORA.ini"));
    EXPECT_FALSE(FolderExists(env.home() + "DATA/sub/GLIMMORA.ini"));
    EXPECT_TRUE(FolderExists(env.home() + "data/sub/"));
    EXPECT_FALSE(FileExists(env.home() + "data/sub"));
}

TEST(ResolvePath, ExactSpellingWinsAndMissingTailIsKept) {
    TempHome env;
    WriteFile(env.home() + "a.txt", "lower");
    WriteFile(env.home() + "A.txt", "upper");
    EXPECT_EQ(ResolvePath(env.home() + "A.txt"), env.home() + "A.txt");
    EXPECT_EQ(ResolvePath(env.home() + "a.txt"), env.home() + "a.txt");
    QDir().mkpath(env.home() + "Folder");
    // The existing part is matched, the part that does not exist yet stays as written.
    EXPECT_EQ(ResolvePath(env.home() + "folder/New/file.dat"), env.home() + "Folder/New/file.dat");
    EXPECT_EQ(ResolvePath(env.home() + "folder/"), env.home() + "Folder/");
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FolderExists(QString()));
}

TEST(MatchesMask, WildcardsIgnoreCase) {
    EXPECT_TRUE(MatchesMask("Pics.Main.DEF", "pics.*.def"));
    EXPECT_FALSE(MatchesMask("pics.def", "pics.*.def"));
    EXPECT_FALSE(MatchesMask("pics.main.def.bak", "pics.*.def"));
    EXPECT_TRUE(MatchesMask("abXbYc", "a*b*c"));
    EXPECT_TRUE(MatchesMask("a1c", "a?c"));
    EXPECT_FALSE(MatchesMask("ac", "a?c"));
    EXPECT_TRUE(MatchesMask("[x].gif", "[x].*")); // brackets are plain characters
    EXPECT_TRUE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask("Glimmora", "glimmora.*"));
    EXPECT_TRUE(MatchesMask("", "*"));
    // '?' is one character, also one outside the basic plane; such letters match in any case.
    EXPECT_TRUE(MatchesMask(u"\U0001F600.png"_s, "?.PNG"));
    EXPECT_TRUE(MatchesMask(u"x\U0001F600\U0001F600y"_s, "x??y"));
    EXPECT_FALSE(MatchesMask(u"\U0001F600\U0001F600"_s, "?"));
    EXPECT_TRUE(MatchesMask(u"\U00010400.gif"_s, u"*\U00010428.GIF"_s));
}

TEST(ListMatching, FilesOnlyHiddenIncludedFolderFoundWithoutCase) {
    TempHome env;
    const QString dir = env.home() + "Pics/";
    WriteFile(dir + "a.GIF", "1");
    WriteFile(dir + ".hidden.gif", "2");
    WriteFile(dir + "b.png", "3");
    QDir().mkpath(dir + "folder.gif");
    QStringList names = ListMatching(env.home() + "pics/", "*.gif");
    names.sort();
    EXPECT_EQ(names, QStringList({".hidden.gif", "a.GIF"}));
    names = ListMatching(dir, "*.gif", true);
    names.sort();
    EXPECT_EQ(names, QStringList({".hidden.gif", "a.GIF", "folder.gif"}));
    EXPECT_TRUE(ListMatching(env.home() + "missing/", "*").isEmpty());
}

TEST(TextLines, LineEndsAndByteOrderMark) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc"), QList<QByteArray>({"a", "b", "c"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\n"), QList<QByteArray>({"a", ""}));
    EXPECT_TRUE(SplitTextLines("").isEmpty());
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFx"), QByteArray("x"));
    EXPECT_EQ(WithoutByteOrderMark("x"), QByteArray("x"));
}

TEST(WriteFileAtomic, ReplacesByRenameAndLeavesNoTemporaryFile) {
    TempHome env;
    const QString path = env.home() + "data.ini";
    WriteFile(path, "old content");
    // A second name for the old file keeps the old bytes: the new file took its place whole
    // instead of being rewritten in place.
    ASSERT_EQ(::link(QFile::encodeName(path).constData(),
                     QFile::encodeName(env.home() + "old.ini").constData()),
              0);
    ASSERT_TRUE(WriteFileAtomic(env.home() + "DATA.ini", "new"));
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
    EXPECT_EQ(ReadFile(env.home() + "old.ini"), QByteArray("old content"));
    EXPECT_FALSE(QFile::exists(env.home() + "DATA.ini"));
    EXPECT_EQ(QDir(env.home()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    EXPECT_FALSE(WriteFileAtomic(env.home() + "missing/x.ini", "x"));
    EXPECT_FALSE(QFile::exists(env.home() + "missing"));
    EXPECT_FALSE(ReadFileBytes(env.home() + "missing/x.ini").has_value());
    EXPECT_FALSE(ReadFileBytes(env.home()).has_value()); // a folder is no file
}

TEST(ReplaceFileUnsynced, ReplacesByRenameAndLeavesNoTemporaryFile) {
    TempHome env;
    const QString path = env.home() + "page.htm";
    WriteFile(path, "old page");
    ASSERT_EQ(::link(QFile::encodeName(path).constData(),
                     QFile::encodeName(env.home() + "old.htm").constData()),
              0);
    ASSERT_TRUE(ReplaceFileUnsynced(env.home() + "PAGE.htm", "new"));
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
    EXPECT_EQ(ReadFile(env.home() + "old.htm"), QByteArray("old page"));
    EXPECT_EQ(QDir(env.home()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_FALSE(ReplaceFileUnsynced(env.home() + "missing/x.htm", "x"));
    EXPECT_FALSE(QFile::exists(env.home() + "missing"));
}

TEST(WriteFileAtomic, OnAFullDiskWritesAndCopiesFailAndKeepTheOldFile) {
    TempHome env;
    const QString folder = env.home() + "small/";
    SmallFileSystem disk(folder, "256k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMountMessage;
    WriteFile(folder + "settings.ini", "old settings");
    WriteFile(env.home() + "picture.png", "new picture");
    ASSERT_TRUE(CanWriteInFolder(folder));
    ASSERT_TRUE(disk.fill());

    // Small writes are the treacherous ones: they wait in a buffer until the file is closed.
    EXPECT_FALSE(CanWriteInFolder(folder));
    EXPECT_FALSE(WriteFileAtomic(folder + "settings.ini", "new settings"));
    EXPECT_FALSE(CopyFileAtomic(env.home() + "picture.png", folder + "settings.ini"));
    EXPECT_EQ(ReadFile(folder + "settings.ini"), QByteArray("old settings"));
    // No cut temporary file is left behind to take up room.
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"fill", "settings.ini"}));
}

TEST(ReadFileBytes, RefusesAFileBeyondSixteenMebibytesAndReportsItOnce) {
    TempHome env;
    const QString huge = env.home() + "huge.def";
    {
        QFile file(huge); // sparse: no room taken on the disk
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kLargestReadableFile + 1));
    }
    EXPECT_FALSE(ReadFileBytes(huge).has_value());
    EXPECT_FALSE(ReadFileBytes(huge).has_value());
    const QList<RefusedFile> refused = TakeNewRefusedFiles();
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0].path, huge);
    EXPECT_EQ(refused[0].reason, Refusal::TooLarge);
    EXPECT_FALSE(ReadFileBytes(huge).has_value());
    EXPECT_TRUE(TakeNewRefusedFiles().isEmpty()); // told once per run
}

TEST(RemoveFolderTree, RemovesReadOnlyEntriesAndNestedFolders) {
    TempHome env;
    const QString tree = env.home() + "tree/";
    WriteFile(tree + "readonly.txt", "r");
    WriteFile(tree + ".hidden", "h");
    WriteFile(tree + "sub/deeper/file.bin", "f");
    QFile::setPermissions(tree + "readonly.txt", QFile::ReadOwner);
    ::chmod(QFile::encodeName(tree + "sub/deeper").constData(), 0);
    EXPECT_TRUE(RemoveFolderTree(env.home() + "TREE"));
    EXPECT_FALSE(QFileInfo::exists(tree));
    EXPECT_FALSE(RemoveFolderTree(tree)); // gone already: nothing to do
}

TEST(RemoveFolderTree, NeverFollowsLinksOutOfTheTree) {
    TempHome env;
    const QString outside = env.home() + "outside/";
    WriteFile(outside + "keep.txt", "keep");
    WriteFile(env.home() + "keepfile.txt", "keep");
    const QString tree = env.home() + "tree/";
    WriteFile(tree + "x.txt", "x");
    ASSERT_TRUE(QFile::link(outside, tree + "linkdir"));
    ASSERT_TRUE(QFile::link(env.home() + "keepfile.txt", tree + "linkfile"));
    ASSERT_TRUE(QFile::link(tree, env.home() + "treelink"));

    // A link given as the folder is not followed, however the path is spelled.
    for (const char* spelling :
         {"treelink", "treelink/", "treelink//", "treelink/.", "./treelink/"})
        EXPECT_FALSE(RemoveFolderTree(env.home() + spelling)) << spelling;
    EXPECT_TRUE(QFileInfo::exists(tree + "x.txt"));

    EXPECT_TRUE(RemoveFolderTree(tree));
    EXPECT_FALSE(QFileInfo::exists(tree));
    EXPECT_EQ(ReadFile(outside + "keep.txt"), QByteArray("keep"));
    EXPECT_EQ(ReadFile(env.home() + "keepfile.txt"), QByteArray("keep"));
}

TEST(RemoveFolderTree, RefusesRootHomeAndMountPoints) {
    TempHome env;
    EXPECT_TRUE(IsProtectedFolder("/"));
    EXPECT_TRUE(IsProtectedFolder("/proc"));
    EXPECT_TRUE(IsProtectedFolder(env.home()));
    EXPECT_TRUE(IsProtectedFolder(QDir::homePath() + "/.."));
    // The account's home stays protected while $HOME points elsewhere.
    if (const passwd* account = ::getpwuid(::getuid())) {
        EXPECT_TRUE(IsProtectedFolder(QFile::decodeName(account->pw_dir)));
    }
    EXPECT_FALSE(IsProtectedFolder(env.home() + ".local"));
    WriteFile(env.home() + "precious.txt", "p");
    EXPECT_FALSE(RemoveFolderTree(env.home()));
    EXPECT_EQ(ReadFile(env.home() + "precious.txt"), QByteArray("p"));

    const QString tree = env.programDir() + "tree/";
    QDir().mkpath(tree + "mnt");
    SmallFileSystem mount(tree + "mnt");
    if (!mount.mounted())
        GTEST_SKIP() << kNoMountMessage;
    WriteFile(tree + "mnt/inside.txt", "in");
    EXPECT_TRUE(IsProtectedFolder(tree + "mnt"));
    EXPECT_FALSE(RemoveFolderTree(tree + "mnt"));
    EXPECT_FALSE(RemoveFolderTree(tree)); // the mount point inside stops the removal
    EXPECT_EQ(ReadFile(tree + "mnt/inside.txt"), QByteArray("in"));
    mount.unmount();
    EXPECT_TRUE(RemoveFolderTree(tree));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
