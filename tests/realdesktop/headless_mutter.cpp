#include "realdesktop/headless_mutter.h"

#include "support/wait.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QFile>
#include <QProcess>

namespace {

const char kDisplay[] = "wayland-mutter";
const char kMutterService[] = "org.gnome.Mutter.RemoteDesktop";
constexpr int kLeftButton = 0x110; // BTN_LEFT

// What `program --help` prints.
QByteArray Help(const QString& program) {
    QProcess help;
    help.setProcessChannelMode(QProcess::MergedChannels);
    help.start(program, {"--help"});
    help.waitForFinished(10000);
    return help.readAll();
}

} // namespace

HeadlessMutter::HeadlessMutter(const QString& layouts) {
    if (!session_.ok())
        return;
    bus_ =
        QDBusConnection::connectToBus(session_.busAddress(), QStringLiteral("realdesktop-mutter"));
    if (!bus_.isConnected()) {
        error_ = "no connection to the session bus";
        return;
    }
    // Mutter asks the system bus for the layout; here that is the session's bus, where a
    // stand-in answers for the locale service.
    if (!session_.start({GLIMMORA_LOCALE_SERVICE, layouts}))
        return;
    const auto locale = [&] {
        return bus_.interface()->isServiceRegistered("org.freedesktop.locale1").value();
    };
    if (!WaitFor(locale, 10000)) {
        error_ = "the locale service did not start";
        return;
    }
    QProcessEnvironment extra;
    extra.insert("DBUS_SYSTEM_BUS_ADDRESS", session_.busAddress());
    QStringList options = {"--headless", "--wayland", "--no-x11",
                           QStringLiteral("--virtual-monitor=%1x%2").arg(kWidth).arg(kHeight),
                           QStringLiteral("--wayland-display=") + kDisplay};
    // Mutter 50 has no session manager to leave out, and refuses the option.
    if (Help("mutter").contains("--sm-disable"))
        options << "--sm-disable";
    mutter_ = session_.start(QStringList{"mutter"} + options, extra);
    if (!mutter_)
        return;
    socket_ = session_.runtimeFolder() + '/' + kDisplay;
    const auto up = [&] {
        return QFile::exists(socket_) &&
               bus_.interface()->isServiceRegistered(QLatin1String(kMutterService)).value();
    };
    if (!WaitFor(up, 20000)) {
        error_ = "mutter did not start: " + session_.output();
        return;
    }
    // GNOME Settings asks the user to approve a program's new global shortcut, in a window that
    // would take the keyboard from the tests' windows; here the user approved Glimmora's before.
    // (Where GNOME Settings is not installed the keys are unknown and nothing is asked.)
    const QString store = "org.gnome.settings-daemon.global-shortcuts";
    Gsettings({"set", store, "applications", "['com.orvandeck.Glimmora']"});
    Gsettings({"set",
               store + ".application:/org/gnome/settings-daemon/global-shortcuts/"
                       "com.orvandeck.Glimmora/",
               "shortcuts",
               "[('toggle', {'shortcuts': <['<Control><Alt>s']>, 'description': <'Glimmora'>})]"});
    // The portals, started later by the bus, draw their dialogs on this compositor.
    if (!session_.setActivationEnvironment({{"WAYLAND_DISPLAY", socket_}})) {
        error_ = "the bus did not take the display";
        return;
    }
    const QDBusReply<QDBusObjectPath> created = bus_.call(QDBusMessage::createMethodCall(
        kMutterService, "/org/gnome/Mutter/RemoteDesktop", kMutterService, "CreateSession"));
    if (!created.isValid()) {
        error_ = "no remote-desktop session: " + created.error().message();
        return;
    }
    remote_ = created.value().path();
    if (!sessionCall("Start", {}))
        error_ = "the remote-desktop session did not start";
}

bool HeadlessMutter::Gsettings(const QStringList& arguments) {
    QProcess gsettings;
    gsettings.setProcessEnvironment(session_.environment());
    gsettings.start("gsettings", arguments);
    return gsettings.waitForFinished(20000) && gsettings.exitCode() == 0;
}

HeadlessMutter::~HeadlessMutter() {
    if (!remote_.isEmpty())
        sessionCall("Stop", {});
    QDBusConnection::disconnectFromBus(QStringLiteral("realdesktop-mutter"));
}

QProcessEnvironment HeadlessMutter::clientEnvironment(QProcessEnvironment base) const {
    base = session_.clientEnvironment(std::move(base));
    base.insert("WAYLAND_DISPLAY", socket_);
    base.insert("QT_QPA_PLATFORM", "wayland");
    return base;
}

bool HeadlessMutter::sessionCall(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kMutterService, remote_, QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session"), method);
    call.setArguments(arguments);
    // Each waits for its answer: the compositor then has the event, in order.
    return bus_.call(call).type() == QDBusMessage::ReplyMessage;
}

bool HeadlessMutter::movePointer(const QPoint& point) {
    // From the monitor's top left corner, where a long way up and left leaves the pointer. (By
    // absolute coordinates mutter 50 moves it only along a screen cast that someone watches.)
    return sessionCall("NotifyPointerMotionRelative", {-4.0 * kWidth, -4.0 * kHeight}) &&
           sessionCall("NotifyPointerMotionRelative", {double(point.x()), double(point.y())});
}

bool HeadlessMutter::click() {
    return sessionCall("NotifyPointerButton", {kLeftButton, true}) &&
           sessionCall("NotifyPointerButton", {kLeftButton, false});
}

bool HeadlessMutter::typeKeys(const QList<quint32>& keysyms) {
    for (const quint32 keysym : keysyms) {
        if (!sessionCall("NotifyKeyboardKeysym", {keysym, true}) ||
            !sessionCall("NotifyKeyboardKeysym", {keysym, false}))
            return false;
    }
    return true;
}

bool HeadlessMutter::typeKeycode(int evdevCode) {
    return sessionCall("NotifyKeyboardKeycode", {uint(evdevCode), true}) &&
           sessionCall("NotifyKeyboardKeycode", {uint(evdevCode), false});
}
