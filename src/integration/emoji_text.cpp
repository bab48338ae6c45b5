#include "integration/emoji_text.h"

#include "platform/file_system.h"
#include "platform/program_folder.h"

#include <QFileInfo>
#include <QList>
#include <optional>

namespace {

// The shipped catalogue's folder, where the pictures and emoji.dat lie.
QString CatalogueFolder() {
    return ProgramFolder() + "GlimmoraData/";
}

struct EmojiLine {
    QByteArray picture; // relative path
    QString text;
};

// "faces/grinning-face.png<TAB>1F600" -> the picture and its text; nullopt when malformed.
std::optional<EmojiLine> ParseEmojiLine(const QByteArray& line) {
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0 || line.startsWith('#'))
        return std::nullopt;
    QList<char32_t> codePoints;
    for (const QByteArray& hex : line.mid(tab + 1).simplified().split(' ')) {
        bool ok = false;
        const uint value = hex.toUInt(&ok, 16);
        if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        codePoints.append(value);
    }
    return EmojiLine{line.left(tab), QString::fromUcs4(codePoints.constData(), codePoints.size())};
}

QList<EmojiLine> ReadEmojiFile() {
    QList<EmojiLine> lines;
    const auto bytes = ReadFileBytes(CatalogueFolder() + "emoji.dat");
    if (!bytes)
        return lines;
    for (const QByteArray& line : SplitTextLines(WithoutByteOrderMark(*bytes))) {
        if (auto parsed = ParseEmojiLine(line))
            lines.append(*parsed);
    }
    return lines;
}

QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

} // namespace

QString EmojiTextOfPicture(const QString& path) {
    if (path.isEmpty())
        return {};
    const QString base = QFileInfo(CatalogueFolder()).canonicalFilePath() + '/';
    const QString picture = QFileInfo(ResolvePath(path)).canonicalFilePath();
    if (picture.isEmpty())
        return {};
    const QList<EmojiLine> lines = ReadEmojiFile();
    if (picture.startsWith(base)) {
        const QString relative = picture.mid(base.size());
        for (const EmojiLine& line : lines) {
            if (relative.compare(QString::fromUtf8(line.picture), Qt::CaseInsensitive) == 0)
                return line.text;
        }
        return {};
    }
    // A copy outside the catalogue keeps the name; the bytes tell it from an own picture that
    // happens to have the same name.
    const QString name = FileNameOf(picture);
    std::optional<QByteArray> bytes;
    for (const EmojiLine& line : lines) {
        const QString relative = QString::fromUtf8(line.picture);
        if (FileNameOf(relative).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!bytes)
            bytes = ReadFileBytes(picture);
        if (bytes && ReadFileBytes(CatalogueFolder() + relative) == bytes)
            return line.text;
    }
    return {};
}
