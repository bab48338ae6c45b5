#include "platform/autostart_file.h"

#include "platform/file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString AutostartFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!config.startsWith('/')) // relative values are invalid and ignored
        config = QDir::homePath() + QStringLiteral("/.config");
    while (config.size() > 1 && config.endsWith('/'))
        config.chop(1);
    return config + QStringLiteral("/autostart/");
}

// Desktop-entry string values escape backslashes and line breaks.
QString EscapeValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c == '\\')
            out += QStringLiteral("\\\\");
        else if (c == '\n')
            out += QStringLiteral("\\n");
        else if (c == '\r')
            out += QStringLiteral("\\r");
        else if (c == '\t')
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

QString UnescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            if (next == 's')
                out += ' ';
            else if (next == 'n')
                out += '\n';
            else if (next == 't')
                out += '\t';
            else if (next == 'r')
                out += '\r';
            else
                out += next;
        } else {
            out += value[i];
        }
    }
    return out;
}

} // namespace

QString AutostartFilePath(const QString& word) {
    return AutostartFolder() + word + ".desktop";
}

QString ExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString escaped = argument;
    escaped.replace('%', QStringLiteral("%%"));
    bool needsQuotes = escaped.isEmpty();
    for (const QChar c : escaped)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return escaped;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : escaped) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

QString ReadAutostartCommand(const QString& word) {
    const std::optional<QByteArray> bytes = ReadFileBytes(AutostartFilePath(word));
    if (!bytes)
        return QString();
    bool inEntry = false;
    for (QByteArray line : bytes->split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq > 0 && line.left(eq).trimmed() == "Exec")
            return UnescapeValue(QString::fromUtf8(line.mid(eq + 1).trimmed()));
    }
    return QString();
}

bool WriteAutostartFile(const QString& word, const QString& command) {
    if (!QDir().mkpath(AutostartFolder()))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(EscapeValue(word), EscapeValue(command));
    return WriteFileAtomic(AutostartFilePath(word), text.toUtf8());
}

bool RemoveAutostartFile(const QString& word) {
    const QString path = ResolvePath(AutostartFilePath(word));
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    return QFile::remove(path);
}
