#pragma once
#include "support/desktop.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The test program's own X server, with a window manager and a tray (support/desktop.h), so that
// changing the keyboard layout or the focus cannot disturb other test programs.
using PrivateXServer = PrivateDesktop;

// The main routine of a test program that needs a screen: starts a PrivateXServer of the given
// kind, then a QApplication on it, and runs the tests.
int RunTestsOnPrivateXServer(
    int argc, char** argv, PrivateDesktop::Kind kind = PrivateDesktop::Kind::WindowManagerAndTray);

// Processes events until `done` holds or `ms` pass; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, int ms = 5000);

// Sets the keyboard layout of the X server (setxkbmap); false on failure.
bool SetKeyboardLayout(const QString& layout);

// The recording X client of tests/support (glimmora_target_client), run for one test.
class TargetClient {
public:
    explicit TargetClient(const QString& windowClass, const QStringList& options = {});
    ~TargetClient();
    TargetClient(const TargetClient&) = delete;
    TargetClient& operator=(const TargetClient&) = delete;

    // Waits for the client's window (READY), and for the focus that a window manager gives a new
    // window; false when the window did not come.
    bool started(int ms = 5000);
    quint64 window() const { return window_; }

    QStringList lines() const { return lines_; }
    bool hasLine(const QString& line) const { return lines_.contains(line); }
    bool waitForLine(const QString& line, int ms = 5000);
    // The first line that starts with `prefix`, or an empty text.
    QString lineStartingWith(const QString& prefix) const;

    // KEY lines split into fields: press|release, keysym, state, key name, time.
    QList<QStringList> keys() const;

private:
    void Read();

    QProcess process_;
    QByteArray pending_;
    QStringList lines_;
    quint64 window_ = 0;
    bool shown_ = true; // started neither minimised nor withdrawn, and takes the focus
};

// Closes every modal dialog that opens while it lives and keeps the texts they showed.
class ModalDialogCloser {
public:
    ModalDialogCloser();
    ~ModalDialogCloser();
    QStringList texts() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};
