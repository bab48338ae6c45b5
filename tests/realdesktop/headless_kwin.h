#pragma once
#include "realdesktop/private_session.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <memory>

// A KDE Plasma compositor of the test's own: kwin_wayland --virtual (one 1280x800 screen) in a
// private session, where the real remote-desktop portal (xdg-desktop-portal with its KDE
// back-end) and KWin's global shortcuts answer. The test's programs reach the compositor through
// the socket's full path and the bus through its address.
class HeadlessKwin {
public:
    struct Options {
        QString layout = QStringLiteral("us"); // the keyboard layout KWin starts with
        bool tray = false; // a notification area (a StatusNotifierWatcher on the bus)
        // Glimmora may control the keyboard without asking (Plasma 6.3+).
        bool authoriseRemoteDesktop = true;
    };
    explicit HeadlessKwin(const Options& options);
    ~HeadlessKwin();
    HeadlessKwin(const HeadlessKwin&) = delete;
    HeadlessKwin& operator=(const HeadlessKwin&) = delete;

    // False when something did not come up; the reason is in `error()`.
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    // `base` with the compositor's socket, the private bus, Qt's Wayland platform and the KDE
    // desktop set; X11 removed.
    QProcessEnvironment clientEnvironment(QProcessEnvironment base) const;

    // What the desktop's programs have written so far, for failure messages.
    QString output() const { return session_.output(); }

    // Plasma's keyboard settings (the file kxkbrc) with `layout` ("ru", or "ru,us") active.
    static QByteArray kxkbrc(const QString& layout);
    // Switches the keyboard layout as Plasma's settings do: kxkbrc, then KWin's reload.
    bool setLayout(const QString& layout);
    // Unminimises and activates the topmost window of `appId`, as a click on its task bar entry
    // does. False when KWin has no such window.
    bool activate(const QString& appId);
    // The topmost window of `appId` as KWin has it: whether there is one, whether it is
    // minimised and active, and where its content is on the screen.
    struct WindowState {
        bool exists = false, minimised = false, active = false;
        QRect content;
    };
    WindowState windowState(const QString& appId);
    // The app ids (resource classes) of KWin's windows, bottom to top.
    QStringList windowClasses();

    // Lets `appId` ("" for programs without one) have `permission` ("remote-desktop") without
    // asking, as a user does ahead in Plasma's settings; or, not `allowed`, takes that back.
    bool authorise(const QString& permission, const QString& appId, bool allowed = true);

    // The program that sends KWin's fake input (see kwin_fake_input.cpp), to be run with
    // clientEnvironment(); KWin lets it alone do so.
    QString fakeInputProgram() const;

    static constexpr int kScreenWidth = 1280, kScreenHeight = 800;

private:
    // Runs `body` (JavaScript, a function body) in KWin; what it passed to report() is the result.
    QStringList runScript(const QByteArray& body);
    bool onBus(const QString& service) const;

    PrivateSession session_{QStringLiteral("KDE")};
    class ReportReceiver;
    std::unique_ptr<ReportReceiver> reports_;
    QString socket_;
    QString error_;
    int scripts_ = 0;
};
