// Finding pictures by typed words and the list of recently used pictures, without a screen.
#include "catalogue/picture_page.h"
#include "catalogue/picture_search.h"
#include "catalogue/recent_pictures.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The pictures found for `text`, by file name, in the order found.
QStringList Found(const PictureIndex& index, const QString& text) {
    QStringList names;
    for (int picture : index.Find(text))
        names << index.Path(picture).section(u'/', -1);
    return names;
}

KeywordTable German() {
    return ParseKeywordFile(u"Glimmora keywords 1\r\n"
                            "grinning-face\tlachendes Gesicht\tfröhlich\r\n"
                            "hot-beverage\theißes Getränk\tCafé\tTee\r\n"_qs.toUtf8());
}

KeywordTable English() {
    return ParseKeywordFile("Glimmora keywords 1\r\n"
                            "grinning-face\tgrinning face\tsmile\r\n"
                            "hot-beverage\thot beverage\tcoffee\r\n");
}

TEST(PictureSearch, EveryTypedWordStartsAWordOfNameOrKeywordsInEitherLanguage) {
    const KeywordTable german = German(), english = English();
    PictureIndex index;
    index.Build({"/c/faces/grinning-face.png", "/c/food/hot-beverage.png", "/c/own/MeinSmiley1.gif",
                 "/c/own/Straße.png"},
                {&german, &english});

    EXPECT_EQ(Found(index, "lach"), QStringList{"grinning-face.png"}); // the user's language
    EXPECT_EQ(Found(index, "LACHENDES"), QStringList{"grinning-face.png"});
    EXPECT_EQ(Found(index, "smi"), (QStringList{"grinning-face.png", "MeinSmiley1.gif"}));
    EXPECT_EQ(Found(index, "gesicht  lach"), QStringList{"grinning-face.png"}); // any order
    EXPECT_TRUE(Found(index, "gesicht tee").isEmpty());                 // every word must match
    EXPECT_TRUE(Found(index, "achend").isEmpty());                      // word starts only
    EXPECT_EQ(Found(index, "cafe"), QStringList{"hot-beverage.png"});   // accents
    EXPECT_EQ(Found(index, "heiss"), QStringList{"hot-beverage.png"});  // ß
    EXPECT_EQ(Found(index, "COFFEE"), QStringList{"hot-beverage.png"}); // English too
    // Own pictures by their file names, also where a capital or a digit starts a word.
    EXPECT_EQ(Found(index, "meinsm"), QStringList{"MeinSmiley1.gif"});
    EXPECT_EQ(Found(index, "1"), QStringList{"MeinSmiley1.gif"});
    EXPECT_EQ(Found(index, "strasse"), QStringList{"Straße.png"});
}

TEST(PictureSearch, ExactNamesFirstThenNamesThatBeginSoThenCatalogueOrder) {
    PictureIndex index;
    index.Build({"/c/a/black-cat.png", "/c/a/smiling-cat.png", "/c/b/cat-face.png", "/c/b/cat.png"},
                {});
    EXPECT_EQ(Found(index, "cat"),
              (QStringList{"cat.png", "cat-face.png", "black-cat.png", "smiling-cat.png"}));
    EXPECT_EQ(Found(index, "Cat Face"), (QStringList{"cat-face.png"}));
}

TEST(PictureSearch, AnyTextIsSafeAndADamagedKeywordFileLeavesTheNames) {
    // Damaged lines are skipped; the good line after them still counts.
    const char garbage[] = "\x00\xff\xfe garbage\r\n\t\t\r\nno tab here\r\n";
    const KeywordTable damaged =
        ParseKeywordFile(QByteArray(garbage, sizeof(garbage) - 1) + "cat\tKatze\r\n");
    EXPECT_EQ(damaged.size(), 1);
    PictureIndex index;
    index.Build({"/c/cat.png", "/c/dog.png"}, {&damaged});
    EXPECT_EQ(Found(index, "katz"), QStringList{"cat.png"});
    EXPECT_EQ(Found(index, "dog"), QStringList{"dog.png"});

    QString control = QString(QChar(0)) + QChar(7) + "\r\ndog" + QChar(0xD800);
    for (const QString& text : {QString(10000, u'a'), QString(5000, u' ') + "dog",
                                QStringLiteral("%1 %s \"'dog"), control})
        EXPECT_LE(Found(index, text).size(), 1) << text.left(20).toStdString();
    EXPECT_TRUE(index.Find("% \" < >").empty()); // no word at all
    EXPECT_EQ(Found(index, "<script>dog</script>"), QStringList{});

    // A missing keyword file is an empty table.
    EXPECT_TRUE(LoadKeywordFile("/nonexistent/", "/nonexistent/", "01").isEmpty());
}

