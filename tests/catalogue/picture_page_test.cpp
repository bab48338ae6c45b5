#include "catalogue/picture_page.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "integration/window_look.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The names that a folder may hold and that must neither break the page nor become another link.
const QStringList kHostileNames = {"a\"b.gif",
                                   "<x>.png",
                                   "&amp;.gif",
                                   "#frag.jpg",
                                   "100%.png",
                                   "q?x=1.gif",
                                   "two  blanks.gif",
                                   u"ünï😀.png"_s,
                                   "'single'.gif",
                                   "back\\slash.gif",
                                   "%2e%2e%2fetc.gif",
                                   "javascript:alert(1).gif",
                                   "new\nline.gif",
                                   "x\"><a href=\"file:.gif",
                                   "..gif",
                                   "tab\t.jpeg"};

QByteArray HtmlUnescape(QByteArray text) {
    text.replace("&quot;", "\"").replace("&#39;", "'").replace("&lt;", "<").replace("&gt;", ">");
    return text.replace("&amp;", "&");
}

struct PageLink {
    QString href;
    QString src;
};

// Reads the picture lines of a written page back: one link per line, nothing else.
std::vector<PageLink> ParseLinks(const QByteArray& page) {
    static const QRegularExpression line(
        R"re(^<a href="([^"<>]*)"><img src="([^"<>]*)" border="10" align="absmiddle")re"
        R"re( alt="[^"<>]*" title="[^"<>]*")re"
        R"re(( width="\d+" height="\d+")? loading="lazy" decoding="async"></a> (&nbsp;){3}$)re");
    std::vector<PageLink> links;
    const QList<QByteArray> pieces = page.split('\n');
    for (const QByteArray& piece : pieces) {
        if (!piece.startsWith("<a "))
            continue;
        EXPECT_TRUE(piece.endsWith("\r\r")) << piece.toStdString();
        const QString text = QString::fromLatin1(piece.chopped(2));
        const QRegularExpressionMatch match = line.match(text);
        EXPECT_TRUE(match.hasMatch()) << piece.toStdString();
        EXPECT_EQ(text.count("<a "), 1);
        links.push_back(
            {QUrl::fromEncoded(HtmlUnescape(match.captured(1).toLatin1()), QUrl::StrictMode)
                 .toLocalFile(),
             QUrl::fromEncoded(HtmlUnescape(match.captured(2).toLatin1()), QUrl::StrictMode)
                 .toLocalFile()});
    }
    return links;
}

class PicturePage : public ::testing::Test {
protected:
    QString root() const { return dir_.path(); }
    QString folder() const { return dir_.path() + "/cat/"; }
    QString base() const { return dir_.path() + "/base/"; }
    QString page() const { return dir_.path() + "/user/temp.htm"; }
    void SetUp() override { QDir().mkpath(dir_.path() + "/user"); }

private:
    QTemporaryDir dir_;
};

} // namespace

TEST_F(PicturePage, ListsPicturesOfEveryTypeInNameOrderWithoutRegardToCase) {
    for (const char* name : {"b.png", "A.gif", "c.jpg", "d.JPEG", "e.gra", "F.Gif", "notes.txt"})
        WriteFile(folder() + name, "x");
    QDir().mkpath(folder() + "sub.gif");
    EXPECT_EQ(ListPictures(folder()),
              QStringList({"A.gif", "b.png", "c.jpg", "d.JPEG", "e.gra", "F.Gif"}));
    EXPECT_TRUE(ListPictures(folder() + "missing/").isEmpty());
    // The definition files may name a folder in another letter case than the disk has.
    EXPECT_EQ(ListPictures(root() + "/CAT/").size(), 6);
}

TEST_F(PicturePage, PicturePageIsWrittenByteForByte) {
    WriteFile(base() + "base.dat", "<html>\r\n<body bgcolor=\"#000000\">\r\n<BODY text=x>\r\n"
                                   "<body again>\r\n<p>");
    WritePicturePage(page(), folder(), {"A.gif", "b.png"}, base());
    const QByteArray url = QUrl::fromLocalFile(folder()).toEncoded();
    const QByteArray expected =
        "\r<html>\r<body link=\"#FFFFFF\" vlink=\"#FFFFFF\" alink=\"#FFFFFF\" bgcolor=\"#000000\">"
        "\r<BODY text=x>\r<body again>\r<p>\r\n"
        "<a href=\"" +
        url + "A.gif\"><img src=\"" + url +
        "A.gif\" border=\"10\" align=\"absmiddle\" alt=\"A\" title=\"A\" loading=\"lazy\" "
        "decoding=\"async\"></a> "
        "&nbsp;&nbsp;&nbsp;\r\r\n"
        "<a href=\"" +
        url + "b.png\"><img src=\"" + url +
        "b.png\" border=\"10\" align=\"absmiddle\" alt=\"b\" title=\"b\" loading=\"lazy\" "
        "decoding=\"async\"></a> "
        "&nbsp;&nbsp;&nbsp;\r\r\n"
        "</p>\r\n</body></html>\r\n";
    EXPECT_EQ(ReadFile(page()), expected);
    EXPECT_TRUE(url.startsWith("file:///"));

    // Without "base.dat" the page opens with an empty line and still lists the pictures.
    WritePicturePage(page(), folder(), {"A.gif"}, base() + "none/");
    EXPECT_TRUE(ReadFile(page()).startsWith("\r\n<a href=\"" + url + "A.gif\">"));
}

