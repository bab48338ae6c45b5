#include "catalogue/picture_page.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/picture_server.h"
#include "catalogue/picture_sizes.h"
#include "catalogue/skin_tones.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "platform/file_system.h"
#include "platform/runtime_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <utility>

namespace {

const char* const kPictureMasks[] = {"*.gif", "*.jpg", "*.jpeg", "*.png", "*.gra"};

// The folder as it exists on disk (letter case resolved), cleaned, ending with '/'.
QString DiskFolder(const QString& folder) {
    QString path = ResolvePath(QDir::cleanPath(folder));
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

// A name as it comes from a folder listing: no path separator, no step out of the folder.
bool IsPlainFileName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(QChar(0));
}

// The content of a page piece file, decoded, or empty when it is missing or unreadable: the page
// is still worth showing without its decoration.
QString ReadPagePiece(const QString& path) {
    try {
        return DecodeBytes(ReadTextFile(ResolvePath(path)));
    } catch (const IoError&) {
        return QString();
    }
}

// Escapes the characters that could end an attribute or open markup.
QByteArray HtmlAttribute(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// With its size known before it loads, a picture keeps its place in the layout, so the first
// screen is laid out and painted at once however long the category is; the pictures themselves
// load in the background (lazily where the browser can) and are decoded off the page's thread.
QByteArray LazyLoading(const QSize& size) {
    QByteArray attributes;
    if (size.isValid())
        attributes = " width=\"" + QByteArray::number(size.width()) + "\" height=\"" +
                     QByteArray::number(size.height()) + '"';
    return attributes + " loading=\"lazy\" decoding=\"async\"";
}

// The entity that stands for a character in a page's text, or none.
const char16_t* Entity(char16_t c) {
    switch (c) {
    case u'&':
        return u"&amp;";
    case u'"':
        return u"&quot;";
    case u'\'':
        return u"&#39;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'[': // the brackets of the template's placeholders: a text never fills in another one
        return u"&#91;";
    case u']':
        return u"&#93;";
    default:
        return nullptr;
    }
}

// Escapes a text shown in a page: markup characters and placeholder brackets become entities,
// line breaks and tabs blanks, other control characters visible replacement marks.
QString HtmlText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (const char16_t* entity = Entity(c.unicode()))
            out += QStringView(entity);
        else if (c == u'\t' || c == u'\n' || c == u'\r')
            out += u' ';
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QChar(QChar::ReplacementCharacter);
        else
            out += c;
    }
    return out;
}

// A text of the page in an isolate of its own (see WriteEmptyPage); nothing for no text.
QString InIsolate(const QString& html) {
    return html.isEmpty() ? html : QStringLiteral("<bdi>") + html + QStringLiteral("</bdi>");
}

// Puts `html` for every `placeholder` of `page`: in an isolate where it stands in the text, bare
// inside a tag (an attribute's value), where markup would only show as characters.
void ReplaceText(QString& page, const QString& placeholder, const QString& html) {
    for (qsizetype at = page.indexOf(placeholder); at >= 0; at = page.indexOf(placeholder, at)) {
        const qsizetype opened = page.lastIndexOf(u'<', at);
        const bool inTag = opened >= 0 && page.lastIndexOf(u'>', at) < opened;
        const QString put = inTag ? html : InIsolate(html);
        page.replace(at, placeholder.size(), put);
        at += put.size();
    }
}

