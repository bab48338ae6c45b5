#include "catalogue/own_categories.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString OwnList() {
    return UserCatalogueFolder() + "owncats.dat";
}

// Hands out the given numbers one after the other.
CategoryNumberSource Numbers(std::vector<int> numbers) {
    auto next = std::make_shared<size_t>(0);
    return [numbers, next] { return numbers.at(std::min((*next)++, numbers.size() - 1)); };
}

class OwnCategories : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(UserCatalogueFolder() + "pics.full.def", "[Animals]animals\r\n-[Cats]cats\r\n");
        QDir().mkpath(OwnCategoriesFolder());
        QDir().mkpath(FavouritesFolder());
    }
    TempHome home_;
};

} // namespace

TEST(CleanFileName, KeepsOnlyPlainLettersDigitsDotsUnderscoresAndDashes) {
    EXPECT_EQ(CleanFileName("/home/u/Bilder/Mein Smiley (1).gif"), "MeinSmiley1.gif");
    EXPECT_EQ(CleanFileName(u"/home/u/Häschen.png"_s), "Hschen.png");
    EXPECT_EQ(CleanFileName("/x/a_b-c.D.PNG"), "a_b-c.D.PNG");
    EXPECT_EQ(CleanFileName("/x/ .gif"), ".gif");
    EXPECT_EQ(CleanFileName(u"/x/äöü ()"_s), "");
    EXPECT_EQ(CleanFileName("/x/dir/"), "");
    EXPECT_EQ(CleanFileName("C:\\Bilder\\a:b.gif"), "CBilderab.gif");
}

TEST_F(OwnCategories, TwoAddedCategoriesFollowTheBuiltInOnesAndTheSecondCanBeRemoved) {
    ASSERT_FALSE(QFile::exists(OwnList())); // a missing list is created
    EXPECT_EQ(AddOwnCategory("First", Numbers({7})), "7");
    EXPECT_EQ(AddOwnCategory("Sec:ond", Numbers({9})), "9");
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n9:Sec:ond\r\n");
    WriteFile(OwnCategoriesFolder() + "9/pic.gif", "x");
    WriteFile(OwnCategoriesFolder() + "7/pic.gif", "x");

    CatalogueData data = LoadCatalogueData();
    ASSERT_EQ(data.nodes.size(), 4u);
    EXPECT_EQ(data.LastBuiltInIndex, 1);
    EXPECT_EQ(data.nodes[2].name, "First");
    EXPECT_EQ(data.nodes[3].name, "Sec:ond");
    EXPECT_EQ(data.nodes[3].parent, -1);

    EXPECT_FALSE(RemoveOwnCategory(data, 1)); // a built-in category
    EXPECT_FALSE(RemoveOwnCategory(data, 4));
    EXPECT_TRUE(RemoveOwnCategory(data, 3));
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n");
    EXPECT_FALSE(QFileInfo::exists(OwnCategoriesFolder() + "9"));
    EXPECT_TRUE(QFileInfo::exists(OwnCategoriesFolder() + "7/pic.gif"));
    EXPECT_FALSE(QFileInfo::exists(OwnList() + ".tmp"));
    EXPECT_EQ(LoadCatalogueData().nodes.size(), 3u);
}

TEST_F(OwnCategories, ANumberInUseIsDrawnAgainAndTheNameStaysOneLine) {
    WriteFile(OwnList(), "5:Listed"); // no line end after the last line
    QDir().mkpath(OwnCategoriesFolder() + "6");
    EXPECT_EQ(AddOwnCategory("Same", Numbers({5, 6, 8})), "8");
    EXPECT_EQ(AddOwnCategory("Same", Numbers({8, 8, 11})), "11");
    EXPECT_EQ(AddOwnCategory("Two\r\nLines\n", Numbers({12})), "12");
    EXPECT_EQ(AddOwnCategory("", Numbers({13})), "");
    EXPECT_EQ(ReadFile(OwnList()), "5:Listed\r\n8:Same\r\n11:Same\r\n12:Two  Lines \r\n");
    EXPECT_TRUE(QFileInfo(OwnCategoriesFolder() + "11").isDir());
    EXPECT_FALSE(QFileInfo::exists(OwnCategoriesFolder() + "13"));
}