TEST_F(PicturePage, PicturesCarryTheSizeTheyAreShownAtAndLoadLazily) {
    const auto save = [&](const QString& name, QSize size, const char* format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        ASSERT_TRUE(image.save(folder() + name, format)) << name.toStdString();
    };
    QDir().mkpath(folder());
    save("wide.png", {40, 30}, "png");
    save("png inside.gif", {7, 9}, "png");
    // A camera's picture: stored 30 x 20 with an orientation tag that turns it upright.
    save("turned.jpg", {30, 20}, "jpeg");
    const char app1[] = "\xFF\xE1\0\x22" // segment of 34 bytes: Exif, big-endian TIFF, one entry:
                        "Exif\0\0MM\0*\0\0\0\x08\0\x01" // orientation (0x112), short, 1 value,
                        "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0"; // 6: turn right
    WriteFile(folder() + "turned.jpg",
              ReadFile(folder() + "turned.jpg").insert(2, QByteArray(app1, sizeof app1 - 1)));
    WriteFile(folder() + "broken.gif", "GIF89a");
    const auto tag = [&](const QString& name) {
        const QByteArray written = ReadFile(page());
        const QByteArray src = "src=\"" + QUrl::fromLocalFile(folder() + name).toEncoded() + '"';
        const qsizetype from = written.indexOf(src);
        return from < 0 ? QByteArray() : written.mid(from, written.indexOf('>', from) - from);
    };
    const QStringList names = {"broken.gif", "png inside.gif", "turned.jpg", "wide.png"};
    WritePicturePage(page(), folder(), names, base());
    EXPECT_TRUE(
        tag("wide.png")
            .endsWith(
                R"(align="absmiddle" alt="wide" title="wide" width="40" height="30" loading="lazy" decoding="async")"));
    EXPECT_TRUE(tag("turned.jpg").contains(R"( width="20" height="30" )")) << "shown upright";
    EXPECT_TRUE(tag("png inside.gif").contains(R"( width="7" height="9" )"));
    EXPECT_TRUE(
        tag("broken.gif")
            .endsWith(
                R"(align="absmiddle" alt="broken" title="broken" loading="lazy" decoding="async")"))
        << "no size is better than a wrong one";

    // A picture replaced under the same name is shown at its new size.
    save("wide.png", {12, 8}, "png");
    WritePicturePage(page(), folder(), names, base());
    EXPECT_TRUE(tag("wide.png").contains(R"( width="12" height="8" )")) << tag("wide.png").data();
}

// Scaled screens draw a picture from its 2x file where one exists, at the picture's own size;
// the link, and so a click or a drag, stays the picture itself.
TEST_F(PicturePage, PicturesWithA2xFileOfferItToScaledScreens) {
    const auto save = [&](const QString& path, int side) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(Qt::cyan);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        ASSERT_TRUE(image.save(path, "png")) << path.toStdString();
    };
    const QString other = root() + "/other/";
    for (const QString& path : {folder() + "a,b.png", folder() + "plain.png", other + "c.png"})
        save(path, 48);
    save(folder() + "2x/A,B.png", 96); // the listing decides, in any letter case
    save(other + "2X/c.png", 96);
    const auto tag = [&](const QString& path) {
        const QByteArray written = ReadFile(page());
        const QByteArray link = "href=\"" + QUrl::fromLocalFile(path).toEncoded() + "\"><img ";
        const qsizetype from = written.indexOf(link);
        return from < 0 ? QByteArray()
                        : written.mid(from, written.indexOf('>', from + link.size()) - from);
    };
    const QByteArray twice =
        QUrl::fromLocalFile(folder() + "2x/A,B.png").toEncoded().replace(",", "%2C");
    WritePicturePage(page(), folder(), {"a,b.png", "plain.png"}, base());
    EXPECT_TRUE(tag(folder() + "a,b.png")
                    .contains(R"(" srcset=")" + twice +
                              R"( 2x" draggable="false" width="48" height="48" )"))
        << tag(folder() + "a,b.png").data();
    EXPECT_FALSE(tag(folder() + "plain.png").contains("srcset"));

    WriteFoundPage(page(), {other + "c.png", folder() + "plain.png", folder() + "a,b.png"}, {}, 3,
                   base());
    EXPECT_TRUE(tag(other + "c.png")
                    .contains(" srcset=\"" + QUrl::fromLocalFile(other + "2X/c.png").toEncoded() +
                              " 2x\""));
    EXPECT_FALSE(tag(folder() + "plain.png").contains("srcset"));
    EXPECT_TRUE(tag(folder() + "a,b.png").contains(twice));
}

