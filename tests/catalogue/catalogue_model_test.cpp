#include "catalogue/catalogue_model.h"
#include "catalogue/catalogue_tree.h"
#include "integration/data_folders.h"
#include "platform/file_system.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CatalogueLoad : public ::testing::Test {
protected:
    QString user() const { return dir_.path() + "/user/"; }
    QString base() const { return dir_.path() + "/base/"; }
    QString own() const { return user() + "owncats/"; }
    void def(const QString& name, const QByteArray& content) { WriteFile(user() + name, content); }
    CatalogueData read() const {
        CatalogueData data = ReadCatalogue(user(), base(), own());
        // Every load keeps one folder per node, and parents before their children.
        EXPECT_EQ(data.nodes.size(), static_cast<size_t>(data.CategoryFolders.size()));
        for (size_t i = 0; i < data.nodes.size(); ++i)
            EXPECT_LT(data.nodes[i].parent, static_cast<int>(i));
        return data;
    }

private:
    QTemporaryDir dir_;
};

QStringList Names(const CatalogueData& data) {
    QStringList names;
    for (const CategoryNode& node : data.nodes)
        names << node.name;
    return names;
}

} // namespace

TEST_F(CatalogueLoad, IndicesFoldersAndOwnCategoriesFollowTheBuiltInOnes) {
    def("pics.full.def", "[A]x\r\n-[B]y\r\n[C]z\r\n");
    WriteFile(user() + "owncats.dat", "12:Mine\r\n7:a:b\r\n");
    const CatalogueData data = read();
    EXPECT_EQ(Names(data), QStringList({"A", "B", "C", "Mine", "a:b"}));
    EXPECT_EQ(data.nodes[1].parent, 0);
    EXPECT_EQ(data.nodes[2].parent, -1);
    EXPECT_EQ(data.nodes[3].parent, -1);
    EXPECT_EQ(data.LastBuiltInIndex, 2);
    EXPECT_EQ(data.CategoryFolders, QStringList({base() + "x/", base() + "x/y/", base() + "z/",
                                                 own() + "12/", own() + "7/"}));
}

TEST_F(CatalogueLoad, DepthJumpsAndDashesInNames) {
    def("pics.full.def", "[Animals]animals\r\n"
                         "--[Kittens]kittens\r\n" // two levels down: still a child of Animals
                         "-----[Deep]deep\r\n"    // child of Kittens
                         "-[Happy-sad]happy\r\n"  // dashes inside the name do not count
                         "--[Grin]grin\r\n"
                         "[Plants]plants\r\n"
                         "-[Tree-top]--x\r\n");
    const CatalogueData data = read();
    EXPECT_EQ(Names(data), QStringList({"Animals", "Kittens", "Deep", "Happy-sad", "Grin", "Plants",
                                        "Tree-top"}));
    const std::vector<int> parents = {-1, 0, 1, 0, 3, -1, 5};
    for (size_t i = 0; i < parents.size(); ++i)
        EXPECT_EQ(data.nodes[i].parent, parents[i]) << i;
    EXPECT_EQ(data.CategoryFolders[2], base() + "animals/kittens/deep/");
    EXPECT_EQ(data.CategoryFolders[4], base() + "animals/happy/grin/");
    EXPECT_EQ(data.CategoryFolders[6], base() + "plants/--x/");
}

TEST_F(CatalogueLoad, FilesInNameOrderWithoutRegardToCaseEachFromTheTop) {
    def("pics.b.def", "-[FromB]b\r\n");
    def("pics.A.def", "[FromA]a\r\n-[ChildA]c\r\n");
    def("pics.C.DEF", "[FromC]c\r\n");
    def("other.def", "[Other]o\r\n");
    def("pics.def", "[NoStar]n\r\n");
    QDir().mkpath(user() + "pics.folder.def");
    const CatalogueData data = read();
    EXPECT_EQ(Names(data), QStringList({"FromA", "ChildA", "FromB", "FromC"}));
    // The first line of pics.b.def starts at the top level although it carries a dash.
    EXPECT_EQ(data.nodes[2].parent, -1);
    EXPECT_EQ(data.CategoryFolders[2], base() + "b/");
    EXPECT_EQ(data.LastBuiltInIndex, 3);
}

