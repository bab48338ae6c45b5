#include "realdesktop/private_session.h"

#include "support/wait.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const char kUser[] = "glimmora-wl";
const char kBusName[] = "realdesktop-bus";

bool Run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The usual session bus, in the session's folder.
QByteArray BusConfig(const QString& socket) {
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:path=" +
           socket.toUtf8() +
           "</listen>\n"
           "  <auth>EXTERNAL</auth>\n"
           "  <standard_session_servicedirs/>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
}

} // namespace

bool PrivateSession::BecomeSessionUser(QString* error) {
    if (::geteuid() != 0)
        return true;
    if (!Run("id", {kUser}) && !Run("useradd", {"--system", "--no-create-home", kUser})) {
        *error = "no unprivileged user for the desktop";
        return false;
    }
    const passwd* account = ::getpwnam(kUser);
    if (!account || ::setgroups(0, nullptr) != 0 || ::setgid(account->pw_gid) != 0 ||
        ::setuid(account->pw_uid) != 0) {
        *error = "could not become the desktop's user";
        return false;
    }
    // A change of user makes the process undumpable, which closes its /proc entries to the user,
    // and the portals look there to know who calls.
    ::prctl(PR_SET_DUMPABLE, 1);
    qputenv("USER", kUser);
    return true;
}

PrivateSession::PrivateSession(const QString& desktop) : desktop_(desktop) {
    const QString folder = runtime_.path();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (::geteuid() == 0) {
        fail("the test runs as root: call BecomeSessionUser first");
        return;
    }
    QFile config(folder + "/bus.conf");
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(BusConfig(folder + '/' + kBusName)) < 0) {
        fail("no bus configuration");
        return;
    }
    config.close();
    config.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    // Installed as a user installs Glimmora: the portals know it by its desktop file, which
    // counts only where its program is found.
    const QString desktopFile = "com.orvandeck.Glimmora.desktop";
    QFile shipped(qEnvironmentVariable("GLIMMORA_SOURCE_DIR") + "/packaging/" + desktopFile);
    QFile installed(folder + "/data/applications/" + desktopFile);
    if (!shipped.open(QIODevice::ReadOnly) || !QDir().mkpath(folder + "/data/applications") ||
        !installed.open(QIODevice::WriteOnly) ||
        installed.write(shipped.readAll().replace(
            "\nExec=glimmora\n", "\nExec=" + qEnvironmentVariable("GLIMMORA_PROGRAM_DIR").toUtf8() +
                                     "/glimmora\n")) < 0) {
        fail("Glimmora's desktop file could not be installed");
        return;
    }
    installed.close();
    if (!start({"dbus-daemon", "--config-file=" + config.fileName(), "--nofork", "--nopidfile"}))
        return;
    if (!WaitFor([&] { return QFile::exists(folder + '/' + kBusName); }, 10000)) {
        fail("the session bus did not start");
        return;
    }
    // PipeWire first: WirePlumber and the compositor's screen casting connect to it.
    if (!start({"pipewire"}))
        return;
    if (!WaitFor([&] { return QFile::exists(folder + "/pipewire-0"); }, 10000)) {
        fail("pipewire did not start");
        return;
    }
    start({"wireplumber"});
}

PrivateSession::~PrivateSession() {
    // The last started goes first: the bus, which ends the services it started, goes last.
    for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
        QProcess& process = **it;
        if (process.state() == QProcess::NotRunning)
            continue;
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        process.waitForFinished(2000);
    }
}

QString PrivateSession::busAddress() const {
    return "unix:path=" + runtime_.path() + '/' + kBusName;
}

QProcessEnvironment PrivateSession::environment() const {
    const QString folder = runtime_.path();
    QProcessEnvironment env;
    env.insert("PATH", qEnvironmentVariable("PATH", "/usr/bin:/bin"));
    env.insert("HOME", folder);
    env.insert("USER", qEnvironmentVariable("USER"));
    env.insert("XDG_RUNTIME_DIR", folder);
    env.insert("XDG_CONFIG_HOME", folder + "/config");
    env.insert("XDG_DATA_HOME", folder + "/data");
    env.insert("XDG_CACHE_HOME", folder + "/cache");
    env.insert("XDG_CURRENT_DESKTOP", desktop_);
    env.insert("XDG_SESSION_TYPE", "wayland");
    env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress());
    // Session programs log as they would in a journal, not to the test's terminal.
    env.insert("NO_AT_BRIDGE", "1");
    return env;
}

QProcessEnvironment PrivateSession::clientEnvironment(QProcessEnvironment base) const {
    base.insert("DBUS_SESSION_BUS_ADDRESS", busAddress());
    base.insert("XDG_CURRENT_DESKTOP", desktop_);
    base.insert("XDG_SESSION_TYPE", "wayland");
    base.remove("DISPLAY");
    return base;
}

QProcess* PrivateSession::start(const QStringList& command, const QProcessEnvironment& extra) {
    if (QStandardPaths::findExecutable(command.first()).isEmpty()) {
        fail(command.first() + " is not installed");
        return nullptr;
    }
    QProcessEnvironment env = environment();
    env.insert(extra);
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(runtime_.path());
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Into a file: nobody need read it while the test runs, and it tells what went wrong.
    process->setStandardOutputFile(runtime_.filePath(QFileInfo(command.first()).fileName() + "-" +
                                                     QString::number(processes_.size()) + ".log"));
    // A test that dies takes its desktop along.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process->start(command.first(), command.mid(1));
    if (!process->waitForStarted(10000)) {
        fail(command.first() + " did not start");
        return nullptr;
    }
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

bool PrivateSession::setActivationEnvironment(const QMap<QString, QString>& variables) {
    qDBusRegisterMetaType<QMap<QString, QString>>();
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress(), "realdesktop-activation");
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                       "org.freedesktop.DBus", "UpdateActivationEnvironment");
    call.setArguments({QVariant::fromValue(variables)});
    const bool done = bus.call(call).type() == QDBusMessage::ReplyMessage;
    QDBusConnection::disconnectFromBus("realdesktop-activation");
    return done;
}

QString PrivateSession::output() const {
    QString all;
    for (const QFileInfo& log : QDir(runtime_.path()).entryInfoList({"*.log"}, QDir::Files)) {
        QFile file(log.filePath());
        if (file.open(QIODevice::ReadOnly))
            all +=
                log.fileName() + ":\n" + QString::fromLocal8Bit(file.readAll().right(3000)) + '\n';
    }
    return all;
}

void PrivateSession::fail(const QString& reason) {
    if (error_.isEmpty())
        error_ = reason;
}
