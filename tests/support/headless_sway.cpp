#include "support/headless_sway.h"

#include "support/wait.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const char kUser[] = "glimmora-wl";

bool Run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

HeadlessSway::HeadlessSway(const QString& layout) : root_(::geteuid() == 0) {
    if (QStandardPaths::findExecutable("sway").isEmpty()) {
        error_ = "sway is not installed";
        return;
    }
    const QString folder = runtime_.path();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (root_) {
        if (!Run("id", {kUser}) && !Run("useradd", {"--system", "--no-create-home", kUser})) {
            error_ = "no unprivileged user for sway";
            return;
        }
        if (!Run("chown", {kUser, folder})) {
            error_ = "runtime folder not handed to the user";
            return;
        }
    }
    QFile config(folder + "/sway.conf");
    if (!config.open(QIODevice::WriteOnly) ||
        config.write("output HEADLESS-1 resolution " + QByteArray::number(kOutputWidth) + "x" +
                     QByteArray::number(kOutputHeight) +
                     "\n"
                     "for_window [app_id=\"glimmora\"] floating enable\n"
                     "input type:keyboard xkb_layout " +
                     layout.toUtf8() + "\n") < 0) {
        error_ = "no configuration file";
        return;
    }
    config.close();
    config.setPermissions(QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup);

    QProcessEnvironment env;
    env.insert("PATH", qEnvironmentVariable("PATH", "/usr/bin:/bin"));
    env.insert("HOME", folder);
    env.insert("XDG_RUNTIME_DIR", folder);
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman");
    sway_.setProcessEnvironment(env);
    sway_.setProcessChannelMode(QProcess::MergedChannels);
    // A test that dies (a crash, its time-out) takes its compositor with it.
    sway_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    const QStringList command = asUser({"sway", "-c", folder + "/sway.conf"});
    sway_.start(command.first(), command.mid(1));
    // Sway names its socket itself; the folder is ours, so the one socket there is it.
    const auto socket = [&folder] {
        const QStringList found =
            QDir(folder).entryList({"wayland-*"}, QDir::System | QDir::Files).filter(".lock");
        return found.isEmpty() ? QString() : folder + '/' + found.first().chopped(5);
    };
    if (!WaitFor([&] { return !socket().isEmpty() && !query("get_outputs").isEmpty(); }, 15000)) {
        error_ = "sway did not start: " + QString::fromLocal8Bit(sway_.readAll().right(2000));
        return;
    }
    socket_ = socket();
}

HeadlessSway::~HeadlessSway() {
    if (sway_.state() != QProcess::NotRunning) {
        sway_.terminate();
        if (!sway_.waitForFinished(5000))
            sway_.kill();
        sway_.waitForFinished(2000);
    }
}

QStringList HeadlessSway::asUser(const QStringList& command) const {
    return root_ ? QStringList{"runuser", "-u", kUser, "--"} + command : command;
}

QProcessEnvironment HeadlessSway::clientEnvironment(QProcessEnvironment base) const {
    base.remove("DISPLAY");
    base.insert("WAYLAND_DISPLAY", socket_);
    base.insert("QT_QPA_PLATFORM", "wayland");
    return base;
}

QByteArray HeadlessSway::query(const QString& type) const {
    return swaymsg({"-r", "-t", type});
}

bool HeadlessSway::command(const QString& command) const {
    const QJsonArray results = QJsonDocument::fromJson(swaymsg({"-r", command})).array();
    return !results.isEmpty() &&
           std::all_of(results.begin(), results.end(),
                       [](const QJsonValue& r) { return r["success"].toBool(); });
}

QRect HeadlessSway::contentRect(const QString& appId) const {
    // The tree's containers hold tiled windows in "nodes", floating ones in "floating_nodes".
    const std::function<QRect(const QJsonObject&)> find = [&](const QJsonObject& node) {
        if (node["app_id"].toString() == appId) {
            const QJsonObject outer = node["rect"].toObject(),
                              inner = node["window_rect"].toObject();
            return QRect(outer["x"].toInt() + inner["x"].toInt(),
                         outer["y"].toInt() + inner["y"].toInt(), inner["width"].toInt(),
                         inner["height"].toInt());
        }
        for (const char* children : {"nodes", "floating_nodes"}) {
            for (const QJsonValue& child : node[children].toArray()) {
                const QRect found = find(child.toObject());
                if (!found.isNull())
                    return found;
            }
        }
        return QRect();
    };
    return find(QJsonDocument::fromJson(query("get_tree")).object());
}

QByteArray HeadlessSway::swaymsg(const QStringList& arguments) const {
    const QStringList sockets =
        QDir(runtime_.path()).entryList({"sway-ipc.*.sock"}, QDir::System | QDir::Files);
    if (sockets.isEmpty())
        return QByteArray();
    QProcess p;
    p.start("swaymsg", QStringList{"-s", runtime_.path() + '/' + sockets.first()} + arguments);
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}
