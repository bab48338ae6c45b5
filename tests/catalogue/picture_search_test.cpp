// Finding pictures by typed words and the list of recently used pictures, without a screen.
#include "catalogue/picture_page.h"
#include "catalogue/picture_search.h"
#include "catalogue/recent_pictures.h"
#include "platform/messages_locale.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

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
                            "hot-beverage\theißes Getränk\tCafé\tTee\r\n"_s.toUtf8());
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

TEST(PictureSearch, EqualWordsFirstThenBeginningsThenOthersThenTypingErrorsEachByUse) {
    const KeywordTable words =
        ParseKeywordFile("Glimmora keywords 1\r\n"
                         "red-heart\tred heart\tlove\r\n"
                         "heart-suit\theart suit\tcard\r\n"
                         "heart-eyes\tsmiling face with heart eyes\theart\r\n"
                         "hearth\thearth\tfire\r\n"
                         "face-with-tears-of-joy\ttears of joy\tlol\r\n"
                         "pizza\tpizza\r\n");
    // The order of use: the red heart is used most, the pizza and the hearth are not counted.
    const PopularityTable use = ParsePopularityFile("# comment\r\nface-with-tears-of-joy\r\n"
                                                    "red-heart\r\nheart-eyes\r\n"
                                                    "heart-suit\r\n");
    PictureIndex index;
    index.Build({"/c/hearth.png", "/c/heart-eyes.png", "/c/heart-suit.png", "/c/red-heart.png",
                 "/c/face-with-tears-of-joy.png", "/c/pizza.png", "/c/own/heart.png"},
                {&words}, {}, use);
    // Equal ("heart" as the own picture's name and a keyword) and names going on with another
    // word ("heart suit") by use, the unused own picture after them; a longer word after that.
    EXPECT_EQ(Found(index, "heart"), (QStringList{"heart-eyes.png", "heart-suit.png", "heart.png",
                                                  "hearth.png", "red-heart.png"}));
    EXPECT_EQ(Found(index, "hea").mid(0, 2), (QStringList{"heart-eyes.png", "heart-suit.png"}));
    EXPECT_EQ(Found(index, "lol"), QStringList{"face-with-tears-of-joy.png"});
    // One letter left out, doubled, swapped or wrong, after every match without an error.
    EXPECT_EQ(Found(index, "pizzza"), QStringList{"pizza.png"});
    EXPECT_EQ(Found(index, "piza"), QStringList{"pizza.png"});
    EXPECT_EQ(Found(index, "pizaz"), QStringList{"pizza.png"});
    EXPECT_EQ(Found(index, "hert").mid(0, 2), (QStringList{"red-heart.png", "heart-eyes.png"}));
    EXPECT_EQ(Found(index, "hearth").first(), "hearth.png"); // the match without an error first
    EXPECT_TRUE(Found(index, "pizzzza").isEmpty());          // two edits
    EXPECT_TRUE(Found(index, "lpl").isEmpty());              // three letters: no typing errors
}

TEST(PictureSearch, EmoticonsAndShortcodesFindTheirPictureFirst) {
    const ShortcodeTable symbols = ParseShortcodeFile(u"# emoticons\r\n"
                                                      "red-heart\t<3\t:heart:\r\n"
                                                      "slightly-smiling-face\t:)\t:-)\r\n"
                                                      "thumbs-up\t:+1:\t:thumbsup:\r\n"
                                                      "grinning-face\t:D\r\n"
                                                      "damaged line without a tab\r\n"_s.toUtf8());
    PictureIndex index;
    index.Build({"/c/1st-place-medal.png", "/c/3rd-place-medal.png", "/c/red-heart.png",
                 "/c/slightly-smiling-face.png", "/c/thumbs-up.png", "/c/grinning-face.png"},
                {}, symbols);
    EXPECT_EQ(Found(index, " :) "), QStringList{"slightly-smiling-face.png"});
    EXPECT_EQ(Found(index, ":-)"), QStringList{"slightly-smiling-face.png"});
    // Only the emoticon's picture: its "3" or "d" alone would find every picture with such a word.
    EXPECT_EQ(Found(index, "<3"), QStringList{"red-heart.png"});
    EXPECT_EQ(Found(index, ":d"), QStringList{"grinning-face.png"}); // case folded
    EXPECT_EQ(Found(index, ":+1:").first(), "thumbs-up.png");
    EXPECT_EQ(Found(index, "thumbsup"), QStringList{"thumbs-up.png"}); // without colons
    EXPECT_EQ(Found(index, "heart"), QStringList{"red-heart.png"});
    EXPECT_TRUE(Found(index, ":(").isEmpty());
}

TEST(PictureSearch, KeywordFilesOfTheDesktopLocaleAndTheProgramLanguage) {
    EXPECT_EQ(KeywordLocales("it_IT.UTF-8"), (QStringList{"it-it", "it"}));
    EXPECT_EQ(KeywordLocales("en_GB.utf8@euro"), (QStringList{"en-gb", "en"}));
    EXPECT_EQ(KeywordLocales("zh_TW.UTF-8"), (QStringList{"zh-hant", "zh"}));
    EXPECT_EQ(KeywordLocales("zh_CN"), QStringList{"zh"});
    EXPECT_EQ(KeywordLocales("de"), QStringList{"de"});
    EXPECT_TRUE(KeywordLocales("C.UTF-8").isEmpty());
    EXPECT_TRUE(KeywordLocales("POSIX").isEmpty());
    EXPECT_EQ(ProgramLanguageLocale(1), "de");
    EXPECT_EQ(ProgramLanguageLocale(10), QString());

    // The desktop's locale for messages, as POSIX programs choose it.
    const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG")};
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "it_IT.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    EXPECT_EQ(MessagesLocale(), "it_IT.UTF-8");
    qputenv("LC_ALL", "fr_FR.UTF-8");
    EXPECT_EQ(MessagesLocale(), "fr_FR.UTF-8");
    qputenv("LC_ALL", saved[0]);
    qputenv("LC_MESSAGES", saved[1]);
    qputenv("LANG", saved[2]);

    // A regional variant holds what differs; its language and English are searched with it.
    TempHome home;
    const QString base = home.programDir();
    WriteFile(base + "pics/red-heart.png", "x");
    WriteFile(base + "keywords.en", "Glimmora keywords 1\r\nred-heart\tred heart\r\n");
    WriteFile(base + "keywords.de", "Glimmora keywords 1\r\nred-heart\trotes Herz\r\n");
    WriteFile(base + "keywords.pt", "Glimmora keywords 1\r\nred-heart\tcoração vermelho\r\n");
    WriteFile(base + "keywords.pt-br", "Glimmora keywords 1\r\nred-heart\tcoração\tamor\r\n");
    PictureIndex index;
    BuildCatalogueIndex(index, {base + "pics/"}, QString(), home.userData(), base, 1,
                        "pt_BR.UTF-8");
    for (const char* typed : {"red", "herz", "vermelho", "amor"})
        EXPECT_EQ(Found(index, typed), QStringList{"red-heart.png"}) << typed;
    BuildCatalogueIndex(index, {base + "pics/"}, QString(), home.userData(), base, 0, "C");
    EXPECT_TRUE(Found(index, "herz").isEmpty());
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
