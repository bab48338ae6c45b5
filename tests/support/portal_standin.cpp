#include "support/portal_standin.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QRegularExpression>

// One shortcut of the answer to BindShortcuts: its id and properties, (sa{sv}).
struct BoundShortcut {
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(BoundShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const BoundShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, BoundShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace {

constexpr char kService[] = "org.freedesktop.portal.Desktop";
constexpr char kPath[] = "/org/freedesktop/portal/desktop";
constexpr char kStandInConnection[] = "glimmora-portal-standin";
constexpr char kClientConnection[] = "glimmora-portal-client";

// An a{sv} argument; messages to a virtual object carry it still marshalled.
QVariantMap Options(const QVariant& value) {
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

class StandInObject : public QDBusVirtualObject {
public:
    explicit StandInObject(PortalStandIn& record) : record_(record) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        const QString member = message.member();
        const QString interface = message.interface().section(QLatin1Char('.'), -1);
        const QVariantList args = message.arguments();
        if (member == QLatin1String("Get")) {
            const uint version = args.value(0).toString().endsWith("RemoteDesktop") ? 2 : 1;
            bus.send(message.createReply(QVariant::fromValue(QDBusVariant(version))));
        } else if (member == QLatin1String("CreateSession")) {
            const QVariantMap options = Options(args.value(0));
            record_.record("CreateSession " + interface);
            const QString session =
                pathFor(message, "session", options.value("session_handle_token").toString());
            if (interface == QLatin1String("GlobalShortcuts"))
                record_.setShortcutSession(session);
            else
                record_.setRemoteSession(session);
            respond(message, bus, options, {{"session_handle", session}});
        } else if (member == QLatin1String("SelectDevices")) {
            const QVariantMap options = Options(args.value(1));
            QString call = "SelectDevices types=" + options.value("types").toString();
            for (const char* key : {"persist_mode", "restore_token"})
                if (options.contains(key))
                    call += QStringLiteral(" %1=%2").arg(key, options.value(key).toString());
            record_.record(call);
            respond(message, bus, options, {});
        } else if (member == QLatin1String("Start")) {
            record_.record("Start");
            respond(message, bus, Options(args.value(2)),
                    {{"devices", 1u}, {"restore_token", record_.nextToken()}},
                    record_.startAnswer());
        } else if (member == QLatin1String("NotifyKeyboardKeysym")) {
            record_.notifyKey(
                QStringLiteral("key %1 %2").arg(args.value(2).toInt()).arg(args.value(3).toUInt()),
                message, bus);
        } else if (member == QLatin1String("BindShortcuts")) {
            const QDBusArgument shortcuts = args.value(1).value<QDBusArgument>();
            QList<BoundShortcut> bound;
            shortcuts.beginArray();
            while (!shortcuts.atEnd()) {
                QString id;
                QVariantMap properties;
                shortcuts.beginStructure();
                shortcuts >> id >> properties;
                shortcuts.endStructure();
                const QString trigger = properties.value("preferred_trigger").toString();
                record_.record("BindShortcuts " + id + " " + trigger);
                bound.append({id,
                              {{"description", properties.value("description")},
                               {"trigger_description", trigger}}});
            }
            shortcuts.endArray();
            const PortalStandIn::BindAnswer answer = record_.bindAnswer();
            if (!answer.listsShortcuts)
                bound.clear();
            for (const BoundShortcut& shortcut : bound)
                record_.keep(shortcut.id,
                             shortcut.properties.value("trigger_description").toString());
            respond(message, bus, Options(args.value(3)),
                    {{"shortcuts", QVariant::fromValue(bound)}}, answer.code, true);
        } else if (member == QLatin1String("ListShortcuts")) {
            record_.record("ListShortcuts");
            QList<BoundShortcut> known;
            for (const auto& [id, trigger] : record_.kept().asKeyValueRange())
                known.append({id, {{"trigger_description", trigger}}});
            respond(message, bus, Options(args.value(1)),
                    {{"shortcuts", QVariant::fromValue(known)}});
        } else if (member == QLatin1String("doRegister")) { // KDE's global accelerators
            record_.record("doRegister " + args.value(0).toStringList().join(' '));
            bus.send(message.createReply());
        } else if (member == QLatin1String("setShortcut")) {
            const QVariant keys = args.value(1);
            const QList<int> wanted = keys.canConvert<QDBusArgument>()
                                          ? qdbus_cast<QList<int>>(keys.value<QDBusArgument>())
                                          : keys.value<QList<int>>();
            record_.record(QStringLiteral("setShortcut %1").arg(args.value(2).toUInt()));
            bus.send(message.createReply(QVariant::fromValue(wanted)));
        } else if (member == QLatin1String("loadScript")) { // KWin's scripting
            record_.record("loadScript " + args.value(0).toString());
            bus.send(message.createReply(1));
        } else if (member == QLatin1String("run") || member == QLatin1String("unloadScript")) {
            record_.record(member + " " + message.path());
            bus.send(message.createReply(true));
        } else if (member == QLatin1String("Close")) {
            record_.record("Close");
            bus.send(message.createReply());
        } else {
            return false;
        }
        return true;
    }

private:
    static QString pathFor(const QDBusMessage& message, const char* kind, const QString& token) {
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        return QStringLiteral("%1/%2/%3/%4").arg(kPath, kind, sender, token);
    }
    // Answers with the request's path, then grants the request through its Response signal.
    static void respond(const QDBusMessage& message, const QDBusConnection& bus,
                        const QVariantMap& options, const QVariantMap& results, uint answer = 0,
                        bool resultsWithAnyAnswer = false) {
        const QString request =
            pathFor(message, "request", options.value("handle_token").toString());
        bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response =
            QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        response << answer << (answer == 0 || resultsWithAnyAnswer ? results : QVariantMap());
        bus.send(response);
    }

    PortalStandIn& record_;
};

} // namespace

PortalStandIn::PortalStandIn() {
    keyThreads_.setMaxThreadCount(8);
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"),
                   QStringLiteral("--print-address")});
    if (!daemon_.waitForStarted(5000)) {
        error_ = QStringLiteral("dbus-daemon does not start (package dbus-daemon)");
        return;
    }
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
    }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    if (address_.isEmpty()) {
        error_ = QStringLiteral("dbus-daemon printed no address");
        return;
    }
    start();
    ok_ = clientBus().isConnected();
    // The client may call as soon as the name is owned.
    for (int i = 0; ok_ && i < 500; ++i) {
        if (clientBus().interface()->isServiceRegistered(kService))
            return;
        QThread::msleep(10);
    }
    ok_ = false;
    error_ = QStringLiteral("the stand-in did not take the portal's name");
}