TEST_F(CatalogueLoad, EveryLineMakesOneNodeMalformedOnesIncluded) {
    def("pics.full.def", "[Top]top\r\n"
                         "\r\n"            // empty: top-level node with an empty name
                         "no brackets\r\n" // whole line is the folder part
                         "-[open only\r\n" // no "]": the whole line, dash included
                         "-]x[y\r\n"       // "]" before "[": empty name
                         "[Win]a\\b\\\r\n" // inner backslashes are folder separators
                         "[Blank] sp \r\n" // folder part is not trimmed
                         "[LF only]lf\n"
                         "[Last]last"); // no line end after the last line
    const CatalogueData data = read();
    EXPECT_EQ(Names(data), QStringList({"Top", "", "", "", "", "Win", "Blank", "LF only", "Last"}));
    EXPECT_EQ(data.nodes[1].parent, -1);
    EXPECT_EQ(data.nodes[3].parent, 2);
    EXPECT_EQ(data.nodes[4].parent, 2);
    EXPECT_EQ(data.CategoryFolders[1], base() + "/");
    EXPECT_EQ(data.CategoryFolders[2], base() + "no brackets/");
    EXPECT_EQ(data.CategoryFolders[3], base() + "no brackets/-[open only/");
    EXPECT_EQ(data.CategoryFolders[4], base() + "no brackets/x[y/");
    EXPECT_EQ(data.CategoryFolders[5], base() + "a/b//");
    EXPECT_EQ(data.CategoryFolders[6], base() + " sp /");
    EXPECT_EQ(data.LastBuiltInIndex, 8);
}

TEST_F(CatalogueLoad, TextIsDecodedAndAByteOrderMarkIsNoPartOfTheFirstName) {
    def("pics.a.def", "\xEF\xBB\xBF[Gr\xC3\xBC\xC3\x9F"
                      "e]gruss\r\n");
    def("pics.b.def", "[M\xE4use]maeuse\r\n"); // Windows-1252
    WriteFile(user() + "owncats.dat", "\xEF\xBB\xBF"
                                      "5:Caf\xC3\xA9\r\n");
    const CatalogueData data = read();
    EXPECT_EQ(Names(data), QStringList({u"Grüße"_s, u"Mäuse"_s, u"Café"_s}));
    EXPECT_EQ(data.CategoryFolders[2], own() + "5/");
}

TEST_F(CatalogueLoad, WithoutFilesThereAreNoCategoriesAndOwnOnesStartAtZero) {
    QDir().mkpath(user());
    CatalogueData data = read();
    EXPECT_TRUE(data.nodes.empty());
    EXPECT_EQ(data.LastBuiltInIndex, -1);

    WriteFile(user() + "OwnCats.dat", "3:First\r\nno colon\r\n\r\n");
    data = read();
    EXPECT_EQ(data.LastBuiltInIndex, -1);
    EXPECT_EQ(Names(data), QStringList({"First", "no colon", ""}));
    EXPECT_EQ(data.CategoryFolders[0], own() + "3/");
    EXPECT_EQ(data.CategoryFolders[1], own() + "/");
}

// A data folder that could not take the copies made at start still shows the whole catalogue, in
// the interface language; a user folder with definition files of its own is read alone.
TEST_F(CatalogueLoad, WithoutUserDefinitionFilesTheProgramsAreReadInTheLanguage) {
    QDir().mkpath(user());
    WriteFile(base() + "pics.full.def", "[Faces]faces\r\n-[Happy]happy\r\n");
    WriteFile(base() + "pics.full.t01", "[Gesichter]faces\r\n-[Fr\xC3\xB6hlich]happy\r\n");
    WriteFile(base() + "pics.more.def", "[Flags]flags\r\n"); // no variant: read as it ships
    WriteFile(base() + "pics.more.t00", "[Flaggen]flags\r\n");
    WriteFile(user() + "owncats.dat", "4:Mine\r\n");
    CatalogueData data = ReadCatalogue(user(), base(), own(), "01");
    EXPECT_EQ(Names(data), QStringList({"Gesichter", u"Fröhlich"_s, "Flags", "Mine"}));
    EXPECT_EQ(data.CategoryFolders, QStringList({base() + "faces/", base() + "faces/happy/",
                                                 base() + "flags/", own() + "4/"}));
    EXPECT_EQ(data.LastBuiltInIndex, 2);

    def("pics.mine.def", "[Own]own\r\n");
    data = ReadCatalogue(user(), base(), own(), "01");
    EXPECT_EQ(Names(data), QStringList({"Own", "Mine"}));
}

