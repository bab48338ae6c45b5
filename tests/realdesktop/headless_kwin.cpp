#include "realdesktop/headless_kwin.h"

#include "support/wait.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <utility>

namespace {

const char kSocket[] = "wayland-kde";
const char kReportPath[] = "/glimmora/test/report";
const char kReportInterface[] = "org.glimmora.test.Report";

bool Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(data) == data.size() &&
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                               QFile::ReadOther);
}

} // namespace

// Where KWin scripts send their findings: one call per line, kept in arrival order.
class HeadlessKwin::ReportReceiver : public QDBusVirtualObject {
public:
    QStringList lines;
    QString introspect(const QString&) const override { return QString(); }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != QLatin1String("Report"))
            return false;
        lines << message.arguments().value(0).toString();
        // KWin waits for an answer: after 128 unanswered calls the bus refuses its scripts'
        // calls, and the scripts seem to stop answering.
        bus.send(message.createReply());
        return true;
    }
};

namespace {

QByteArray JsString(const QString& text) {
    return QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

// Script lines that put the topmost window of `appId` in `w`, or end the script.
QByteArray FindWindow(const QString& appId) {
    return "var wanted = " + JsString(appId.toLower()) +
           // KWin 6 speaks of windows where 5 spoke of clients.
           ";\nvar list = workspace.windowList ? workspace.windowList() : workspace.clientList();\n"
           "var w = null;\n"
           "for (var i = list.length - 1; i >= 0 && !w; --i)\n"
           "  if (String(list[i].resourceClass).toLowerCase() === wanted) w = list[i];\n"
           "if (!w) return;\n";
}
} // namespace

HeadlessKwin::HeadlessKwin(const Options& options) {
    if (!session_.ok()) {
        error_ = session_.error();
        return;
    }
    const QString kwin = QStandardPaths::findExecutable("kwin_wayland");
    if (kwin.isEmpty()) {
        error_ = "kwin_wayland is not installed";
        return;
    }
    const QString folder = session_.runtimeFolder();
    // The installed KWin carries a file capability that a container may refuse at exec; a plain
    // copy has none.
    if (!QFile::copy(kwin, folder + "/kwin_wayland") ||
        !QFile::copy(GLIMMORA_KWIN_FAKE_INPUT, fakeInputProgram())) {
        error_ = "KWin or the fake-input program could not be copied";
        return;
    }
    // Plasma 6.4 and later ask the user to confirm a program's new global shortcut. (KWin 5
    // tells its version only with a display: it does not count here.)
    QProcess version;
    version.start(folder + "/kwin_wayland", {"--version"});
    version.waitForFinished(10000);
    const QRegularExpressionMatch number =
        QRegularExpression("kwin (\\d+)\\.(\\d+)").match(version.readAllStandardOutput());
    const bool confirmsShortcuts =
        number.hasMatch() &&
        std::pair(number.captured(1).toInt(), number.captured(2).toInt()) >= std::pair(6, 4);
    // KWin offers fake input only to a program whose desktop file asks for it.
    if (!Write(folder + "/data/applications/glimmora-test-input.desktop",
               "[Desktop Entry]\nType=Application\nName=Glimmora test input\nNoDisplay=true\n"
               "Exec=" +
                   fakeInputProgram().toUtf8() +
                   "\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n") ||
        !Write(folder + "/config/kxkbrc", kxkbrc(options.layout)) ||
        // Here the user has confirmed Glimmora's shortcut before. (Elsewhere the entry would
        // only stand in the way: Plasma 5's portal binds nothing, and the entry would take the
        // key from the global accelerators that Glimmora then uses.)
        (confirmsShortcuts && !Write(folder + "/config/kglobalshortcutsrc",
                                     "[com.orvandeck.Glimmora]\n_k_friendly_name=Glimmora\n"
                                     "toggle=Ctrl+Alt+S,Ctrl+Alt+S,Glimmora\n")) ||
        // KWin finds a client's desktop file, and with it the interfaces that it grants (the
        // portal's screen casting among them), through the menu, which Plasma's session names and
        // Debian 13 does not install.
        !Write(folder + "/config/menus/applications.menu",
               "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
               "<Menu><Name>Applications</Name><DefaultAppDirs/><DefaultDirectoryDirs/>"
               "<Include><All/></Include></Menu>\n")) {
        error_ = "no configuration files";
        return;
    }
    // Plasma 6 asks before a program may control the keyboard; from 6.3 the user can allow a
    // program ahead, in the permission store, as done here for Glimmora (and for programs
    // without an app id, as Glimmora is where the portal has no registry).
    if (options.authoriseRemoteDesktop &&
        (!authorise("remote-desktop", QString()) ||
         !authorise("remote-desktop", "com.orvandeck.Glimmora"))) {
        error_ = "the permission store did not take the permission: " + session_.output();
        return;
    }
    socket_ = folder + '/' + kSocket;
    // The portal's KDE back-end, which the bus starts, draws on KWin's display.
    // Plasma's portal opens the shortcut settings page when a program binds a shortcut; without
    // System Settings that page goes to the web browser, whose window would take the keyboard.
    session_.setActivationEnvironment(
        {{"WAYLAND_DISPLAY", kSocket}, {"QT_QPA_PLATFORM", "wayland"}, {"BROWSER", "true"}});
    QProcessEnvironment extra;
    extra.insert("KWIN_SCREENSHOT_NO_PERMISSION_CHECKS", "1");
    if (!session_.start({folder + "/kwin_wayland", "--virtual", "--width",
                         QString::number(kScreenWidth), "--height", QString::number(kScreenHeight),
                         "--no-lockscreen", "--socket", kSocket},
                        extra)) {
        error_ = session_.error();
        return;
    }
    // KWin's global shortcuts are on the bus once KWin is.
    if (!WaitFor([&] { return QFile::exists(socket_) && onBus("org.kde.kglobalaccel"); }, 30000)) {
        error_ = "KWin did not start: " + session_.output();
        return;
    }
    if (options.tray && (!session_.start({GLIMMORA_STATUS_NOTIFIER_WATCHER}) ||
                         !WaitFor([&] { return onBus("org.kde.StatusNotifierWatcher"); }, 10000)))
        error_ = "no notification area: " + session_.output();
}

bool HeadlessKwin::authorise(const QString& permission, const QString& appId, bool allowed) {
    QDBusConnection bus =
        QDBusConnection::connectToBus(session_.busAddress(), "glimmora-kwin-probe");
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.impl.portal.PermissionStore",
                                       "/org/freedesktop/impl/portal/PermissionStore",
                                       "org.freedesktop.impl.portal.PermissionStore",
                                       allowed ? "SetPermission" : "DeletePermission");
    if (allowed)
        call.setArguments({QStringLiteral("kde-authorized"), true, permission, appId,
                           QStringList{QStringLiteral("yes")}});
    else
        call.setArguments({QStringLiteral("kde-authorized"), permission, appId});
    return bus.call(call, QDBus::Block, 20000).type() == QDBusMessage::ReplyMessage;
}

