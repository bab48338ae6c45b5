#include "integration/translation_table.h"

#include "integration/system_helpers.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <memory>
#include <optional>

namespace {

constexpr int kEndNumber = 10000;
constexpr int kMaxLanguage = 100;
const char* const kProductWord = "Glimmora";

std::unique_ptr<AbTrans2>& CurrentTable() {
    static std::unique_ptr<AbTrans2> table;
    return table;
}

QString& BaseName() {
    static QString name = QString::fromLatin1(kProductWord);
    return name;
}

// The number of a header line "[n]" or "[END]"; nullopt for a text line. Numbers too large for
// the table come back as they are (or as kSlots when they overflow) for the caller to drop.
std::optional<qint64> HeaderNumber(const QByteArray& line) {
    if (line.size() < 3 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    const QByteArray inner = line.mid(1, line.size() - 2);
    if (inner == "END")
        return kEndNumber;
    qint64 number = 0;
    for (const char c : inner) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = qMin<qint64>(number * 10 + (c - '0'), AbTrans2::kSlots);
    }
    return number;
}

// Appends as much of `piece` as keeps `text` within AbTrans2::kLongestText bytes, never cutting
// into a UTF-8 sequence.
void AppendWithinLimit(QByteArray& text, QByteArrayView piece) {
    const qsizetype room = AbTrans2::kLongestText - text.size();
    if (piece.size() <= room) {
        text += piece;
        return;
    }
    qsizetype cut = qMax<qsizetype>(room, 0);
    for (int back = 0; back < 3 && cut > 0 && (uchar(piece[cut]) & 0xC0) == 0x80; ++back)
        --cut;
    text += piece.first(cut);
}

QString LanguageFile(int n) {
    return BaseName() + QStringLiteral(".t0") + QString::number(n);
}

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; Qt without ICU offers no codec for it.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

AbTrans2::AbTrans2() = default;

void AbTrans2::LoadFromFile(const QString& path) {
    const QString resolved = ResolvePath(path);
    if (!QFileInfo::exists(resolved))
        return;
    const std::optional<QByteArray> content = ReadFileBytes(resolved);
    // A file refused for its size leaves the table empty; the user is told about the file.
    if (!content && !IsTooLargeToRead(resolved))
        throw IoError("cannot read " + resolved.toStdString());
    if (!content)
        return;
    LoadFromBytes(*content);
}

void AbTrans2::LoadFromBytes(const QByteArray& content) {
    for (QByteArray& slot : texts_)
        slot.clear();
    first_.clear();

    // An entry under a number beyond the table is dropped whole; reading goes on at the next
    // header, so the entries before and after it stay as they are.
    qint64 current = 0;
    QByteArray accumulated;
    bool atEntryStart = true;
    // A byte-order mark left by an editor must not turn the first header into text.
    for (const QByteArray& line : SplitTextLines(WithoutByteOrderMark(content))) {
        const std::optional<qint64> header = HeaderNumber(line);
        if (!header) {
            if (!atEntryStart)
                AppendWithinLimit(accumulated, "\r");
            AppendWithinLimit(accumulated, line);
            atEntryStart = false;
            continue;
        }
        atEntryStart = true;
        if (current < kSlots) {
            texts_[current] = accumulated;
            if (first_.isEmpty())
                first_ = accumulated;
        }
        current = *header;
        accumulated.clear();
    }
}

QByteArray AbTrans2::text(int number) const {
    if (number < 0 || number >= kSlots)
        return QByteArray();
    return texts_[number];
}

void CreateTranslationTable(const QString& name, const QString& file) {
    CurrentTable() = std::make_unique<AbTrans2>();
    BaseName() = name;
    CurrentTable()->LoadFromFile(
        file.isEmpty() ? FindDataFile(QString::fromLatin1(kProductWord), name + ".def") : file);
}

QByteArray GetTextBytes(int number) {
    return CurrentTable() ? CurrentTable()->text(number) : QByteArray();
}

QString GetText(int number) {
    return DecodeBytes(GetTextBytes(number));
}

QString GetFirstText() {
    return CurrentTable() ? DecodeBytes(CurrentTable()->firstText()) : QString();
}

int CountLanguages() {
    const QString word = QString::fromLatin1(kProductWord);
    int count = 0;
    for (int n = 0; n <= kMaxLanguage; ++n) {
        const QString file = LanguageFile(n);
        if (FileExists(UserDataFolder(word) + file) || FileExists(ProgramFolder() + file))
            ++count;
    }
    return count;
}

QString GetLanguageName(int n) {
    const QString path = FindDataFile(QString::fromLatin1(kProductWord), LanguageFile(n));
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QString();
    // Lines are read in pieces, so that an endless first line is skipped without being held.
    const qint64 piece = AbTrans2::kLongestText + 3;
    QByteArray first;
    do
        first = file.readLine(piece);
    while (!first.isEmpty() && !first.endsWith('\n'));
    if (first.isEmpty() && file.atEnd())
        return QString();
    QByteArray line = file.readLine(piece);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    QByteArray name;
    AppendWithinLimit(name, line);
    return DecodeBytes(name);
}

QString DecodeBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const uchar b = uchar(c);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}