TEST_F(OwnCategories, AFolderThatCannotBeMadeAddsNoLine) {
    WriteFile(OwnList(), "1:One\r\n");
    QDir().mkpath(OwnCategoriesFolder() + "2");
    EXPECT_THROW(AddOwnCategory("Never", Numbers({2})), IoError); // every draw is taken
    QDir(OwnCategoriesFolder()).removeRecursively();
    WriteFile(UserCatalogueFolder() + "owncats", "a file where the folder belongs");
    EXPECT_THROW(AddOwnCategory("Never", Numbers({3})), IoError);
    EXPECT_EQ(ReadFile(OwnList()), "1:One\r\n");
}

TEST_F(OwnCategories, RemovalInterruptedBeforeTheReplaceKeepsTheOldListWhole) {
    WriteFile(OwnList(), "7:First\r\n9:Second\r\n10:Third\r\n");
    QDir().mkpath(OwnCategoriesFolder() + "9");
    const CatalogueData data = LoadCatalogueData();
    struct Interrupted {};
    EXPECT_THROW(RemoveOwnCategory(data, 3, [] { throw Interrupted(); }), Interrupted);
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n9:Second\r\n10:Third\r\n");
    EXPECT_EQ(ReadFile(OwnList() + ".tmp"), "7:First\r\n10:Third\r\n");
    EXPECT_TRUE(QFileInfo::exists(OwnCategoriesFolder() + "9"));

    // The replacement itself fails: the old list stays.
    EXPECT_THROW(RemoveOwnCategory(data, 3,
                                   [] {
                                       QFile::remove(OwnList() + ".tmp");
                                       QDir().mkpath(OwnList() + ".tmp/x");
                                   }),
                 IoError);
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n9:Second\r\n10:Third\r\n");
    QDir(OwnList() + ".tmp").removeRecursively();

    // A later removal goes through over the left-over new list.
    WriteFile(OwnList() + ".tmp", "stale");
    EXPECT_TRUE(RemoveOwnCategory(data, 3));
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n10:Third\r\n");
    EXPECT_FALSE(QFileInfo::exists(OwnCategoriesFolder() + "9"));
}

TEST_F(OwnCategories, RemovalChecksTheListAndNeverDeletesOutsideTheOwnFolder) {
    WriteFile(OwnList(), "7:First\r\n..:Up\r\nnocolon\r\n");
    WriteFile(UserCatalogueFolder() + "keep.gif", "x");
    CatalogueData data = LoadCatalogueData();
    ASSERT_EQ(data.nodes.size(), 5u);

    EXPECT_TRUE(RemoveOwnCategory(data, 3)); // folder owncats/../ is not an own category's
    EXPECT_TRUE(QFileInfo::exists(UserCatalogueFolder() + "keep.gif"));
    EXPECT_FALSE(RemoveOwnCategory(data, 4)); // the list changed since the catalogue was read
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\nnocolon\r\n");

    data = LoadCatalogueData();
    EXPECT_TRUE(RemoveOwnCategory(data, 3)); // folder owncats// is the own folder itself
    EXPECT_TRUE(QFileInfo(OwnCategoriesFolder()).isDir());
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n");

    // A missing list removes nothing, and the category's folder stays.
    QDir().mkpath(OwnCategoriesFolder() + "7");
    data = LoadCatalogueData();
    QFile::remove(OwnList());
    EXPECT_FALSE(RemoveOwnCategory(data, 2));
    EXPECT_TRUE(QFileInfo(OwnCategoriesFolder() + "7").isDir());
    EXPECT_FALSE(QFileInfo::exists(OwnList()));
}