TEST_F(PicturePage, HostileFileNamesMakeExactlyOneLinkToThemselves) {
    QDir().mkpath(folder());
    for (const QString& name : kHostileNames)
        WriteFile(folder() + name, "x");
    const QStringList names = ListPictures(folder());
    ASSERT_EQ(names.size(), kHostileNames.size());
    WritePicturePage(page(), folder(), names, base());

    const QByteArray written = ReadFile(page());
    for (const char c : written)
        ASSERT_TRUE(static_cast<unsigned char>(c) < 128) << "the generated lines are plain ASCII";
    const std::vector<PageLink> links = ParseLinks(written);
    ASSERT_EQ(links.size(), static_cast<size_t>(names.size()));
    EXPECT_EQ(written.count("<a "), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        EXPECT_EQ(links[i].href, folder() + names[i]);
        EXPECT_EQ(links[i].src, folder() + names[i]);
        const QUrl clicked = QUrl::fromLocalFile(folder() + names[i]);
        EXPECT_EQ(PicturePathFromUrl(clicked), folder() + names[i]);
        EXPECT_EQ(ClassifyNavigation(clicked, page()), NavigationKind::PictureClick);
    }
}

TEST_F(PicturePage, NamesThatStepOutOfTheFolderGetNoLink) {
    WritePicturePage(page(), folder(), {"../../etc/passwd.gif", "..", "", "ok.gif"}, base());
    const std::vector<PageLink> links = ParseLinks(ReadFile(page()));
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].href, folder() + "ok.gif");
}

// In the dark look every page is dark: the empty pages (of a category, of a search) as well.
TEST_F(PicturePage, DarkLookReachesEveryPage) {
    WriteFile(base() + "template.tpl", "<!DOCTYPE html><title>[TITLE]</title>");
    UseAppearance(Appearance::Dark);
    WritePicturePage(page(), folder(), {"a.gif"}, base());
    const QByteArray picturePage = ReadFile(page());
    WriteEmptyPage(page(), base(), "Nothing");
    const QByteArray emptyPage = ReadFile(page());
    UseAppearance(Appearance::Light);
    for (const QByteArray& written : {picturePage, emptyPage})
        EXPECT_TRUE(written.contains(R"(<meta name="color-scheme" content="dark">)"))
            << written.data();
    // After the doctype, which keeps the page in standards mode.
    EXPECT_TRUE(emptyPage.contains("<!DOCTYPE html><meta name=\"color-scheme\""));
}

TEST_F(PicturePage, EmptyPageFillsThePlaceholders) {
    // The title is text, whatever it holds (a placeholder too); the folder is an address path.
    const QString data = base() + "d#1 %/";
    WriteFile(data + "template.tpl",
              "<title>[TITLE]</title>[TEXT]\r\n<img src=\"[DATADIR]e.gif\">[BOTTOMTEXT][TITLE]\r\n"
              "[title]");
    WriteEmptyPage(page(), data, u"<b>Keine</b> Bilder – \"leer\" & 'x' [TEXT]"_s);
    const QByteArray title = "&lt;b&gt;Keine&lt;/b&gt; Bilder \xE2\x80\x93 &quot;leer&quot; &amp; "
                             "&#39;x&#39; &#91;TEXT&#93;";
    // In the page a text stands in an isolate of its own, in the document's title as it is.
    EXPECT_EQ(ReadFile(page()), "\r<title>" + title + "</title>\r<img src=\"" + base().toUtf8() +
                                    "d%231%20%25/e.gif\"><bdi>" + title + "</bdi>\r[title]\r\n");

    // Without a template the page is empty but for its line end.
    WriteEmptyPage(page(), data + "none/", "T");
    EXPECT_EQ(ReadFile(page()), "\r\n");
}

TEST_F(PicturePage, AnUnwritablePageIsReportedAndTheOldOneStays) {
    WriteFile(page(), "old");
    QDir().mkpath(page() + ".d");
    EXPECT_THROW(WritePicturePage(page() + ".d/missing/temp.htm", folder(), {"a.gif"}, base()),
                 IoError);
    EXPECT_THROW(WriteEmptyPage(page() + ".d", base(), "T"), IoError);
    EXPECT_EQ(ReadFile(page()), "old");
}

