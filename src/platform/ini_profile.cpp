#include "platform/ini_profile.h"

#include "platform/file_system.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView TrimmedView(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

QByteArray TrimBlanks(const QByteArray& text) {
    return TrimmedView(text).toByteArray();
}

bool SameName(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QList<QByteArray> SplitLines(const QByteArray& text) {
    return SplitTextLines(WithoutByteOrderMark(text));
}

// The name of a section header line "[name]", or nullopt for any other line.
std::optional<QByteArrayView> SectionName(QByteArrayView line) {
    const QByteArrayView trimmed = TrimmedView(line);
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return TrimmedView(trimmed.sliced(1, close - 1));
}

// Key and raw value of a "key=value" line.
bool SplitKeyLine(QByteArrayView line, QByteArrayView* key, QByteArrayView* value) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    *key = TrimmedView(line.first(eq));
    *value = line.sliced(eq + 1);
    return !key->isEmpty();
}

QByteArray CleanValue(const QByteArray& raw) {
    QByteArray value = TrimBlanks(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    if (value.size() > kProfileValueMax) {
        value.truncate(kProfileValueMax);
        // Do not leave half of a UTF-8 sequence at the cut.
        qsizetype lead = value.size() - 1;
        while (lead >= 0 && (uchar(value[lead]) & 0xC0) == 0x80 && value.size() - lead < 4)
            --lead;
        if (lead >= 0) {
            const uchar c = uchar(value[lead]);
            const int need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (need > value.size() - lead)
                value.truncate(lead);
        }
    }
    return value;
}

// A value is one line: a line break inside it would smuggle further keys into the file.
QByteArray OneLine(const QByteArray& value) {
    qsizetype cut = value.size();
    const qsizetype cr = value.indexOf('\r'), lf = value.indexOf('\n');
    if (cr >= 0)
        cut = cr;
    if (lf >= 0 && lf < cut)
        cut = lf;
    return value.left(cut);
}

// The value as written, so that reading gives it back unchanged: blanks at its ends or a pair of
// enclosing quotes would be dropped by the reader, so such a value is put in quotes.
QByteArray Stored(const QByteArray& value) {
    const bool enclosed = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                          value.back() == value.front();
    if (enclosed || TrimBlanks(value) != value)
        return '"' + value + '"';
    return value;
}

} // namespace

namespace {

// Calls `visit` with each line of text[begin, end) in place, without its line end.
template <typename Visit>
void ForEachLine(QByteArrayView text, qsizetype begin, qsizetype end, Visit visit) {
    while (begin < end) {
        qsizetype stop = text.sliced(begin, end - begin).indexOf('\n');
        stop = stop < 0 ? end : begin + stop;
        QByteArrayView line = text.sliced(begin, stop - begin);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!visit(line, begin, stop + 1))
            return;
        begin = stop + 1;
    }
}

} // namespace

ProfileText::ProfileText(const QByteArray& iniText) : text_(WithoutByteOrderMark(iniText)) {
    // Only the section headers are noted; keys are looked up within their section's lines when
    // asked for, so a file of 100,000 sections costs one pass and no copy of its lines.
    qsizetype open = -1;
    ForEachLine(text_, 0, text_.size(), [&](QByteArrayView line, qsizetype start, qsizetype next) {
        const auto name = SectionName(line);
        if (!name)
            return true;
        if (open >= 0)
            ranges_[size_t(open)].end = start;
        open = qsizetype(ranges_.size());
        ranges_.push_back({next, text_.size(), -1});
        const QByteArray lowered = name->toByteArray().toLower();
        const auto known = sections_.find(lowered);
        if (known == sections_.end()) {
            sections_.insert(lowered, {open, open});
        } else {
            ranges_[size_t(known->second)].next = open;
            known->second = open;
        }
        return true;
    });
}

ProfileText ProfileText::FromFile(const QString& file) {
    return ProfileText(ReadFileBytes(file).value_or(QByteArray()));
}