HeadlessKwin::~HeadlessKwin() {
    if (reports_)
        QDBusConnection(QStringLiteral("glimmora-kwin-scripts")).unregisterObject(kReportPath);
    QDBusConnection::disconnectFromBus("glimmora-kwin-probe");
    QDBusConnection::disconnectFromBus("glimmora-kwin-scripts");
}

bool HeadlessKwin::onBus(const QString& service) const {
    QDBusConnection bus =
        QDBusConnection::connectToBus(session_.busAddress(), "glimmora-kwin-probe");
    return bus.interface() && bus.interface()->isServiceRegistered(service).value();
}

QProcessEnvironment HeadlessKwin::clientEnvironment(QProcessEnvironment base) const {
    base = session_.clientEnvironment(base);
    base.insert("WAYLAND_DISPLAY", socket_);
    base.insert("QT_QPA_PLATFORM", "wayland");
    return base;
}

QString HeadlessKwin::fakeInputProgram() const {
    return session_.runtimeFolder() + "/fake_input";
}

QByteArray HeadlessKwin::kxkbrc(const QString& layout) {
    return "[Layout]\nLayoutList=" + layout.toUtf8() + "\nUse=true\nResetOldOptions=true\n";
}

bool HeadlessKwin::setLayout(const QString& layout) {
    if (!Write(session_.runtimeFolder() + "/config/kxkbrc", kxkbrc(layout)))
        return false;
    QDBusConnection bus =
        QDBusConnection::connectToBus(session_.busAddress(), "glimmora-kwin-scripts");
    // KWin 5.27 and 6.3 reload on Plasma's signal; 6.7 follows the file's change notice.
    qDBusRegisterMetaType<QByteArrayList>();
    qDBusRegisterMetaType<QHash<QString, QByteArrayList>>();
    QDBusMessage changed =
        QDBusMessage::createSignal("/kxkbrc", "org.kde.kconfig.notify", "ConfigChanged");
    changed << QVariant::fromValue(
        QHash<QString, QByteArrayList>{{"Layout", {"LayoutList", "Use"}}});
    return bus.send(QDBusMessage::createSignal("/Layouts", "org.kde.keyboard", "reloadConfig")) &&
           bus.send(changed);
}