TEST_F(OwnCategories, RemovingALinkedCategoryNeverTouchesWhatTheLinksPointTo) {
    // The user's own pictures, reached through a link as the category's folder.
    const QString mine = home_.home() + "Pictures/mine/";
    WriteFile(mine + "a.gif", "a");
    WriteFile(mine + "sub/b.png", "b");
    ASSERT_TRUE(QFile::link(mine, OwnCategoriesFolder() + "666"));
    WriteFile(OwnList(), "666:Linked\r\n7:Moved\r\n");
    CatalogueData data = LoadCatalogueData();
    ASSERT_EQ(data.CategoryFolders.at(2), OwnCategoriesFolder() + "666/");

    EXPECT_TRUE(RemoveOwnCategory(data, 2));
    EXPECT_FALSE(QFileInfo(OwnCategoriesFolder() + "666").isSymLink()); // the link goes
    EXPECT_EQ(ReadFile(mine + "a.gif"), "a");
    EXPECT_EQ(ReadFile(mine + "sub/b.png"), "b");
    EXPECT_EQ(ReadFile(OwnList()), "7:Moved\r\n");

    // The folder of all own categories is itself a link out of the data folder: its categories'
    // folders lie outside, so only the line goes.
    const QString moved = home_.home() + "owncats-elsewhere/";
    WriteFile(moved + "7/c.gif", "c");
    QDir(OwnCategoriesFolder()).removeRecursively();
    ASSERT_TRUE(QFile::link(moved, OwnCategoriesFolder().chopped(1)));
    data = LoadCatalogueData();
    EXPECT_TRUE(RemoveOwnCategory(data, 2));
    EXPECT_EQ(ReadFile(moved + "7/c.gif"), "c");
    EXPECT_EQ(ReadFile(OwnList()), "");
}

TEST_F(OwnCategories, FavouritesAreCopiesUnderTheirOwnName) {
    const QString picture = CatalogueBaseFolder() + "animals/cats/smile.gif";
    WriteFile(picture, "picture");
    EXPECT_FALSE(IsInFavourites(picture));
    EXPECT_TRUE(CopyToFavourites(picture));
    const QString favourite = FavouritesFolder() + "smile.gif";
    EXPECT_EQ(ReadFile(favourite), "picture");
    EXPECT_TRUE(IsInFavourites(favourite));
    EXPECT_FALSE(IsInFavourites(FavouritesFolder().chopped(1) + "2/x.gif"));

    WriteFile(picture, "changed");
    EXPECT_TRUE(CopyToFavourites(picture)); // replaces the favourite of that name
    EXPECT_EQ(ReadFile(favourite), "changed");
    EXPECT_TRUE(CopyToFavourites(favourite)); // onto itself: the favourite stays whole
    EXPECT_EQ(ReadFile(favourite), "changed");
    QDir().mkpath(CatalogueBaseFolder() + "animals/smile.gif.d/smile.gif");
    EXPECT_TRUE(CopyToFavourites(CatalogueBaseFolder() + "animals/smile.gif.d/smile.gif"));
    EXPECT_EQ(ReadFile(favourite), "changed"); // a folder never replaces a favourite
    EXPECT_FALSE(CopyToFavourites(CatalogueBaseFolder() + "gone.gif"));
    EXPECT_FALSE(QFileInfo::exists(FavouritesFolder() + "gone.gif"));
}