TEST(PictureSearch, CatalogueListsEachPictureOnceInTreeOrderThenTheFavourites) {
    TempHome home;
    const QString root = home.programDir();
    WriteFile(root + "b/heart.png", "heart");
    WriteFile(root + "b/star.png", "star");
    WriteFile(root + "a/zebra.png", "zebra");
    WriteFile(root + "a/heart.png", "heart"); // the same picture in a second category
    WriteFile(root + "fav/heart.png", "heart");
    WriteFile(root + "fav/own.png", "own");
    const QStringList found =
        ListCataloguePictures({root + "b/", root + "a/", root + "b/"}, root + "fav/");
    EXPECT_EQ(found, (QStringList{root + "b/heart.png", root + "b/star.png", root + "a/zebra.png",
                                  root + "fav/own.png"}));
}

TEST(RecentPictures, NewestFirstWithoutRepeatsAtMost24AndMissingOnesDropOut) {
    QStringList list;
    for (int i = 0; i < 30; ++i)
        list = WithRecentPicture(list, QStringLiteral("/p/%1.png").arg(i));
    ASSERT_EQ(list.size(), kRecentPicturesKept);
    EXPECT_EQ(list.first(), "/p/29.png");
    EXPECT_EQ(list.last(), "/p/6.png");
    list = WithRecentPicture(list, "/p/20.png");
    EXPECT_EQ(list.size(), kRecentPicturesKept);
    EXPECT_EQ(list.mid(0, 3), (QStringList{"/p/20.png", "/p/29.png", "/p/28.png"}));
    EXPECT_EQ(list.count("/p/20.png"), 1);

    TempHome home;
    const QString folder = home.programDir();
    for (const char* name : {"a.png", "b.gif", "c.png"})
        WriteFile(folder + name, "x");
    const QString file = home.userData() + "GlimmoraData/recent.dat";
    for (const char* name : {"a.png", "b.gif", "c.png", "b.gif"})
        RememberRecentPicture(folder + name);
    EXPECT_EQ(ReadRecentPictures(file),
              (QStringList{folder + "b.gif", folder + "c.png", folder + "a.png"}));

    // Replaced whole: a second name for the old file keeps the old list.
    ASSERT_EQ(
        ::link(QFile::encodeName(file).constData(), QFile::encodeName(file + ".old").constData()),
        0);
    QFile::remove(folder + "c.png");
    RememberRecentPicture(folder + "a.png");
    EXPECT_EQ(ReadRecentPictures(file), (QStringList{folder + "a.png", folder + "b.gif"}));
    EXPECT_EQ(ReadFile(file + ".old"),
              (folder + "b.gif\r\n" + folder + "c.png\r\n" + folder + "a.png\r\n").toUtf8());
}

TEST(FoundPage, HeadingIsEscapedAndEveryPictureGetsItsAnchor) {
    TempHome home;
    const QString base = home.programDir() + "GlimmoraData/";
    WriteFile(base + "base.dat", "<html><body class=\"pictures\">\r\n<p>");
    const QString page = home.userData() + "temp.htm";
    QDir().mkpath(home.userData());
    WriteFoundPage(page, {"/c/a b.png", "/c/x\".gif"},
                   {QString::fromUtf16(u"<script>\"x\" & [TITLE] \u0007%\u202E"), "note"}, 3, base);
    const QByteArray written = ReadFile(page);
    // Each text in an isolate of its own: the direction override reorders only its own text.
    EXPECT_TRUE(written.contains("<h1 class=\"found\"><bdi>&lt;script&gt;&quot;x&quot; &amp; "
                                 "&#91;TITLE&#93; \xEF\xBF\xBD%\xE2\x80\xAE</bdi></h1>"))
        << written.toStdString();
    EXPECT_TRUE(written.contains("<div class=\"note\"><bdi>note</bdi></div>"));
    EXPECT_FALSE(written.contains("<script>"));
    EXPECT_EQ(written.count("<a "), 2);
    EXPECT_TRUE(written.contains("<a id=\"p0\" href=\"file:///c/a%20b.png\">"));
    EXPECT_TRUE(written.contains("<a id=\"p1\" href=\"file:///c/x%22.gif\">"));
    EXPECT_TRUE(written.contains("repeat(3, auto)"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
