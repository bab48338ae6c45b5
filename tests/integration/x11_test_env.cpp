#include "integration/x11_test_env.h"

#include "platform/x11/x11_windows.h"
#include "support/wait.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <gtest/gtest.h>

int RunTestsOnPrivateXServer(int argc, char** argv, PrivateDesktop::Kind kind) {
    PrivateXServer server(kind);
    if (!server.ok()) {
        fprintf(stderr, "No X server for the tests.\n");
        return 1;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
    return WaitFor(done, ms);
}

bool SetKeyboardLayout(const QString& layout) {
    return QProcess::execute(QStringLiteral("setxkbmap"), {"-layout", layout}) == 0;
}

TargetClient::TargetClient(const QString& windowClass, const QStringList& options)
    : shown_(!options.contains(QStringLiteral("--iconic")) &&
             !options.contains(QStringLiteral("--withdrawn")) &&
             !options.contains(QStringLiteral("--refuse-focus"))) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { Read(); });
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(GLIMMORA_TARGET_CLIENT),
                   QStringList{"--class", windowClass, "--lifetime", "60"} + options);
}

TargetClient::~TargetClient() {
    process_.kill();
    process_.waitForFinished(3000);
    Read(); // a READY line the test did not wait for
    // The X server lets go of the client's window and grabs once it sees the connection close.
    if (window_)
        WaitUntil([this] { return DescribeWindow(window_).frame.isEmpty(); }, 3000);
}

void TargetClient::Read() {
    pending_ += process_.readAllStandardOutput();
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0;) {
        const QString line = QString::fromUtf8(pending_.left(end));
        pending_.remove(0, end + 1);
        if (line.startsWith(QLatin1String("READY ")))
            window_ = line.mid(6).toULongLong(nullptr, 16);
        lines_.append(line);
    }
}

bool TargetClient::started(int ms) {
    if (!WaitUntil([this] { return window_ != 0; }, ms))
        return false;
    // The window manager gives a new window the focus a moment after it appears; a test that
    // starts typing before would race it.
    if (shown_ && DesktopHasWindowManager())
        WaitUntil([this] { return WindowHasInputFocus(window_); }, 3000);
    return true;
}

bool TargetClient::waitForLine(const QString& line, int ms) {
    return WaitUntil([&] { return lines_.contains(line); }, ms);
}

QString TargetClient::lineStartingWith(const QString& prefix) const {
    for (const QString& line : lines_) {
        if (line.startsWith(prefix))
            return line;
    }
    return {};
}

QList<QStringList> TargetClient::keys() const {
    QList<QStringList> result;
    for (const QString& line : lines_) {
        if (line.startsWith(QLatin1String("KEY ")))
            result.append(line.mid(4).split(' '));
    }
    return result;
}

struct ModalDialogCloser::State {
    QTimer timer;
    QStringList texts;
};

ModalDialogCloser::ModalDialogCloser() : state_(std::make_unique<State>()) {
    QObject::connect(&state_->timer, &QTimer::timeout, [state = state_.get()] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            state->texts.append(box->text());
        else
            state->texts.append(modal->windowTitle());
        modal->close();
    });
    state_->timer.start(50);
}

ModalDialogCloser::~ModalDialogCloser() = default;

QStringList ModalDialogCloser::texts() const {
    return state_->texts;
}
