#include "platform/gnome_shortcut.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

namespace {

bool g_serviceBound = false;

constexpr char kSchema[] = "org.gnome.settings-daemon.plugins.media-keys";
constexpr char kListKey[] = "custom-keybindings";
constexpr char kOurPath[] = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"
                            "glimmora/";

// Runs gsettings; its output without the line end, or nothing when it failed.
std::optional<QString> Gsettings(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("gsettings"), arguments);
    if (!process.waitForFinished(5000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A string as GVariant text: in single quotes, with quotes and backslashes escaped.
QString Quoted(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

void NoteGlobalShortcutBound() {
    g_serviceBound = true;
}

bool GnomeShortcutOffered() {
    return !g_serviceBound && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qgetenv("XDG_CURRENT_DESKTOP").toUpper().contains("GNOME") &&
           !QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty();
}

QString GnomeToggleCommand() {
    if (!QStandardPaths::findExecutable(QStringLiteral("glimmora")).isEmpty())
        return QStringLiteral("glimmora /toggle");
    return Quoted(QCoreApplication::applicationFilePath()) + QStringLiteral(" /toggle");
}

bool AddGnomeToggleShortcut() {
    const std::optional<QString> list =
        Gsettings({QStringLiteral("get"), QLatin1String(kSchema), QLatin1String(kListKey)});
    if (!list)
        return false;
    QStringList paths;
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    for (const QRegularExpressionMatch& match : quoted.globalMatch(*list))
        paths.append(match.captured(1));

    const QString entry =
        QLatin1String(kSchema) + QLatin1String(".custom-keybinding:") + QLatin1String(kOurPath);
    const QList<QPair<QString, QString>> values = {
        {QStringLiteral("name"), QStringLiteral("Glimmora")},
        {QStringLiteral("command"), GnomeToggleCommand()},
        {QStringLiteral("binding"), QStringLiteral("<Primary><Alt>s")}};
    for (const auto& [key, value] : values)
        if (!Gsettings({QStringLiteral("set"), entry, key, Quoted(value)}))
            return false;
    if (paths.contains(QLatin1String(kOurPath)))
        return true;
    paths.append(QLatin1String(kOurPath));
    for (QString& path : paths)
        path = Quoted(path);
    return Gsettings({QStringLiteral("set"), QLatin1String(kSchema), QLatin1String(kListKey),
                      QLatin1Char('[') + paths.join(QLatin1String(", ")) + QLatin1Char(']')})
        .has_value();
}