PortalStandIn::~PortalStandIn() {
    keyThreads_.waitForDone();
    quit();
    wait();
    QDBusConnection::disconnectFromBus(kClientConnection);
    QDBusConnection::disconnectFromBus(kStandInConnection);
    daemon_.kill();
    daemon_.waitForFinished();
}

QDBusConnection PortalStandIn::clientBus() const {
    return QDBusConnection::connectToBus(address_, kClientConnection);
}

QStringList PortalStandIn::calls() const {
    QMutexLocker lock(&mutex_);
    return calls_;
}

QStringList PortalStandIn::callsStartingWith(const QString& prefix) const {
    return calls().filter(QRegularExpression("^" + QRegularExpression::escape(prefix)));
}

void PortalStandIn::record(const QString& call) {
    QMutexLocker lock(&mutex_);
    calls_.append(call);
}

void PortalStandIn::notifyKey(const QString& key, const QDBusMessage& message,
                              QDBusConnection bus) {
    bool refused = false;
    {
        QMutexLocker lock(&mutex_);
        refused = ++keyCalls_ == refusedKey_ || remoteSession_.isEmpty();
    }
    // As xdg-desktop-portal does: each call on a thread of its own, which takes its time.
    keyThreads_.start([this, key, message, bus, refused] {
        QThread::msleep(QRandomGenerator::global()->bounded(6));
        if (refused) {
            record("refused " + key);
            bus.send(message.createErrorReply(QDBusError::AccessDenied, "no such session"));
            return;
        }
        record(key);
        bus.send(message.createReply());
    });
}

void PortalStandIn::answerStartWith(uint answer) {
    QMutexLocker lock(&mutex_);
    startAnswer_ = answer;
}

uint PortalStandIn::startAnswer() const {
    QMutexLocker lock(&mutex_);
    return startAnswer_;
}

