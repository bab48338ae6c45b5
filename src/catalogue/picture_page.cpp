#include "catalogue/picture_page.h"

#include "catalogue/catalogue_folders.h"
#include "catalogue/catalogue_model.h"
#include "integration/system_helpers.h"
#include "localisation/translation_table.h"
#include "platform/file_system.h"

#include <QDir>

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

} // namespace

bool IsPictureFileName(const QString& name) {
    for (const char* mask : kPictureMasks) {
        if (MatchesMask(name, QString::fromLatin1(mask)))
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

void WritePicturePage(const QString& pagePath, const QString& folder, const QStringList& names,
                      const QString& catalogueBaseFolder) {
    QByteArray head = ReadPagePiece(catalogueBaseFolder + QStringLiteral("base.dat")).toUtf8();
    const qsizetype body = head.indexOf("<body ");
    if (body >= 0)
        head.replace(body, 6, R"(<body link="#FFFFFF" vlink="#FFFFFF" alink="#FFFFFF" )");

    QByteArray page = head + "\r\n";
    const QString dir = DiskFolder(folder);
    for (const QString& name : names) {
        if (!IsPlainFileName(name))
            continue;
        // The encoded file address is plain ASCII: whatever the name holds, the browser reports
        // exactly this file when the picture is clicked.
        const QByteArray url = HtmlAttribute(QUrl::fromLocalFile(dir + name).toEncoded());
        page += "<a href=\"" + url + "\"><img src=\"" + url +
                "\" border=\"10\" align=\"absmiddle\"></a> &nbsp;&nbsp;&nbsp;\r\r\n";
    }
    page += "</p>\r\n";
    page += "</body></html>\r\n";
    if (!WriteFileAtomic(pagePath, page))
        throw IoError("The picture page could not be written: " + pagePath.toStdString());
}

void WriteEmptyPage(const QString& pagePath, const QString& pageDataFolder,
                    const QString& emptyTitle) {
    QString text = ReadPagePiece(pageDataFolder + QStringLiteral("template.tpl"));
    // Texts go in as text: a translation file must not bring markup or script into the page,
    // nor a placeholder that the replacements below would fill.
    QString title = QString::fromUtf8(HtmlAttribute(emptyTitle.toUtf8()));
    title.replace(u'[', QStringLiteral("&#91;"));
    text.replace(QStringLiteral("[TITLE]"), title);
    text.replace(QStringLiteral("[TEXT]"), QString());
    // The folder stands in a file address ("file://[DATADIR]empty.png"). Encoded as an address
    // path it holds no character that markup could take up, and '#', '?' or '%' in a folder
    // name cannot cut the address.
    text.replace(QStringLiteral("[DATADIR]"),
                 QString::fromLatin1(QUrl::toPercentEncoding(pageDataFolder, "/")));
    text.replace(QStringLiteral("[BOTTOMTEXT]"), QString());
    WriteTextFile(pagePath, text.toUtf8());
}

QString WriteCategoryPage(const QString& folder) {
    const QString pagePath = UserCatalogueFolder() + QStringLiteral("temp.htm");
    QDir().mkpath(UserCatalogueFolder());
    const QStringList names = ListPictures(folder);
    if (!names.isEmpty())
        WritePicturePage(pagePath, folder, names, CatalogueBaseFolder());
    else
        WriteEmptyPage(pagePath, PageDataFolder(), GetText(62));
    return pagePath;
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