TEST(CategoryPage, WritesThePicturePageOrTheEmptyPageIntoTheUserFolder) {
    TempHome home;
    WriteFile(PageDataFolder() + "template.tpl", "empty [DATADIR]");
    WriteFile(CatalogueBaseFolder() + "base.dat", "<body x>");
    const QString folder = CatalogueBaseFolder() + "animals/";
    WriteFile(folder + "cat.gif", "x");
    const QString page = WriteCategoryPage(folder);
    EXPECT_EQ(page, UserCatalogueFolder() + "temp.htm");
    EXPECT_TRUE(ReadFile(page).contains(QUrl::fromLocalFile(folder + "cat.gif").toEncoded()));

    // A folder holding only a sub-folder and a text file shows the empty page.
    QDir(folder).remove("cat.gif");
    QDir().mkpath(folder + "sub");
    WriteFile(folder + "read.txt", "x");
    WriteCategoryPage(folder);
    EXPECT_EQ(ReadFile(page), "\rempty " + PageDataFolder().toUtf8() + "\r\n");
}

// A data folder that takes nothing, read-only or full, still shows every category: the page goes
// to the runtime folder, whose address is then the page's own; once the folder takes pages again,
// they are back in their place.
TEST(CategoryPage, ADataFolderThatTakesNothingStillGetsItsPage) {
    for (const bool full : {false, true}) {
        TempHome home;
        const QString folder = home.home() + "pictures/";
        WriteFile(folder + "cat.gif", "x");
        SmallFileSystem disk(home.userData(), "256k");
        if (!disk.mounted())
            GTEST_SKIP() << kNoMountMessage;
        QDir().mkpath(UserCatalogueFolder());
        ASSERT_TRUE(full ? disk.fill() : disk.makeReadOnly());

        const QString page = WriteCategoryPage(folder);
        EXPECT_EQ(page, home.runtimeDir() + "Glimmora-temp.htm") << "full: " << full;
        EXPECT_TRUE(ReadFile(page).contains(QUrl::fromLocalFile(folder + "cat.gif").toEncoded()));
        EXPECT_EQ(ShownPagePath(), page);
        EXPECT_EQ(ClassifyNavigation(QUrl::fromLocalFile(page), ShownPagePath()),
                  NavigationKind::PageLoad);

        disk.unmount();
        EXPECT_EQ(WriteCategoryPage(folder), UserCatalogueFolder() + "temp.htm");
        EXPECT_EQ(ShownPagePath(), UserCatalogueFolder() + "temp.htm");
        RemovePageFiles();
        EXPECT_FALSE(QFileInfo::exists(page));
        EXPECT_FALSE(QFileInfo::exists(UserCatalogueFolder() + "temp.htm"));
    }
}

TEST(Navigation, OnlyThePageItselfAndWebAddressesGoThrough) {
    const QString page = "/home/u/.local/share/Orvandeck/Glimmora/GlimmoraData/temp.htm";
    const auto kind = [&](const QUrl& url) { return ClassifyNavigation(url, page); };
    EXPECT_EQ(kind(QUrl::fromLocalFile(page)), NavigationKind::PageLoad);
    EXPECT_EQ(kind(QUrl::fromLocalFile(page.toUpper())), NavigationKind::PageLoad);
    EXPECT_EQ(kind(QUrl("file:///home/u/.local/share/Orvandeck/Glimmora/GlimmoraData/Temp.HTM")),
              NavigationKind::PageLoad);
    EXPECT_EQ(kind(QUrl("http://example.com/x.gif")), NavigationKind::WebAddress);
    EXPECT_EQ(kind(QUrl("HTTP://EXAMPLE.COM/")), NavigationKind::WebAddress);
    EXPECT_EQ(kind(QUrl("https://example.com/go?to=http://example.org/")),
              NavigationKind::WebAddress);
    EXPECT_EQ(kind(QUrl("https://example.com/")), NavigationKind::PictureClick);
    EXPECT_EQ(kind(QUrl("mailto:someone@example.com")), NavigationKind::PictureClick);
    EXPECT_EQ(kind(QUrl::fromLocalFile("/home/u/pics/smile.gif")), NavigationKind::PictureClick);
    // A page path with blanks and letters beyond ASCII still matches its own encoded address.
    const QString spaced = u"/home/Jürgen Ä/GlimmoraData/temp.htm"_s;
    EXPECT_EQ(
        ClassifyNavigation(QUrl::fromEncoded(QUrl::fromLocalFile(spaced).toEncoded()), spaced),
        NavigationKind::PageLoad);

    EXPECT_EQ(PicturePathFromUrl(QUrl("mailto:someone@example.com")), "mailto:someone@example.com");
    EXPECT_EQ(PicturePathFromUrl(QUrl("file:///a/b%20c%23.gif")), "/a/b c#.gif");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