void PortalStandIn::refuseKey(int call) {
    QMutexLocker lock(&mutex_);
    refusedKey_ = call;
}

QString PortalStandIn::nextToken() {
    QMutexLocker lock(&mutex_);
    return QStringLiteral("token-%1").arg(++tokens_);
}

void PortalStandIn::setShortcutSession(const QString& session) {
    QMutexLocker lock(&mutex_);
    shortcutSession_ = session;
}

void PortalStandIn::setRemoteSession(const QString& session) {
    QMutexLocker lock(&mutex_);
    remoteSession_ = session;
}

void PortalStandIn::closeRemoteSession() {
    QMutexLocker lock(&mutex_);
    QDBusMessage closed =
        QDBusMessage::createSignal(remoteSession_, "org.freedesktop.portal.Session", "Closed");
    closed << QVariantMap();
    QDBusConnection(kStandInConnection).send(closed);
    remoteSession_.clear();
}

void PortalStandIn::activate(const QString& id) {
    QDBusMessage activated =
        QDBusMessage::createSignal(kPath, "org.freedesktop.portal.GlobalShortcuts", "Activated");
    {
        QMutexLocker lock(&mutex_);
        activated << QVariant::fromValue(QDBusObjectPath(shortcutSession_));
    }
    activated << id << qulonglong(0) << QVariantMap();
    QDBusConnection(kStandInConnection).send(activated);
}

void PortalStandIn::changeTrigger(const QString& id, const QString& trigger) {
    QDBusMessage changed = QDBusMessage::createSignal(
        kPath, "org.freedesktop.portal.GlobalShortcuts", "ShortcutsChanged");
    {
        QMutexLocker lock(&mutex_);
        changed << QVariant::fromValue(QDBusObjectPath(shortcutSession_));
    }
    changed << QVariant::fromValue(QList<BoundShortcut>{
        {id, {{"description", QStringLiteral("Glimmora")}, {"trigger_description", trigger}}}});
    QDBusConnection(kStandInConnection).send(changed);
}

void PortalStandIn::keep(const QString& id, const QString& trigger) {
    QMutexLocker lock(&mutex_);
    kept_.insert(id, trigger);
}

QMap<QString, QString> PortalStandIn::kept() const {
    QMutexLocker lock(&mutex_);
    return kept_;
}

void PortalStandIn::dropKdeAccelerators() {
    QDBusConnection(kStandInConnection).unregisterService("org.kde.kglobalaccel");
}

void PortalStandIn::answerBindWith(BindAnswer answer) {
    QMutexLocker lock(&mutex_);
    bindAnswer_ = answer;
}

PortalStandIn::BindAnswer PortalStandIn::bindAnswer() const {
    QMutexLocker lock(&mutex_);
    return bindAnswer_;
}

void PortalStandIn::changeKdeShortcut(const QString& action, int key) {
    QDBusMessage changed = QDBusMessage::createSignal("/kglobalaccel", "org.kde.KGlobalAccel",
                                                      "yourShortcutGotChanged");
    changed << QStringList{"glimmora", action, "Glimmora", "Glimmora"}
            << QVariant::fromValue(QList<int>{key});
    QDBusConnection(kStandInConnection).send(changed);
}

void PortalStandIn::pressKdeShortcut(const QString& action) {
    QDBusMessage pressed = QDBusMessage::createSignal(
        "/component/glimmora", "org.kde.kglobalaccel.Component", "globalShortcutPressed");
    pressed << QStringLiteral("glimmora") << action << qlonglong(0);
    QDBusConnection(kStandInConnection).send(pressed);
}

void PortalStandIn::run() {
    qDBusRegisterMetaType<BoundShortcut>();
    qDBusRegisterMetaType<QList<BoundShortcut>>();
    QDBusConnection bus = QDBusConnection::connectToBus(address_, kStandInConnection);
    StandInObject object(*this);
    bus.registerVirtualObject(kPath, &object, QDBusConnection::SubPath);
    bus.registerVirtualObject("/Scripting", &object, QDBusConnection::SubPath);
    bus.registerVirtualObject("/kglobalaccel", &object);
    bus.registerService("org.kde.KWin");
    bus.registerService("org.kde.kglobalaccel");
    bus.registerService(kService);
    exec();
    bus.unregisterObject(kPath);
}
