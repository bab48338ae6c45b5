#include "platform/color_scheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace {

// The portal answers 1 for dark, 2 for light, 0 for no preference.
std::optional<bool> PortalPreference() {
    // Without a session bus of its own, libdbus would try to start one for the display.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    // Asked once at start: a portal that is slow to start must not hold the window up long.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 1500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    QVariant value = reply.arguments().first();
    // The value comes wrapped in a variant, in some versions twice.
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok || scheme == 0 || scheme > 2)
        return std::nullopt;
    return scheme == 1;
}

bool NamesDark(const QString& name) {
    return name.contains(QLatin1String("dark"), Qt::CaseInsensitive);
}

std::optional<bool> ThemePreference() {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (!gtkTheme.isEmpty())
        return NamesDark(gtkTheme);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString gtk = config + QStringLiteral("/gtk-3.0/settings.ini");
    if (QFile::exists(gtk)) {
        QSettings settings(gtk, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Settings"));
        if (settings.value(QStringLiteral("gtk-application-prefer-dark-theme")).toString() ==
            QLatin1String("1"))
            return true;
        const QString name = settings.value(QStringLiteral("gtk-theme-name")).toString();
        if (!name.isEmpty())
            return NamesDark(name);
    }
    const QString kde = config + QStringLiteral("/kdeglobals");
    if (QFile::exists(kde)) {
        QSettings settings(kde, QSettings::IniFormat);
        const QString scheme = settings.value(QStringLiteral("General/ColorScheme")).toString();
        if (!scheme.isEmpty())
            return NamesDark(scheme);
    }
    return std::nullopt;
}

} // namespace

std::optional<bool> DesktopPrefersDark() {
    if (std::optional<bool> portal = PortalPreference())
        return portal;
    return ThemePreference();
}
