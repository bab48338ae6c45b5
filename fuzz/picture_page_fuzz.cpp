// The picture page for files of any name: the page holds exactly one link per picture, in order,
// and each link's address names that very file.
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
    text.replace("&amp;", "&");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
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
