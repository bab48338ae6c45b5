// The two page writers with texts and names of any content. The picture page holds exactly one
// link per picture, in order, and each link's address names that very file. The empty page holds
// its title and text as text, wherever the template puts them, and the address of its own data
// folder.
#include "catalogue/picture_page.h"
#include "fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

QByteArray HtmlUnescape(QByteArray text) {
    text.replace("&quot;", "\"");
    text.replace("&#39;", "'");
    text.replace("&lt;", "<");
    text.replace("&gt;", ">");
    text.replace("&#91;", "[");
    text.replace("&#93;", "]");
    text.replace("&amp;", "&");
    return text;
}

// What the browser shows of a text: the text itself, character for character, but for line
// breaks and tabs, which are blanks, and other control characters, which are visible marks.
QString Shown(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

QString Unescaped(const QString& html) {
    return QString::fromUtf8(HtmlUnescape(html.toUtf8()));
}

// The empty page: the template's markup stays as it is and the texts bring none.
void CheckEmptyPage(const QString& title, const QString& text, const QString& folderName) {
    QDir(FuzzScratchFolder() + QStringLiteral("data")).removeRecursively();
    const QString data = FuzzScratchFolder() + QStringLiteral("data/") + folderName + u'/';
    if (!QDir().mkpath(data))
        return; // a name the file system refuses
    FuzzWriteFile(data + QStringLiteral("template.tpl"),
                  "<h1>[TITLE]</h1><p>[TEXT]</p><img src=\"file://[DATADIR]e.png\" alt='[TITLE]'>");
    const QString page = FuzzScratchFolder() + QStringLiteral("empty.htm");
    WriteEmptyPage(page, data, title, text);
    QFile pageFile(page);
    FUZZ_CHECK(pageFile.open(QIODevice::ReadOnly));
    const QByteArray html = pageFile.readAll();
    static const QRegularExpression shape(QStringLiteral(
        "^\r<h1>(?:<bdi>)?([^<>\"']*)(?:</bdi>)?</h1><p>(?:<bdi>)?([^<>\"']*)(?:</bdi>)?</p>"
        "<img src=\"file://([^<>\"']*)e\\.png\" alt='([^<>\"']*)'>\r\n$"));
    const QRegularExpressionMatch match = shape.match(QString::fromUtf8(html));
    FUZZ_CHECK(match.hasMatch());
    FUZZ_CHECK(Unescaped(match.captured(1)) == Shown(title));
    FUZZ_CHECK(Unescaped(match.captured(2)) == Shown(text));
    FUZZ_CHECK(match.captured(4) == match.captured(1));
    const QUrl image =
        QUrl::fromEncoded("file://" + match.captured(3).toUtf8() + "e.png", QUrl::StrictMode);
    FUZZ_CHECK(image.isValid() && image.toLocalFile() == data + QStringLiteral("e.png"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const QString title = QString::fromStdString(in.ConsumeRandomLengthString(200));
    const QString text = QString::fromStdString(in.ConsumeRandomLengthString(200));
    const QString folderName = QString::fromStdString(in.ConsumeRandomLengthString(40));
    if (!folderName.isEmpty() && !folderName.contains(u'/') && !folderName.contains(QChar(0)) &&
        folderName != u"." && folderName != u"..")
        CheckEmptyPage(title, text, folderName);

    const QString folder = FuzzScratchFolder() + QStringLiteral("pictures/");
    QDir(folder).removeRecursively();
    FUZZ_CHECK(QDir().mkpath(folder));

    // The files that could be made; a name the file system refuses is no picture of the folder.
    QStringList names;
    QSet<QString> seen;
    while (in.remaining_bytes() > 0 && names.size() < 32) {
        const std::string raw = in.ConsumeRandomLengthString(300);
        const QString name = QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
        if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
            name.contains(QChar(0)) || seen.contains(name))
            continue;
        QFile file(folder + name);
        if (!file.open(QIODevice::WriteOnly))
            continue;
        file.close();
        if (!QFile::exists(folder + name))
            continue;
        seen.insert(name);
        names.append(name);
    }

    const QString page = FuzzScratchFolder() + QStringLiteral("temp.htm");
    WritePicturePage(page, folder, names, FuzzScratchFolder() + QStringLiteral("no-base/"));
    QFile pageFile(page);
    FUZZ_CHECK(pageFile.open(QIODevice::ReadOnly));
    const QByteArray html = pageFile.readAll();

    static const QRegularExpression link(
        QStringLiteral("<a href=\"([^\"]*)\"><img src=\"([^\"]*)\""));
    qsizetype count = 0;
    for (auto it = link.globalMatch(QString::fromLatin1(html)); it.hasNext(); ++count) {
        const QRegularExpressionMatch match = it.next();
        FUZZ_CHECK(count < names.size());
        const QByteArray href = HtmlUnescape(match.captured(1).toLatin1());
        FUZZ_CHECK(match.captured(1) == match.captured(2));
        const QUrl url = QUrl::fromEncoded(href, QUrl::StrictMode);
        FUZZ_CHECK(url.isValid() && url.isLocalFile());
        FUZZ_CHECK(url.toLocalFile() == folder + names.at(count));
        FUZZ_CHECK(QFile::exists(url.toLocalFile()));
    }
    FUZZ_CHECK(count == names.size());
    // Nothing else in the page opens a link.
    FUZZ_CHECK(html.count("<a ") == names.size());
    return 0;
}