// The page's head: "base.dat" with white link colours in its first body tag.
QByteArray PageHead(const QString& catalogueBaseFolder) {
    QByteArray head = ReadPagePiece(catalogueBaseFolder + QStringLiteral("base.dat")).toUtf8();
    const qsizetype body = head.indexOf("<body ");
    if (body >= 0)
        head.replace(body, 6, R"(<body link="#FFFFFF" vlink="#FFFFFF" alink="#FFFFFF" )");
    return head + "\r\n";
}

// The first pictures of a page load from their files while the page is read, as fast as the
// engine can; a screen rarely shows more. The others come from the picture server, where there is
// one, and so load only as they come near the screen: the engine starts those only once the page
// is laid out.
constexpr int kPicturesLoadedAtOnce = 200;

KeywordTable& PictureNames() {
    static KeywordTable table;
    return table;
}

// The name of a picture in the interface's language, else its file name without the extension.
QString PictureName(const QString& path) {
    const QString base = QFileInfo(path).completeBaseName();
    const auto named = PictureNames().constFind(base.toLower());
    return named != PictureNames().cend() && !named->name.isEmpty() ? named->name : base;
}

// What a picture is shown and read out by: its name; a tone variant's is its base's with the
// tone ("thumbs up: medium skin tone").
QByteArray PictureNameAttributes(const QString& path) {
    QString name;
    if (const std::optional<TonedPictures::Variant> variant = TonedPictures::VariantOf(path)) {
        name = PictureName(variant->base);
        QString tone = SkinToneText(variant->tone);
        if (!tone.isEmpty())
            name += QStringLiteral(": ") + tone.left(1).toLower() + tone.mid(1);
    } else {
        name = PictureName(path);
    }
    // Characters beyond ASCII as references: the page's lines stay plain ASCII, whatever the name.
    QByteArray text;
    for (const char32_t c : HtmlText(name).toUcs4())
        text += c < 128 ? QByteArray(1, char(c)) : "&#" + QByteArray::number(uint(c)) + ";";
    return " alt=\"" + text + "\" title=\"" + text + "\"";
}

// The picture drawn twice as large for scaled screens, "<folder>/2x/<name>"; empty when there is
// none.
QString TwiceSizePicture(FolderNames& folders, const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return folders.Find(path.left(slash + 1) + QStringLiteral("2x/"), path.mid(slash + 1));
}

// Where the engine loads a picture from: the file itself, or the picture server for those that
// should load only as they come near the screen.
QByteArray PictureSource(const QString& path, qsizetype index) {
    PictureServer* server = PictureServer::Active();
    return server && index >= kPicturesLoadedAtOnce ? server->Address(path)
                                                    : QUrl::fromLocalFile(path).toEncoded();
}

// The 2x picture as the engine's choice at a device pixel ratio of 2; the layout size stays that
// of the picture itself. Such a picture is dragged as its link, the picture's own file: dragged
// as an image, it would carry the 2x bytes that the engine shows.
QByteArray TwiceSizeAttributes(const QString& twiceSizePath, qsizetype index) {
    if (twiceSizePath.isEmpty())
        return {};
    // A comma in a candidate's address would end it.
    const QByteArray source = PictureSource(twiceSizePath, index).replace(',', "%2C");
    return " srcset=\"" + HtmlAttribute(source) + " 2x\" draggable=\"false\"";
}

// The link of picture number `index` of its page. The encoded file address is plain ASCII:
// whatever the name holds, the browser reports exactly this file when the picture is clicked.
// What a page looks up in the picture folders, each folder listed once for the whole page.
struct PageLookups {
    TonedPictures toned;
    FolderNames twiceSize;
};

// Shown, and so inserted by a click, in the chosen skin tone.
QByteArray PictureLink(PageLookups& lookups, const QString& picture, qsizetype index,
                       const QByteArray& anchor = {}) {
    const QString path = lookups.toned.InChosenTone(picture);
    const QByteArray url = HtmlAttribute(QUrl::fromLocalFile(path).toEncoded());
    const QByteArray id = anchor.isEmpty() ? QByteArray() : "id=\"" + anchor + "\" ";
    return "<a " + id + "href=\"" + url + "\"><img src=\"" +
           HtmlAttribute(PictureSource(path, index)) + "\" border=\"10\" align=\"absmiddle\"" +
           PictureNameAttributes(path) +
           TwiceSizeAttributes(TwiceSizePicture(lookups.twiceSize, path), index) +
           LazyLoading(PictureDisplaySize(path)) + "></a>";
}

// With the picture server, the page runs with script allowed, since only then does the engine
// load pictures lazily. This policy, ahead of everything a piece file brings, lets in only
// pictures (from local files and the picture server), styles and fonts: no script, no frame
// (whose document the policy would not cover), no plugin.
QByteArray WithPagePolicy(QByteArray page) {
    PictureServer* server = PictureServer::Active();
    if (!server)
        return page;
    const QByteArray policy =
        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src file: "
        "data: " +
        server->Origin() +
        "; style-src file: 'unsafe-inline'; font-src file: data:; media-src file:\">\r\n";
    // After a leading doctype, which keeps the page in standards mode.
    qsizetype at = 0;
    if (page.trimmed().left(9).toLower() == "<!doctype")
        at = page.indexOf('>') + 1;
    return page.insert(at, policy);
}

// The dark look of the page, ahead of everything the base brings: a dark background and picture
// boxes, light texts; the pictures themselves as they are.
const char kDarkPageStyle[] =
    "<meta name=\"color-scheme\" content=\"dark\">\r\n"
    "<style>\r\n"
    "html { background: #1E2230 !important; color: #E3E7F1; }\r\n"
    "body { background: linear-gradient(180deg, #262B3B 0%, #1E2230 60%) fixed !important; "
    "color: #E3E7F1 !important; }\r\n"
    "a img { background: #3A4257 !important; border-color: #3A4257 !important; "
    "box-shadow: 0 1px 3px rgba(0, 0, 0, 0.6) !important; }\r\n"
    "a:hover img { border-color: #6F5F2A !important; }\r\n"
    "h1, h1.found { color: #AFC3F5 !important; }\r\n"
    "div.note, p, td { color: #C9D2E6 !important; }\r\n"
    "</style>\r\n";

QByteArray WithLook(QByteArray page) {
    if (!DarkLook())
        return page;
    qsizetype at = 0;
    if (page.trimmed().left(9).toLower() == "<!doctype")
        at = page.indexOf('>') + 1;
    return page.insert(at, kDarkPageStyle);
}

// Pages are written at every switch and keystroke and rebuilt from the folders at the next:
// waiting for the disk each time would hold the page up, and a page cut by a crash costs nothing.
void WritePage(const QString& pagePath, const QByteArray& page) {
    const bool written = ReplaceFileUnsynced(pagePath, WithPagePolicy(WithLook(page)));
    if (PictureServer* server = PictureServer::Active())
        written ? server->PageWritten() : server->PageAbandoned();
    if (!written)
        throw IoError("The picture page could not be written: " + pagePath.toStdString());
}

// The look of a page of found pictures: a heading above a grid whose column count the writer
// sets, so that the arrow keys know the rows; the picture that the address names is marked.
const char kFoundPageStyle[] =
    "<style>\r\n"
    "h1.found { font: bold 15px \"DejaVu Sans\", sans-serif; color: #3A4F86; margin: 0 0 4px 2px; "
    "line-height: normal; overflow-wrap: anywhere; }\r\n"
    "div.note { font: 12px \"DejaVu Sans\", sans-serif; color: #5A6A90; margin: 0 0 6px 2px; "
    "line-height: normal; }\r\n"
    "p.found { display: grid; gap: 14px 25px; justify-content: start; align-items: center; "
    "margin: 10px 0 0 0; line-height: normal; }\r\n"
    "p.found a { display: block; scroll-margin-top: 80px; }\r\n"
    "p.found img { display: block; }\r\n"
    "p.found a:target img { border-color: #FFD45C; "
    "box-shadow: 0 0 0 3px #3A6FD8, 0 2px 8px rgba(40, 60, 110, 0.5); }\r\n"
    "</style>\r\n";

QString UsualPagePath() {
    return UserCatalogueFolder() + QStringLiteral("temp.htm");
}

// The page's place when the data folder does not take it; empty when there is no runtime folder.
QString SparePagePath() {
    const QString runtime = RuntimeFolder();
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("Glimmora-temp.htm");
}

// The usual path and the path that the last page went to.
std::pair<QString, QString>& LastPage() {
    static std::pair<QString, QString> last;
    return last;
}

} // namespace

