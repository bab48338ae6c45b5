#include "platform/ini_profile.h"

#include "platform/file_system.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray TrimBlanks(const QByteArray& text) {
    qsizetype start = 0, end = text.size();
    while (start < end && IsBlank(text[start]))
        ++start;
    while (end > start && IsBlank(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

bool SameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QList<QByteArray> SplitLines(const QByteArray& text) {
    return SplitTextLines(WithoutByteOrderMark(text));
}

// The name of a section header line "[name]", or nullopt for any other line.
std::optional<QByteArray> SectionName(const QByteArray& line) {
    const QByteArray trimmed = TrimBlanks(line);
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return TrimBlanks(trimmed.mid(1, close - 1));
}

// Key and raw value of a "key=value" line.
bool SplitKeyLine(const QByteArray& line, QByteArray* key, QByteArray* value) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    *key = TrimBlanks(line.left(eq));
    *value = line.mid(eq + 1);
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

ProfileText::ProfileText(const QByteArray& iniText) {
    QHash<QByteArray, QByteArray>* current = nullptr;
    for (const QByteArray& line : SplitLines(iniText)) {
        if (const auto name = SectionName(line)) {
            current = &sections_[name->toLower()];
            continue;
        }
        QByteArray k, v;
        if (!current || !SplitKeyLine(line, &k, &v))
            continue;
        k = k.toLower();
        if (!current->contains(k)) // only the first line of a key counts
            current->insert(k, v);
    }
}

ProfileText ProfileText::FromFile(const QString& file) {
    return ProfileText(ReadFileBytes(file).value_or(QByteArray()));
}

QByteArray ProfileText::value(const QByteArray& section, const QByteArray& key,
                              const QByteArray& defaultValue) const {
    const auto s = sections_.constFind(TrimBlanks(section).toLower());
    if (s == sections_.cend())
        return defaultValue;
    const auto v = s->constFind(TrimBlanks(key).toLower());
    return v == s->cend() ? defaultValue : CleanValue(*v);
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
            QByteArray k, v;
            if (SplitKeyLine(lines[i], &k, &v) && SameName(k, key)) {
                lines[i] = k + '=' + value; // the key keeps its spelling
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
    return WriteFileAtomic(path, out);
}

bool WriteProfileString(const QString& file, const QByteArray& section, const QByteArray& key,
                        const QByteArray& value) {
    return WriteProfileStrings(file, section, {{key, value}});
}
