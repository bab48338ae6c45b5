#pragma once
#include <QDBusConnection>
#include <QObject>
#include <QVariantList>
#include <QVariantMap>
#include <functional>

inline constexpr char kPortalService[] = "org.freedesktop.portal.Desktop";
inline constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";

// The id under which the desktop knows the program (its installed desktop file's name).
inline constexpr char kAppId[] = "com.orvandeck.Glimmora";

// The program's own connection to the session bus for the portals. Its first call registers the
// program under kAppId with the portal's host registry (xdg-desktop-portal 1.19.4 and later):
// the portal then knows who calls, which the global-shortcuts portal requires from 1.21 on, and
// keeps permissions under that id. Where there is no registry, or it knows no such program (no
// desktop file installed), the connection goes on without an id, as on older desktops.
QDBusConnection PortalConnection();
// Registers `bus` under `appId`; true when the portal took it. Only the first portal call of a
// connection may do so.
bool RegisterWithPortal(QDBusConnection bus, const QString& appId);

// The answer of a portal request: 0 granted, 1 cancelled by the user, 2 refused or failed.
using PortalAnswer = std::function<void(uint response, const QVariantMap& results)>;

// Calls `method` of a portal interface whose answer comes later, as the Response signal of a
// Request object (a consent dialog may stand between). `arguments` end with the options map, to
// which the request's handle token is added. `done` runs once, in `context`'s thread; never when
// `context` has gone first. A call the bus refuses answers 2 at once.
void CallPortal(QDBusConnection bus, const QString& interface, const QString& method,
                QVariantList arguments, QObject* context, PortalAnswer done);

// True in a KDE Plasma session, whose portal differs in what its methods do.
bool OnKdePlasma();

// The version property of a portal interface; 0 when the portal does not offer the interface.
uint PortalVersion(QDBusConnection bus, const QString& interface);

// A session handle as the portal returns it (older portals send an object path, newer a string).
QString SessionHandle(const QVariant& value);

// Ends the portal session at `path` (nothing when empty), without waiting for the answer.
void ClosePortalSession(QDBusConnection bus, const QString& path);

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