TEST_F(CatalogueLoad, ArbitraryBytesStillGiveOneNodePerLineAndParentsFirst) {
    QRandomGenerator random(4711);
    const char alphabet[] = "-[]:\\/.az\r\n\xC3\xA4\xFF\x00 ";
    for (int round = 0; round < 50; ++round) {
        QByteArray content;
        for (int i = random.bounded(200); i > 0; --i)
            content += alphabet[random.bounded(int(sizeof(alphabet)) - 1)];
        def("pics.r.def", content);
        WriteFile(user() + "owncats.dat", content);
        const CatalogueData data = read(); // checks counts and parent order
        const qsizetype lines = SplitTextLines(content).size();
        EXPECT_EQ(data.LastBuiltInIndex, lines - 1);
        EXPECT_EQ(data.nodes.size(), static_cast<size_t>(2 * lines));
    }
}

TEST_F(CatalogueLoad, AFileNestedThousandsOfLevelsDeepIsRefusedAndTheTreeEntersTheModelAtOnce) {
    // 3000 levels in 4.5 MB: its folder paths outgrow any the system allows, and loading it into
    // the views node by node took the better part of a minute.
    QByteArray deep;
    for (int level = 0; level < 3000; ++level)
        deep += QByteArray(level, '-') + "[Level]l\r\n";
    def("pics.a.def", deep);
    def("pics.b.def", "[Kept]kept\r\n-[Child]child\r\n");
    const CatalogueData data = read();
    EXPECT_EQ(Names(data), QStringList({"Kept", "Child"}));
    const QList<RefusedFile> refused = TakeNewRefusedFiles();
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0].path, user() + "pics.a.def");
    EXPECT_EQ(refused[0].reason, Refusal::FolderPathTooLong);

    QStandardItemModel model;
    int insertions = 0;
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
    FillCatalogueModel(model, data);
    EXPECT_EQ(insertions, 1);
    EXPECT_EQ(ModelIndexAt(model, 1).data().toString(), QStringLiteral("Child"));
}

TEST(CatalogueFolders, FollowTheProgramAndTheUserDataFolder) {
    TempHome home;
    EXPECT_EQ(CatalogueBaseFolder(), home.programDir() + "GlimmoraData/");
    EXPECT_EQ(PageDataFolder(), home.programDir() + "GlimmoraData/data/");
    EXPECT_EQ(UserCatalogueFolder(), home.userData() + "GlimmoraData/");
    EXPECT_EQ(FavouritesFolder(), home.userData() + "GlimmoraData/favorites/");
    EXPECT_EQ(OwnCategoriesFolder(), home.userData() + "GlimmoraData/owncats/");

    WriteFile(UserCatalogueFolder() + "pics.full.def", "[A]a\r\n");
    WriteFile(UserCatalogueFolder() + "owncats.dat", "1:B\r\n");
    const CatalogueData data = LoadCatalogueData();
    EXPECT_EQ(data.CategoryFolders,
              QStringList({CatalogueBaseFolder() + "a/", OwnCategoriesFolder() + "1/"}));
}

TEST(CatalogueNames, SortWithoutRegardToCase) {
    QStringList names = {"b.png", "c.jpg", "A.gif", "a.gif", "B.GRA"};
    SortNamesCaseInsensitive(names);
    EXPECT_EQ(names, QStringList({"A.gif", "a.gif", "B.GRA", "b.png", "c.jpg"}));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
