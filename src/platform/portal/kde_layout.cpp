#include "platform/portal/kde_layout.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusReply>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

// XKB layouts whose letters are not Latin.
const QStringList kNonLatinLayouts = {"am", "ara", "bd", "bg", "by", "et", "ge", "gr", "il", "in",
                                      "iq", "ir",  "kg", "kh", "kz", "la", "lk", "mk", "mm", "mn",
                                      "np", "pk",  "rs", "ru", "sy", "th", "tj", "ua"};

QDBusMessage LayoutsCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.kde.keyboard"),
                                          QStringLiteral("/Layouts"),
                                          QStringLiteral("org.kde.KeyboardLayouts"), method);
}

// The short name of the active layout ("ru"); empty when unknown.
QString ActiveLayout(QDBusConnection bus) {
    // KWin names the layouts and the active one where there is more than one.
    const QDBusMessage list =
        bus.call(LayoutsCall(QStringLiteral("getLayoutsList")), QDBus::Block, 1000);
    const QDBusReply<uint> active =
        bus.call(LayoutsCall(QStringLiteral("getLayout")), QDBus::Block, 1000);
    if (list.type() == QDBusMessage::ReplyMessage && active.isValid() &&
        !list.arguments().isEmpty()) {
        const QDBusArgument layouts = list.arguments().first().value<QDBusArgument>();
        QStringList names;
        layouts.beginArray();
        while (!layouts.atEnd()) {
            QString shortName, variant, longName;
            layouts.beginStructure();
            layouts >> shortName >> variant >> longName;
            layouts.endStructure();
            names << shortName;
        }
        layouts.endArray();
        return names.value(qsizetype(active.value()));
    }
    // One layout: Plasma's keyboard settings name it.
    const QString file =
        QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kxkbrc"));
    if (file.isEmpty())
        return QString();
    QSettings settings(file, QSettings::IniFormat);
    return settings.value(QStringLiteral("Layout/LayoutList")).toStringList().value(0);
}

} // namespace

bool KdeLayoutTypesLatin(QDBusConnection bus) {
    return !kNonLatinLayouts.contains(ActiveLayout(bus).trimmed().toLower());
}
