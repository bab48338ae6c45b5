// Ctrl+Alt+S through the desktop's global-shortcut service, for desktops that give no client a
// keyboard grab.
#include "platform/current_desktop.h"
#include "platform/gnome_shortcut.h"
#include "platform/hotkey_binding.h"
#include "platform/portal/portal_desktop.h"
#include "platform/portal/portal_request.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QKeySequence>

#include <optional>

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
            noteKeys(taken.value());
        bus.connect(QLatin1String(kKdeAccel), QStringLiteral("/component/glimmora"),
                    QStringLiteral("org.kde.kglobalaccel.Component"),
                    QStringLiteral("globalShortcutPressed"), this,
                    SLOT(onPressed(QString, QString)));
        // The user may give it another key in Plasma's settings.
        bus.connect(QLatin1String(kKdeAccel), QStringLiteral("/kglobalaccel"),
                    QStringLiteral("org.kde.KGlobalAccel"),
                    QStringLiteral("yourShortcutGotChanged"), this,
                    SLOT(onChanged(QStringList, QList<int>)));
    }
    ~KdeHotKey() override {
        if (registered_)
            NoteHotKeyBound({});
    }
    bool registered() const override { return registered_; }

public slots:
    void onPressed(const QString&, const QString& action) {
        if (action == QLatin1String(kShortcutId))
            emit activated();
    }
    void onChanged(const QStringList& action, const QList<int>& keys) {
        if (registered_ && action.value(0) == QLatin1String("glimmora") &&
            action.value(1) == QLatin1String(kShortcutId))
            noteKeys(keys);
    }

private:
    static void noteKeys(const QList<int>& keys) {
        NoteHotKeyBound(keys.isEmpty() || keys.first() == 0
                            ? QString()
                            : QKeySequence(keys.first()).toString(QKeySequence::NativeText));
    }

    bool registered_ = false;
};

// GNOME's own keyboard shortcuts, where no service binds a key for a program: one that runs
// "glimmora /toggle", added once.
class GnomeShortcutHotKey : public DesktopHotKey {
public:
    explicit GnomeShortcutHotKey(QObject* parent) : DesktopHotKey(parent) {
        if (!GnomeShortcutOffered() || DesktopProgram().dataFolder.isEmpty())
            return;
        registered_ = KeepGnomeToggleShortcut(DesktopProgram().dataFolder +
                                              QStringLiteral("gnome-shortcut.added"));
        if (registered_)
            NoteHotKeyBound(GnomeToggleShortcutKey(), GnomeToggleShortcutKey);
    }
    ~GnomeShortcutHotKey() override {
        if (registered_)
            NoteHotKeyBound({});
    }
    bool registered() const override { return registered_; }

private:
    bool registered_ = false;
};

// Our shortcut as the portal lists it, where it does: in the answer to BindShortcuts and in
// ShortcutsChanged.
std::optional<PortalShortcut> OurShortcut(const QVariant& listed) {
    const QList<PortalShortcut> shortcuts =
        listed.canConvert<QDBusArgument>()
            ? qdbus_cast<QList<PortalShortcut>>(listed.value<QDBusArgument>())
            : listed.value<QList<PortalShortcut>>();
    for (const PortalShortcut& shortcut : shortcuts)
        if (shortcut.id == QLatin1String(kShortcutId))
            return shortcut;
    return std::nullopt;
}

// The key that the desktop bound, as it describes it; ours where it says nothing.
QString TriggerOf(const PortalShortcut& shortcut) {
    const QString described =
        shortcut.properties.value(QStringLiteral("trigger_description")).toString();
    return described.isEmpty()
               ? QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S).toString(QKeySequence::NativeText)
               : described;
}

