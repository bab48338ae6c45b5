#include "realdesktop/headless_mutter.h"

#include "support/wait.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <X11/keysym.h>

namespace {

const char kDisplay[] = "wayland-mutter";
const char kMutterService[] = "org.gnome.Mutter.RemoteDesktop";
const char kShellService[] = "org.gnome.Shell";
constexpr int kLeftButton = 0x110; // BTN_LEFT

// What `program --help` prints.
QByteArray Help(const QString& program) {
    QProcess help;
    help.setProcessChannelMode(QProcess::MergedChannels);
    help.start(program, {"--help"});
    help.waitForFinished(10000);
    return help.readAll();
}

// The major version of the installed GNOME shell ("GNOME Shell 48.7"); 0 when there is none.
int ShellVersion() {
    if (QStandardPaths::findExecutable("gnome-shell").isEmpty())
        return 0;
    QProcess shell;
    shell.start("gnome-shell", {"--version"});
    shell.waitForFinished(10000);
    const QList<QByteArray> words = shell.readAll().trimmed().split(' ');
    return words.value(words.size() - 1).split('.').value(0).toInt();
}

} // namespace

HeadlessMutter::HeadlessMutter(const QString& layouts) : layouts_(layouts) {
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
    // A pointer in the top left corner opens the shell's overview: not the test's.
    Gsettings({"set", "org.gnome.desktop.interface", "enable-hot-corners", "false"});
    // The shell keeps the user's layouts in its own settings (see useLayouts); it starts with us.
    setInputSources("us");
    QProcessEnvironment extra;
    extra.insert("DBUS_SYSTEM_BUS_ADDRESS", session_.busAddress());
    // GNOME's shell from 48 on, where GNOME Settings approves the global shortcuts that only it
    // delivers; before, and where the shell is not installed, its bare compositor, which is all
    // that insertion needs there.
    shell_ = ShellVersion() >= 48;
    const QString compositor = shell_ ? "gnome-shell" : "mutter";
    QStringList options = {"--headless", "--wayland", "--no-x11",
                           QStringLiteral("--virtual-monitor=%1x%2").arg(kWidth).arg(kHeight),
                           QStringLiteral("--wayland-display=") + kDisplay};
    // Mutter 50 has no session manager to leave out, and refuses the option.
    if (Help(compositor).contains("--sm-disable"))
        options << "--sm-disable";
    mutter_ = session_.start(QStringList{compositor} + options, extra);
    if (!mutter_)
        return;
    socket_ = session_.runtimeFolder() + '/' + kDisplay;
    const auto up = [&] {
        return QFile::exists(socket_) &&
               bus_.interface()->isServiceRegistered(QLatin1String(kMutterService)).value() &&
               (!shell_ || bus_.interface()->isServiceRegistered(kShellService).value());
    };
    if (!WaitFor(up, 30000)) {
        error_ = compositor + " did not start: " + session_.output();
        return;
    }
    // The portals, started later by the bus, draw their dialogs on this compositor.
    if (!session_.setActivationEnvironment({{"WAYLAND_DISPLAY", socket_}})) {
        error_ = "the bus did not take the display";
        return;
    }
    // The shell answers once its start is complete (on a busy machine that can take longer than
    // a call waits), and that start ends in its overview, where a click lands on no window.
    // (Closed before the start is complete, the overview leaves the pointer no window.)
    const auto started = [&] {
        for (const QFileInfo& log :
             QDir(session_.runtimeFolder()).entryInfoList({"gnome-shell-*.log"}, QDir::Files)) {
            QFile file(log.filePath());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains("GNOME Shell started at"))
                return true;
        }
        return false;
    };
    if (shell_ && !WaitFor(started, 60000)) {
        error_ = "the shell did not finish its start: " + session_.output();
        return;
    }
    const QDBusReply<QDBusObjectPath> created =
        bus_.call(QDBusMessage::createMethodCall(kMutterService, "/org/gnome/Mutter/RemoteDesktop",
                                                 kMutterService, "CreateSession"),
                  QDBus::Block, 60000);
    if (!created.isValid()) {
        error_ = "no remote-desktop session: " + created.error().message();
        return;
    }
    remote_ = created.value().path();
    if (!sessionCall("Start", {})) {
        error_ = "the remote-desktop session did not start";
        return;
    }
    if (shell_ && !leaveOverview())
        error_ = "the shell's overview did not open and close: " + session_.output();
}

bool HeadlessMutter::leaveOverview() {
    // Closed as a user closes it (setting the shell's property left its input blocked).
    const auto closed = [&] { return !overviewActive().value_or(true); };
    return !shell_ || WaitFor(
                          [&] {
                              if (!closed())
                                  typeKeys({XK_Escape});
                              return WaitFor(closed, 1000);
                          },
                          20000);
}

QDBusMessage HeadlessMutter::overviewProperty(const QString& method, const QVariantList& value) {
    QDBusMessage call = QDBusMessage::createMethodCall(kShellService, "/org/gnome/Shell",
                                                       "org.freedesktop.DBus.Properties", method);
    call.setArguments(QVariantList{kShellService, "OverviewActive"} + value);
    return bus_.call(call);
}

std::optional<bool> HeadlessMutter::overviewActive() {
    const QDBusReply<QDBusVariant> active = overviewProperty("Get", {});
    return active.isValid() ? std::optional(active.value().variant().toBool()) : std::nullopt;
}

bool HeadlessMutter::setInputSources(const QString& layouts) {
    QStringList sources;
    for (const QString& layout : layouts.split(','))
        sources << QStringLiteral("('xkb', '%1')").arg(layout);
    return Gsettings(
        {"set", "org.gnome.desktop.input-sources", "sources", '[' + sources.join(", ") + ']'});
}

bool HeadlessMutter::useLayouts() {
    return !shell_ || setInputSources(layouts_);
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
    // From the monitor's bottom right corner, where a long way down and right leaves the pointer.
    // (By absolute coordinates mutter 50 moves it only along a screen cast that someone watches;
    // the top left corner is the shell's hot corner, and its top bar stops the way down.)
    return sessionCall("NotifyPointerMotionRelative", {4.0 * kWidth, 4.0 * kHeight}) &&
           sessionCall("NotifyPointerMotionRelative",
                       {double(point.x() - kWidth + 1), double(point.y() - kHeight + 1)});
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

bool HeadlessMutter::chord(const QList<quint32>& keysyms) {
    bool done = true;
    for (const quint32 keysym : keysyms)
        done = sessionCall("NotifyKeyboardKeysym", {keysym, true}) && done;
    for (auto it = keysyms.rbegin(); it != keysyms.rend(); ++it)
        done = sessionCall("NotifyKeyboardKeysym", {*it, false}) && done;
    return done;
}

bool HeadlessMutter::chordKeycodes(const QList<int>& evdevCodes) {
    bool done = true;
    for (const int code : evdevCodes)
        done = sessionCall("NotifyKeyboardKeycode", {uint(code), true}) && done;
    for (auto it = evdevCodes.rbegin(); it != evdevCodes.rend(); ++it)
        done = sessionCall("NotifyKeyboardKeycode", {uint(*it), false}) && done;
    return done;
}

bool HeadlessMutter::typeKeycode(int evdevCode) {
    return sessionCall("NotifyKeyboardKeycode", {uint(evdevCode), true}) &&
           sessionCall("NotifyKeyboardKeycode", {uint(evdevCode), false});
}