bool IsPictureFileName(const QString& name) {
    // Each mask is "*" and an extension: a plain comparison of the name's end does what the
    // wildcard match does, without its cost for every file of every folder.
    for (const char* mask : kPictureMasks) {
        if (name.endsWith(QLatin1String(mask + 1), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QStringList ListPictures(const QString& folder) {
    const QString dir = DiskFolder(folder);
    if (!FolderExists(dir))
        return {};
    // One pass over the folder; the types are mixed by the sort anyway.
    QStringList names = ListMatching(dir, QStringLiteral("*"));
    names.removeIf([](const QString& name) { return !IsPictureFileName(name); });
    SortNamesCaseInsensitive(names);
    return names;
}

QStringList ListPicturePaths(const QString& folder) {
    const QString dir = DiskFolder(folder);
    QStringList paths = ListPictures(folder);
    for (QString& name : paths)
        name.prepend(dir);
    return paths;
}

void WritePicturePage(const QString& pagePath, const QString& folder, const QStringList& names,
                      const QString& catalogueBaseFolder) {
    QByteArray page = PageHead(catalogueBaseFolder);
    const QString dir = DiskFolder(folder);
    PageLookups lookups;
    qsizetype index = 0;
    for (const QString& name : names) {
        if (IsPlainFileName(name))
            page += PictureLink(lookups, dir + name, index++) + " &nbsp;&nbsp;&nbsp;\r\r\n";
    }
    page += "</p>\r\n";
    page += "</body></html>\r\n";
    WritePage(pagePath, page);
}

void WriteFoundPage(const QString& pagePath, const QStringList& paths, const FoundPageTexts& texts,
                    int columns, const QString& catalogueBaseFolder) {
    QByteArray page = PageHead(catalogueBaseFolder);
    page += kFoundPageStyle;
    // The heading closes the paragraph that the base opened; the grid is a paragraph of its own,
    // which the page's usual end closes.
    page += "<h1 class=\"found\">" + InIsolate(HtmlText(texts.heading)).toUtf8() + "</h1>\r\n";
    if (!texts.note.isEmpty())
        page += "<div class=\"note\">" + InIsolate(HtmlText(texts.note)).toUtf8() + "</div>\r\n";
    page += "<p class=\"found\" style=\"grid-template-columns: repeat(" +
            QByteArray::number(qMax(1, columns)) + ", auto)\">\r\n";
    PageLookups lookups;
    for (qsizetype i = 0; i < paths.size(); ++i)
        page += PictureLink(lookups, paths.at(i), i,
                            FoundPictureAnchor(static_cast<int>(i)).toLatin1()) +
                "\r\n";
    page += "</p>\r\n";
    page += "</body></html>\r\n";
    WritePage(pagePath, page);
}

void SetPictureNames(KeywordTable names) {
    PictureNames() = std::move(names);
}

QString FoundPictureAnchor(int index) {
    return QStringLiteral("p%1").arg(index);
}

void WriteEmptyPage(const QString& pagePath, const QString& pageDataFolder,
                    const QString& emptyTitle, const QString& text) {
    QString page = ReadPagePiece(pageDataFolder + QStringLiteral("template.tpl"));
    // Every text in a <bdi> of its own, so that a directional mark in it cannot reorder the page
    // around it; only the document's title, where markup would show as text, takes it bare.
    const QString title = HtmlText(emptyTitle);
    page.replace(QStringLiteral("<title>[TITLE]</title>"),
                 QStringLiteral("<title>") + title + QStringLiteral("</title>"));
    ReplaceText(page, QStringLiteral("[TITLE]"), title);
    ReplaceText(page, QStringLiteral("[TEXT]"), HtmlText(text));
    // The folder stands in a file address ("file://[DATADIR]empty.png"). Encoded as an address
    // path it holds no character that markup could take up, and '#', '?' or '%' in a folder
    // name cannot cut the address.
    page.replace(QStringLiteral("[DATADIR]"),
                 QString::fromLatin1(QUrl::toPercentEncoding(pageDataFolder, "/")));
    page.replace(QStringLiteral("[BOTTOMTEXT]"), QString());
    WriteTextFile(pagePath, WithPagePolicy(WithLook(page.toUtf8())));
    if (PictureServer* server = PictureServer::Active())
        server->PageWritten();
}

QString WriteShownPage(const std::function<void(const QString& pagePath)>& write) {
    QDir().mkpath(UserCatalogueFolder());
    const QString usual = UsualPagePath();
    QString written = usual;
    try {
        write(usual);
    } catch (const IoError&) {
        written = SparePagePath();
        if (written.isEmpty())
            throw;
        write(written);
    }
    LastPage() = {usual, written};
    return written;
}

QString ShownPagePath() {
    // The page written last, as long as the data folder is the one it was written for.
    const QString usual = UsualPagePath();
    return LastPage().first == usual ? LastPage().second : usual;
}

void RemovePageFiles() {
    QFile::remove(UsualPagePath());
    const QString spare = SparePagePath();
    if (!spare.isEmpty())
        QFile::remove(spare);
}

QString WriteCategoryPage(const QString& folder) {
    const QStringList names = ListPictures(folder);
    return WriteShownPage([&](const QString& pagePath) {
        if (!names.isEmpty())
            WritePicturePage(pagePath, folder, names, CatalogueBaseFolder());
        else
            WriteEmptyPage(pagePath, PageDataFolder(), GetText(62));
    });
}

NavigationKind ClassifyNavigation(const QUrl& url, const QString& pagePath) {
    const QString page = pagePath.toUpper();
    const QString address = url.toString(QUrl::PrettyDecoded).toUpper();
    const QString local = url.isLocalFile() ? url.toLocalFile().toUpper() : QString();
    if (!page.isEmpty() && (address.contains(page) || local.contains(page)))
        return NavigationKind::PageLoad;
    if (address.contains(QStringLiteral("HTTP://")))
        return NavigationKind::WebAddress;
    return NavigationKind::PictureClick;
}

QString PicturePathFromUrl(const QUrl& url) {
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().isEmpty())
        return url.path(QUrl::FullyDecoded);
    return url.toString();
}
