#include "platform/gnome_shortcut.h"

#include "platform/file_system.h"
#include "platform/hotkey_binding.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

namespace {

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

QString EntrySchema() {
    return QLatin1String(kSchema) + QLatin1String(".custom-keybinding:") + QLatin1String(kOurPath);
}

// The paths of GNOME's custom shortcuts, or nothing when gsettings cannot say.
std::optional<QStringList> ListedPaths() {
    const std::optional<QString> list =
        Gsettings({QStringLiteral("get"), QLatin1String(kSchema), QLatin1String(kListKey)});
    if (!list)
        return std::nullopt;
    QStringList paths;
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    for (const QRegularExpressionMatch& match : quoted.globalMatch(*list))
        paths.append(match.captured(1));
    return paths;
}

// GTK's notation of a key ("<Primary><Alt>s") as the user reads it ("Ctrl+Alt+S").
QString ReadableAccelerator(QString accelerator) {
    static const QRegularExpression modifier(QStringLiteral("^<([^>]*)>"));
    QString readable;
    for (QRegularExpressionMatch m = modifier.match(accelerator); m.hasMatch();
         m = modifier.match(accelerator)) {
        const QString name = m.captured(1).toLower();
        if (name == QLatin1String("primary") || name == QLatin1String("control") ||
            name == QLatin1String("ctrl"))
            readable += QStringLiteral("Ctrl+");
        else if (!name.isEmpty())
            readable += name.left(1).toUpper() + name.mid(1) + QLatin1Char('+');
        accelerator.remove(0, m.capturedLength());
    }
    if (accelerator.size() == 1)
        accelerator = accelerator.toUpper();
    return accelerator.isEmpty() ? QString() : readable + accelerator;
}

} // namespace

bool GnomeShortcutOffered() {
    return BoundHotKey().isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qgetenv("XDG_CURRENT_DESKTOP").toUpper().contains("GNOME") &&
           !QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty();
}

QString GnomeToggleCommand() {
    if (!QStandardPaths::findExecutable(QStringLiteral("glimmora")).isEmpty())
        return QStringLiteral("glimmora /toggle");
    return Quoted(QCoreApplication::applicationFilePath()) + QStringLiteral(" /toggle");
}

bool AddGnomeToggleShortcut() {
    std::optional<QStringList> paths = ListedPaths();
    if (!paths)
        return false;
    const bool listed = paths->contains(QLatin1String(kOurPath));
    // The user's own key for it, where they changed ours in GNOME's settings, stays.
    QList<QPair<QString, QString>> values = {{QStringLiteral("name"), QStringLiteral("Glimmora")},
                                             {QStringLiteral("command"), GnomeToggleCommand()}};
    if (!listed || GnomeToggleShortcutKey().isEmpty())
        values.append({QStringLiteral("binding"), QStringLiteral("<Primary><Alt>s")});
    for (const auto& [key, value] : values)
        if (!Gsettings({QStringLiteral("set"), EntrySchema(), key, Quoted(value)}))
            return false;
    if (listed)
        return true;
    paths->append(QLatin1String(kOurPath));
    for (QString& path : *paths)
        path = Quoted(path);
    return Gsettings({QStringLiteral("set"), QLatin1String(kSchema), QLatin1String(kListKey),
                      QLatin1Char('[') + paths->join(QLatin1String(", ")) + QLatin1Char(']')})
        .has_value();
}

bool KeepGnomeToggleShortcut(const QString& addedMarker) {
    const std::optional<QStringList> paths = ListedPaths();
    if (!paths)
        return false;
    const bool listed = paths->contains(QLatin1String(kOurPath));
    if (!listed && QFileInfo::exists(addedMarker))
        return false; // the user removed it
    if (!AddGnomeToggleShortcut())
        return false;
    if (!listed)
        WriteFileAtomic(addedMarker, QByteArrayLiteral("Ctrl+Alt+S\n"));
    return true;
}

QString GnomeToggleShortcutKey() {
    const std::optional<QStringList> paths = ListedPaths();
    if (!paths || !paths->contains(QLatin1String(kOurPath)))
        return {};
    const std::optional<QString> binding =
        Gsettings({QStringLiteral("get"), EntrySchema(), QStringLiteral("binding")});
    if (!binding)
        return {};
    QString accelerator = *binding;
    if (accelerator.startsWith(QLatin1Char('\'')) && accelerator.endsWith(QLatin1Char('\'')))
        accelerator = accelerator.mid(1, accelerator.size() - 2);
    return ReadableAccelerator(accelerator);
}
