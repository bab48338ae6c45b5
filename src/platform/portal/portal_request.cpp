#include "platform/portal/portal_request.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QPointer>

namespace {
constexpr char kRequestInterface[] = "org.freedesktop.portal.Request";
}

PortalRequest::PortalRequest(QObject* context, PortalAnswer done)
    : QObject(context), done_(std::move(done)) {}

void PortalRequest::finish(uint response, const QVariantMap& results) {
    if (!done_)
        return;
    const PortalAnswer done = std::move(done_);
    done_ = nullptr;
    deleteLater();
    done(response, results);
}

void PortalRequest::onResponse(uint response, const QVariantMap& results) {
    finish(response, results);
}

PortalSessionWatch::PortalSessionWatch(QDBusConnection bus, const QString& path, QObject* parent,
                                       std::function<void()> closed)
    : QObject(parent), closed_(std::move(closed)) {
    bus.connect(QString(), path, QStringLiteral("org.freedesktop.portal.Session"),
                QStringLiteral("Closed"), this, SLOT(onClosed()));
}

void PortalSessionWatch::onClosed() {
    closed_();
}

void CallPortal(QDBusConnection bus, const QString& interface, const QString& method,
                QVariantList arguments, QObject* context, PortalAnswer done) {
    auto* request = new PortalRequest(context, std::move(done));
    const QString token = NewPortalToken();
    // The portal derives the request's path from our name and the token; listening there before
    // the call means a quick answer is not missed.
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected =
        QStringLiteral("%1/request/%2/%3").arg(QLatin1String(kPortalPath), sender, token);
    bus.connect(QString(), expected, QLatin1String(kRequestInterface), QStringLiteral("Response"),
                request, SLOT(onResponse(uint, QVariantMap)));

    QVariantMap options = arguments.isEmpty() ? QVariantMap() : arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kPortalService), QLatin1String(kPortalPath), interface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        request->finish(2, {});
        return;
    }
    const QString path = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    if (path != expected) // portals older than the handle token choose the path themselves
        bus.connect(QString(), path, QLatin1String(kRequestInterface), QStringLiteral("Response"),
                    request, SLOT(onResponse(uint, QVariantMap)));
}

bool RegisterWithPortal(QDBusConnection bus, const QString& appId) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kPortalService), QLatin1String(kPortalPath),
        QStringLiteral("org.freedesktop.host.portal.Registry"), QStringLiteral("Register"));
    call.setArguments({appId, QVariantMap()});
    // The portal may have to be started first.
    return bus.call(call, QDBus::Block, 10000).type() == QDBusMessage::ReplyMessage;
}

QDBusConnection PortalConnection() {
    static const QDBusConnection bus = [] {
        QDBusConnection connection = QDBusConnection::connectToBus(
            QDBusConnection::SessionBus, QStringLiteral("glimmora-portal"));
        if (connection.isConnected())
            RegisterWithPortal(connection, QLatin1String(kAppId));
        return connection;
    }();
    return bus;
}

bool OnKdePlasma() {
    return qgetenv("XDG_CURRENT_DESKTOP").toUpper().contains("KDE");
}

uint PortalVersion(QDBusConnection bus, const QString& interface) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        QLatin1String(kPortalService), QLatin1String(kPortalPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get.setArguments({interface, QStringLiteral("version")});
    const QDBusReply<QDBusVariant> reply = bus.call(get);
    return reply.isValid() ? reply.value().variant().toUInt() : 0;
}

QString SessionHandle(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

void ClosePortalSession(QDBusConnection bus, const QString& path) {
    if (!path.isEmpty())
        bus.send(QDBusMessage::createMethodCall(QLatin1String(kPortalService), path,
                                                QStringLiteral("org.freedesktop.portal.Session"),
                                                QStringLiteral("Close")));
}

QString NewPortalToken() {
    static int count = 0;
    return QStringLiteral("glimmora%1").arg(++count);
}
