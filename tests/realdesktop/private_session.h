#pragma once
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <memory>
#include <vector>

// What a real desktop's compositor and portals need around them on a test machine: a runtime
// folder of their own (mode 0700, also their home), a session bus of their own on which the
// portals start by D-Bus activation, and PipeWire with WirePlumber on that bus. The test program
// runs as the same user as its desktop, an unprivileged one (see BecomeSessionUser). Everything
// it starts ends with it, or with the test program when that dies.
class PrivateSession {
public:
    // A test program that runs as root calls this first thing, before any thread starts: it then
    // goes on as the unprivileged user "glimmora-wl" (created when missing). Session programs
    // refuse root or act differently under it, and the portals serve only callers whose process
    // they may look into, so the test and its desktop are one user. False, with the reason in
    // `error`, when that failed.
    static bool BecomeSessionUser(QString* error);

    // `desktop`: XDG_CURRENT_DESKTOP of every program of the session ("GNOME", "KDE"), which
    // chooses the portals' back-end.
    explicit PrivateSession(const QString& desktop);
    ~PrivateSession();
    PrivateSession(const PrivateSession&) = delete;
    PrivateSession& operator=(const PrivateSession&) = delete;

    // False when something did not come up; the reason is in error().
    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    QString runtimeFolder() const { return runtime_.path(); }
    QString busAddress() const;

    // Starts `command` with the session's environment plus `extra`; the process is the session's
    // until it ends. Null when it could not start (see error()).
    QProcess* start(const QStringList& command, const QProcessEnvironment& extra = {});
    // The environment of the session's programs.
    QProcessEnvironment environment() const;
    // `base` for a program of the test's own that talks to the session: its bus and desktop.
    QProcessEnvironment clientEnvironment(QProcessEnvironment base) const;
    // Sets variables for the services that the bus starts from now on (the compositor's display).
    bool setActivationEnvironment(const QMap<QString, QString>& variables);
    // What the session's programs have written so far, for failure messages.
    QString output() const;

private:
    void fail(const QString& reason);

    QTemporaryDir runtime_;
    QString desktop_;
    QString error_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};