// The global-shortcuts portal: a session of our own, the key bound in it (the desktop may ask
// the user to confirm or change it), an Activated signal at each press. A portal may answer
// "done" and bind nothing (Plasma 5.27's only opens its settings page); KDE's global accelerators
// then take the key where they exist, and GNOME's own shortcuts where no service binds it.
class PortalHotKey : public DesktopHotKey {
    Q_OBJECT
public:
    PortalHotKey(QDBusConnection bus, QObject* parent) : DesktopHotKey(parent), bus_(bus) {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        bus_.connect(QString(), QLatin1String(kPortalPath), QLatin1String(kGlobalShortcuts),
                     QStringLiteral("Activated"), this,
                     SLOT(onActivated(QDBusObjectPath, QString)));
        // The user may give it another key in the desktop's settings.
        bus_.connect(QString(), QLatin1String(kPortalPath), QLatin1String(kGlobalShortcuts),
                     QStringLiteral("ShortcutsChanged"), this,
                     SLOT(onShortcutsChanged(QDBusMessage)));
        CallPortal(bus_, QLatin1String(kGlobalShortcuts), QStringLiteral("CreateSession"),
                   {QVariantMap{{"session_handle_token", NewPortalToken()}}}, this,
                   [this](uint response, const QVariantMap& results) {
                       if (response != 0)
                           return fallBack();
                       session_ = SessionHandle(results.value(QStringLiteral("session_handle")));
                       // Plasma's first global-shortcuts portal opens its settings page at each
                       // BindShortcuts, and delivers a key it knows from the session's start.
                       if (OnKdePlasma() &&
                           PortalVersion(bus_, QLatin1String(kGlobalShortcuts)) < 2)
                           bindUnlessKnown();
                       else
                           bind();
                   });
    }
    // The desktop keeps delivering the key to a session that stays open (Plasma 6 to the first
    // that bound it): a later hot key of this program would not get it.
    ~PortalHotKey() override {
        ClosePortalSession(bus_, session_);
        if (registered())
            NoteHotKeyBound({});
    }
    bool registered() const override {
        return registered_ || (fallback_ && fallback_->registered());
    }

public slots:
    void onActivated(const QDBusObjectPath& session, const QString& id) {
        if (session.path() == session_ && id == QLatin1String(kShortcutId))
            emit activated();
    }
    void onShortcutsChanged(const QDBusMessage& message) {
        const QVariantList args = message.arguments();
        if (!registered_ || args.size() < 2 || args[0].value<QDBusObjectPath>().path() != session_)
            return;
        if (const std::optional<PortalShortcut> ours = OurShortcut(args[1]))
            NoteHotKeyBound(TriggerOf(*ours));
    }

private:
    void bindUnlessKnown() {
        CallPortal(bus_, QLatin1String(kGlobalShortcuts), QStringLiteral("ListShortcuts"),
                   {QVariant::fromValue(QDBusObjectPath(session_)), QVariantMap()}, this,
                   [this](uint response, const QVariantMap& results) {
                       const std::optional<PortalShortcut> ours =
                           OurShortcut(results.value(QStringLiteral("shortcuts")));
                       if (response != 0 || !ours)
                           return bind();
                       registered_ = true;
                       NoteHotKeyBound(TriggerOf(*ours));
                   });
    }
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
                       const std::optional<PortalShortcut> ours =
                           OurShortcut(results.value(QStringLiteral("shortcuts")));
                       registered_ = (response == 0 || response == 2) && ours;
                       if (registered_)
                           NoteHotKeyBound(TriggerOf(*ours));
                       else
                           fallBack();
                   });
    }
    // KDE's global accelerators where they run, else GNOME's own shortcuts.
    void fallBack() {
        if (KdeAccelRunning(bus_)) {
            fallback_ = new KdeHotKey(bus_, this);
            connect(fallback_, &DesktopHotKey::activated, this, &DesktopHotKey::activated);
        } else {
            fallback_ = new GnomeShortcutHotKey(this);
        }
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
    return std::make_unique<GnomeShortcutHotKey>(parent);
}

#include "portal_hotkey.moc"
