#pragma once
#include <QDBusConnection>
#include <QObject>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

inline constexpr char kPortalService[] = "org.freedesktop.portal.Desktop";
inline constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";

// The answer of a portal request: 0 granted, 1 cancelled by the user, 2 refused or failed.
using PortalAnswer = std::function<void(uint response, const QVariantMap& results)>;

// Calls `method` of a portal interface whose answer comes later, as the Response signal of a
// Request object (a consent dialog may stand between). `arguments` end with the options map, to
// which the request's handle token is added. `done` runs once, in `context`'s thread; never when
// `context` has gone first. A call the bus refuses answers 2 at once.
void CallPortal(QDBusConnection bus, const QString& interface, const QString& method,
                QVariantList arguments, QObject* context, PortalAnswer done);

// The version property of a portal interface; 0 when the portal does not offer the interface.
uint PortalVersion(QDBusConnection bus, const QString& interface);

// A session handle as the portal returns it (older portals send an object path, newer a string).
QString SessionHandle(const QVariant& value);

// A token that no other request of this run uses, for handle and session paths.
QString NewPortalToken();

// Listens for one Response signal; used by CallPortal.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    PortalRequest(QObject* context, PortalAnswer done);
    void finish(uint response, const QVariantMap& results);

public slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    PortalAnswer done_;
};

// Runs `closed` when the portal ends the session at `path` (the user withdrew the permission,
// the desktop stopped sharing).
class PortalSessionWatch : public QObject {
    Q_OBJECT
public:
    PortalSessionWatch(QDBusConnection bus, const QString& path, QObject* parent,
                       std::function<void()> closed);

public slots:
    void onClosed();

private:
    std::function<void()> closed_;
};