TEST_F(OwnCategories, OnlyPicturesInCategoryFoldersOrTheFavouritesMayBeDeleted) {
    WriteFile(OwnList(), "7:Mine\r\n");
    const CatalogueData data = LoadCatalogueData();
    const QString inside[] = {CatalogueBaseFolder() + "animals/a.gif",
                              CatalogueBaseFolder() + "animals/cats/b.PNG",
                              OwnCategoriesFolder() + "7/c.jpeg", FavouritesFolder() + "d.gra"};
    const QString outside[] = {CatalogueBaseFolder() + "animals/notes.txt",
                               CatalogueBaseFolder() + "animals/sub/e.gif",
                               CatalogueBaseFolder() + "animals/cats/../../f.gif",
                               UserCatalogueFolder() + "owncats.dat",
                               UserCatalogueFolder() + "g.gif",
                               home_.home() + "h.gif"};
    for (const QString& path : inside)
        WriteFile(path, "x");
    for (const QString& path : outside)
        WriteFile(path, "x");
    for (const QString& path : outside) {
        EXPECT_FALSE(DeleteCataloguePicture(path, data)) << path.toStdString();
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    }
    EXPECT_FALSE(DeleteCataloguePicture("animals/a.gif", data));
    EXPECT_FALSE(DeleteCataloguePicture("mailto:someone@example.com", data));
    for (const QString& path : inside) {
        EXPECT_TRUE(DeleteCataloguePicture(path, data)) << path.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    }
    // "link/.." inside a category spells the category's folder, but the system would go up from
    // where the link points.
    WriteFile(home_.home() + "elsewhere/j.gif", "x");
    ASSERT_TRUE(QFile::link(home_.home() + "elsewhere/deep", CatalogueBaseFolder() + "animals/up"));
    QDir().mkpath(home_.home() + "elsewhere/deep");
    DeleteCataloguePicture(CatalogueBaseFolder() + "animals/up/../j.gif", data);
    EXPECT_TRUE(QFileInfo::exists(home_.home() + "elsewhere/j.gif"));
    // A folder named in other letters than the definition file has is still that category's.
    const QString renamed = CatalogueBaseFolder() + "Animals";
    QDir().rename(CatalogueBaseFolder() + "animals", renamed);
    WriteFile(renamed + "/i.gif", "x");
    EXPECT_TRUE(IsCataloguePicture(renamed + "/i.gif", data));
}

TEST_F(OwnCategories, AddingPicturesCopiesUnderCleanedNamesWithProgress) {
    const QString source = home_.home() + "Bilder/";
    WriteFile(source + "Mein Smiley (1).gif", "one");
    WriteFile(source + "Mein-Smiley1.png", "two");
    WriteFile(source + "MeinSmiley(1).gif", "three"); // cleans to the first one's name
    WriteFile(source + u"ää"_s, "no name");
    WriteFile(source + u"ü.ü"_s, "only a dot");
    const QString target = OwnCategoriesFolder() + "7/";
    const QStringList files = {source + "Mein Smiley (1).gif",
                               source + "Mein-Smiley1.png",
                               source + "missing.gif",
                               source + "MeinSmiley(1).gif",
                               source + u"ää"_s,
                               source + u"ü.ü"_s};
    std::vector<int> progress;
    std::vector<int> pauses;
    AddPictures(
        files, target, [&](int position) { progress.push_back(position); },
        [&](int ms) { pauses.push_back(ms); });
    EXPECT_EQ(progress, std::vector<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(pauses, std::vector<int>(6, 300));
    EXPECT_EQ(QDir(target).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"Mein-Smiley1.png", "MeinSmiley1.gif"}));
    EXPECT_EQ(ReadFile(target + "MeinSmiley1.gif"), "three");

    // A picture added to the folder it already lies in stays whole.
    AddPictures({target + "MeinSmiley1.gif"}, target, {}, [](int) {});
    EXPECT_EQ(ReadFile(target + "MeinSmiley1.gif"), "three");
}

TEST_F(OwnCategories, OnAFullDiskTheListStaysWholeAndPicturesNotAddedAreNamed) {
    SmallFileSystem disk(UserCatalogueFolder(), "256k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMountMessage;
    WriteFile(OwnList(), "7:First\r\n9:Second\r\n");
    WriteFile(OwnCategoriesFolder() + "7/smile.gif", "old picture");
    const QString picture = home_.home() + "smile.gif";
    WriteFile(picture, QByteArray(100000, 'n'));
    const CatalogueData data = LoadCatalogueData();
    ASSERT_TRUE(disk.fill());

    EXPECT_THROW(AddOwnCategory("Third", Numbers({11})), IoError);
    EXPECT_THROW(RemoveOwnCategory(data, data.LastBuiltInIndex + 2), IoError);
    EXPECT_EQ(ReadFile(OwnList()), "7:First\r\n9:Second\r\n");
    EXPECT_FALSE(QFileInfo::exists(OwnCategoriesFolder() + "11"));

    EXPECT_EQ(AddPictures({picture}, OwnCategoriesFolder() + "7", {}, [](int) {}),
              QStringList({picture}));
    EXPECT_EQ(ReadFile(OwnCategoriesFolder() + "7/smile.gif"), "old picture");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