QByteArray ProfileText::value(const QByteArray& section, const QByteArray& key,
                              const QByteArray& defaultValue) const {
    const auto found = sections_.constFind(TrimBlanks(section).toLower());
    if (found == sections_.cend())
        return defaultValue;
    const QByteArray wantedKey = TrimBlanks(key);
    std::optional<QByteArray> result;
    for (qsizetype r = found->first; r >= 0 && !result; r = ranges_[size_t(r)].next) {
        ForEachLine(text_, ranges_[size_t(r)].begin, ranges_[size_t(r)].end,
                    [&](QByteArrayView line, qsizetype, qsizetype) {
                        QByteArrayView k, v;
                        if (SplitKeyLine(line, &k, &v) && SameName(k, wantedKey))
                            result = CleanValue(v.toByteArray());
                        return !result;
                    });
    }
    return result.value_or(defaultValue);
}

int ProfileText::intValue(const QByteArray& section, const QByteArray& key,
                          int defaultValue) const {
    const QByteArray text = value(section, key, QByteArray());
    if (text.isEmpty())
        return defaultValue;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool sign = i == 0 && (c == '-' || c == '+') && text.size() > 1;
        if (!sign && (c < '0' || c > '9'))
            return defaultValue;
    }
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number : defaultValue;
}

QByteArray ReadProfileStringFromText(const QByteArray& iniText, const QByteArray& section,
                                     const QByteArray& key, const QByteArray& defaultValue) {
    return ProfileText(iniText).value(section, key, defaultValue);
}

QByteArray ReadProfileString(const QString& file, const QByteArray& section, const QByteArray& key,
                             const QByteArray& defaultValue) {
    return ProfileText::FromFile(file).value(section, key, defaultValue);
}

int ReadProfileInt(const QString& file, const QByteArray& section, const QByteArray& key,
                   int defaultValue) {
    return ProfileText::FromFile(file).intValue(section, key, defaultValue);
}

bool WriteProfileStrings(const QString& file, const QByteArray& section,
                         const ProfileValues& values) {
    const QString path = ResolvePath(file);
    QByteArray original;
    if (FileExists(path)) {
        const std::optional<QByteArray> text = ReadFileBytes(path);
        if (!text)
            return false; // never replace a file that could not be read
        original = *text;
    }
    const QByteArray eol = original.contains("\r\n") || !original.contains('\n')
                               ? QByteArrayLiteral("\r\n")
                               : QByteArrayLiteral("\n");
    QList<QByteArray> lines = SplitLines(original);
    const QByteArray bom = original.startsWith("\xEF\xBB\xBF") ? original.left(3) : QByteArray();
    const QByteArray wantedSection = TrimBlanks(section);

    for (const auto& [rawKey, rawValue] : values) {
        const QByteArray key = TrimBlanks(OneLine(rawKey));
        const QByteArray value = Stored(OneLine(rawValue));
        if (key.isEmpty() || key.contains('=') || key.startsWith('['))
            continue;
        bool inSection = false, written = false;
        qsizetype sectionEnd = -1; // after the last non-blank line of the first matching section
        bool sectionFound = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const auto name = SectionName(lines[i])) {
                inSection = SameName(*name, wantedSection);
                if (inSection && !sectionFound) {
                    sectionFound = true;
                    sectionEnd = i + 1;
                } else if (!inSection && sectionFound) {
                    break;
                }
                continue;
            }
            if (!inSection)
                continue;
            QByteArrayView k, v;
            if (SplitKeyLine(lines[i], &k, &v) && SameName(k, key)) {
                lines[i] = k.toByteArray() + '=' + value; // the key keeps its spelling
                written = true;
                break;
            }
            if (!TrimBlanks(lines[i]).isEmpty())
                sectionEnd = i + 1;
        }
        if (written)
            continue;
        if (sectionFound) {
            lines.insert(sectionEnd, key + '=' + value);
        } else {
            if (!lines.isEmpty() && !TrimBlanks(lines.last()).isEmpty())
                lines.append(QByteArray());
            lines.append('[' + wantedSection + ']');
            lines.append(key + '=' + value);
        }
    }

    QByteArray out = bom;
    for (const QByteArray& line : lines)
        out += line + eol;
    // Settings and definitions are this user's alone.
    return WriteFileAtomic(path, out, FileAccess::Private);
}

bool WriteProfileString(const QString& file, const QByteArray& section, const QByteArray& key,
                        const QByteArray& value) {
    return WriteProfileStrings(file, section, {{key, value}});
}
