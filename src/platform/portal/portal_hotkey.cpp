// Ctrl+Alt+S through the desktop's global-shortcut service, for desktops that give no client a
// keyboard grab.
#include "platform/current_desktop.h"
#include "platform/gnome_shortcut.h"
#include "platform/portal/portal_desktop.h"
#include "platform/portal/portal_request.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>

#include <algorithm>

namespace {

constexpr char kGlobalShortcuts[] = "org.freedesktop.portal.GlobalShortcuts";
constexpr char kShortcutId[] = "toggle";
constexpr char kKdeAccel[] = "org.kde.kglobalaccel";
// What the desktop shows beside the key in its shortcut settings.
QString ShortcutDescription() {
    const auto& describe = DesktopProgram().hotKeyDescription;
    return describe ? describe() : QStringLiteral("Glimmora");
}

} // namespace

// One entry of BindShortcuts: an id and its properties.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace {

bool KdeAccelRunning(QDBusConnection bus) {
    return bus.interface() && bus.interface()->isServiceRegistered(QLatin1String(kKdeAccel));
}

class NoServiceHotKey : public DesktopHotKey {
public:
    using DesktopHotKey::DesktopHotKey;
    bool registered() const override { return false; }
};

// KDE's global accelerators, for Plasma versions whose global-shortcuts portal binds nothing.
class KdeHotKey : public DesktopHotKey {
    Q_OBJECT
public:
    KdeHotKey(QDBusConnection bus, QObject* parent) : DesktopHotKey(parent) {
        const QStringList action = {QStringLiteral("glimmora"), QLatin1String(kShortcutId),
                                    QStringLiteral("Glimmora"), ShortcutDescription()};
        const QList<int> keys = {(Qt::CTRL | Qt::ALT | Qt::Key_S).toCombined()};
        const auto accel = [&](const QString& method, const QVariantList& args) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QLatin1String(kKdeAccel), QStringLiteral("/kglobalaccel"),
                QStringLiteral("org.kde.KGlobalAccel"), method);
            call.setArguments(args);
            return bus.call(call);
        };
        constexpr uint kIsDefault = 1, kSetPresent = 2;
        accel(QStringLiteral("doRegister"), {action});
        accel(QStringLiteral("setShortcut"), {action, QVariant::fromValue(keys), kIsDefault});
        // The user's own choice, where Plasma's settings hold one, wins over ours.
        const QDBusReply<QList<int>> taken =
            accel(QStringLiteral("setShortcut"), {action, QVariant::fromValue(keys), kSetPresent});
        registered_ = taken.isValid() && !taken.value().isEmpty();
        if (registered_)
            NoteGlobalShortcutBound();
        bus.connect(QLatin1String(kKdeAccel), QStringLiteral("/component/glimmora"),
                    QStringLiteral("org.kde.kglobalaccel.Component"),
                    QStringLiteral("globalShortcutPressed"), this,
                    SLOT(onPressed(QString, QString)));
    }
    bool registered() const override { return registered_; }

public slots:
    void onPressed(const QString&, const QString& action) {
        if (action == QLatin1String(kShortcutId))
            emit activated();
    }

private:
    bool registered_ = false;
};

// True when the answer to BindShortcuts lists our shortcut, so that the desktop delivers it.
bool ListsOurShortcut(const QVariantMap& results) {
    const QVariant listed = results.value(QStringLiteral("shortcuts"));
    const QList<PortalShortcut> shortcuts =
        listed.canConvert<QDBusArgument>()
            ? qdbus_cast<QList<PortalShortcut>>(listed.value<QDBusArgument>())
            : listed.value<QList<PortalShortcut>>();
    return std::any_of(shortcuts.begin(), shortcuts.end(), [](const PortalShortcut& shortcut) {
        return shortcut.id == QLatin1String(kShortcutId);
    });
}

// The global-shortcuts portal: a session of our own, the key bound in it (the desktop may ask
// the user to confirm or change it), an Activated signal at each press. A portal may answer
// "done" and bind nothing (Plasma 5.27's only opens its settings page); KDE's global accelerators
// then take the key where they exist.
class PortalHotKey : public DesktopHotKey {
    Q_OBJECT
public:
    PortalHotKey(QDBusConnection bus, QObject* parent) : DesktopHotKey(parent), bus_(bus) {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        bus_.connect(QString(), QLatin1String(kPortalPath), QLatin1String(kGlobalShortcuts),
                     QStringLiteral("Activated"), this,
                     SLOT(onActivated(QDBusObjectPath, QString)));
        CallPortal(bus_, QLatin1String(kGlobalShortcuts), QStringLiteral("CreateSession"),
                   {QVariantMap{{"session_handle_token", NewPortalToken()}}}, this,
                   [this](uint response, const QVariantMap& results) {
                       if (response != 0)
                           return fallBackToKde();
                       session_ = SessionHandle(results.value(QStringLiteral("session_handle")));
                       bind();
                   });
    }
    // The desktop keeps delivering the key to a session that stays open (Plasma 6 to the first
    // that bound it): a later hot key of this program would not get it.
    ~PortalHotKey() override { ClosePortalSession(bus_, session_); }
    bool registered() const override {
        return registered_ || (fallback_ && fallback_->registered());
    }

public slots:
    void onActivated(const QDBusObjectPath& session, const QString& id) {
        if (session.path() == session_ && id == QLatin1String(kShortcutId))
            emit activated();
    }

private:
    void bind() {
        const QList<PortalShortcut> shortcuts = {
            {QLatin1String(kShortcutId),
             {{"description", ShortcutDescription()},
              {"preferred_trigger", QStringLiteral("CTRL+ALT+s")}}}};
        CallPortal(bus_, QLatin1String(kGlobalShortcuts), QStringLiteral("BindShortcuts"),
                   {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts),
                    QString(), QVariantMap()},
                   this, [this](uint response, const QVariantMap& results) {
                       // GNOME 48's portal answers 2 where it did bind, with the shortcuts.
                       registered_ = (response == 0 || response == 2) && ListsOurShortcut(results);
                       if (registered_)
                           NoteGlobalShortcutBound();
                       else
                           fallBackToKde();
                   });
    }
    void fallBackToKde() {
        if (!KdeAccelRunning(bus_))
            return;
        fallback_ = new KdeHotKey(bus_, this);
        connect(fallback_, &DesktopHotKey::activated, this, &DesktopHotKey::activated);
    }

    QDBusConnection bus_;
    QString session_;
    bool registered_ = false;
    DesktopHotKey* fallback_ = nullptr; // a child; KDE's key where the portal bound none
};

} // namespace

std::unique_ptr<DesktopHotKey> CreateServiceHotKey(QDBusConnection bus, QObject* parent) {
    if (PortalVersion(bus, QLatin1String(kGlobalShortcuts)) > 0)
        return std::make_unique<PortalHotKey>(bus, parent);
    if (KdeAccelRunning(bus))
        return std::make_unique<KdeHotKey>(bus, parent);
    return std::make_unique<NoServiceHotKey>(parent);
}

#include "portal_hotkey.moc"