QStringList HeadlessKwin::runScript(const QByteArray& body) {
    QDBusConnection bus =
        QDBusConnection::connectToBus(session_.busAddress(), "glimmora-kwin-scripts");
    if (!reports_) {
        reports_ = std::make_unique<ReportReceiver>();
        bus.registerVirtualObject(kReportPath, reports_.get());
    }
    ReportReceiver& receiver = *reports_;
    receiver.lines.clear();
    const QString name = "glimmora-test-" + QString::number(++scripts_);
    const QString path = session_.runtimeFolder() + '/' + name + ".js";
    // The script ends by saying so: its lines are then all in.
    const QByteArray script = "function report(line) { callDBus(" + JsString(bus.baseService()) +
                              ", \"" + kReportPath + "\", \"" + kReportInterface +
                              "\", \"Report\", String(line)); }\n(function () {\n" + body +
                              "\n})();\nreport(\"END\");\n";
    if (!Write(path, script))
        return {};
    const auto scripting = [&](const QString& method, const QVariantList& args) {
        QDBusMessage call = QDBusMessage::createMethodCall("org.kde.KWin", "/Scripting",
                                                           "org.kde.kwin.Scripting", method);
        call.setArguments(args);
        return bus.call(call);
    };
    const QDBusReply<int> id = scripting("loadScript", {path, name});
    QStringList lines;
    if (id.isValid() && id.value() >= 0) {
        // Runs every loaded script that is not running yet: no need to know where KWin
        // publishes this one, nor to find another script there.
        scripting("start", {});
        if (WaitFor([&] { return receiver.lines.contains("END"); }, 5000))
            lines = receiver.lines.mid(0, receiver.lines.indexOf("END"));
    }
    scripting("unloadScript", {name});
    QFile::remove(path);
    return lines;
}

bool HeadlessKwin::activate(const QString& appId) {
    return runScript(FindWindow(appId) + "w.minimized = false;\n"
                                         "if (workspace.activeWindow !== undefined) "
                                         "workspace.activeWindow = w;\n"
                                         "else workspace.activeClient = w;\n"
                                         "report(\"done\");") == QStringList{"done"};
}

QStringList HeadlessKwin::windowClasses() {
    return runScript(
        "var list = workspace.windowList ? workspace.windowList() : "
        "workspace.clientList();\n"
        "for (var i = 0; i < list.length; ++i) report(String(list[i].resourceClass));");
}

HeadlessKwin::WindowState HeadlessKwin::windowState(const QString& appId) {
    const QStringList lines = runScript(
        FindWindow(appId) +
        // KWin 5.27 knows no client geometry; the surface is the content, without a frame.
        "var g = w.clientGeometry || w.bufferGeometry;\n"
        "var active = workspace.activeWindow !== undefined ? workspace.activeWindow : "
        "workspace.activeClient;\n"
        "report([w.minimized, active === w, g.x, g.y, g.width, g.height]"
        ".join(\" \"));");
    const QStringList values = lines.value(0).split(' ');
    if (values.size() != 6)
        return {};
    // KWin 6.7 places windows at fractions of a pixel.
    const auto pixels = [&](int i) { return qRound(values[i].toDouble()); };
    return {true, values[0] == "true", values[1] == "true",
            QRect(pixels(2), pixels(3), pixels(4), pixels(5))};
}
