#pragma once
#include <QDBusConnection>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QStringList>
#include <QThread>
#include <QThreadPool>

// A recording stand-in for the desktop portal (remote desktop and global shortcuts) on a private
// session bus that it starts. It answers from a thread of its own, so the code under test may
// call it synchronously, and grants every request at once. Keys are handled as the real portal
// handles them, each on a thread of its own after a short random delay, so keys sent without
// waiting for the answers arrive out of order. Calls are recorded as
// "CreateSession RemoteDesktop", "SelectDevices types=1 persist_mode=2 restore_token=token-1",
// "Start", "key <keysym> <state>" ("refused key …" when answered with an error), "CreateSession
// GlobalShortcuts", "BindShortcuts toggle CTRL+ALT+s", "ListShortcuts", "Close". It also stands in
// for KWin's scripting: "loadScript <file>", "run <object>", "unloadScript /Scripting", and for
// KDE's global accelerators: "doRegister <action>", "setShortcut <flags>".
class PortalStandIn : public QThread {
public:
    PortalStandIn();
    ~PortalStandIn() override;

    // False when no bus could be started; error() says why.
    bool ok() const { return ok_; }
    QString error() const { return error_; }
    // A connection of the code under test to the private bus, and the bus's address.
    QDBusConnection clientBus() const;
    QString address() const { return address_; }

    QStringList calls() const;
    QStringList callsStartingWith(const QString& prefix) const;
    void record(const QString& call);
    // The restore token the next Start hands out: "token-<n>".
    QString nextToken();
    // Emits the global-shortcuts Activated signal for shortcut `id` in the last session.
    void activate(const QString& id);
    // Emits ShortcutsChanged for the last session: the user gave shortcut `id` another key.
    void changeTrigger(const QString& id, const QString& trigger);
    // The shortcuts that the desktop keeps from earlier BindShortcuts (id, key), which
    // ListShortcuts answers with.
    void keep(const QString& id, const QString& trigger);
    QMap<QString, QString> kept() const;
    // Takes KDE's global accelerators off the bus, as on GNOME.
    void dropKdeAccelerators();
    void setShortcutSession(const QString& session);
    void setRemoteSession(const QString& session);
    // Ends the last remote-desktop session, as when the user withdraws the permission; keys sent
    // after it are refused.
    void closeRemoteSession();
    // How BindShortcuts answers from now on: its code, and whether it lists the shortcuts bound
    // (Plasma 5.27's portal answers 0 with an empty list, GNOME 48's 2 with the shortcuts).
    struct BindAnswer {
        uint code = 0;
        bool listsShortcuts = true;
    };
    void answerBindWith(BindAnswer answer);
    BindAnswer bindAnswer() const;
    // Emits KDE's global-accelerator signal for `action` of the component "glimmora".
    void pressKdeShortcut(const QString& action);
    // Emits KDE's notice that the user gave `action` of "glimmora" the key `key` (Qt's code).
    void changeKdeShortcut(const QString& action, int key);
    // The answer to Start from now on: 0 granted, 1 cancelled by the user, 2 refused.
    void answerStartWith(uint answer);
    uint startAnswer() const;
    // Refuses the key call with this number (1 is the first key of the run).
    void refuseKey(int call);
    void notifyKey(const QString& key, const QDBusMessage& message, QDBusConnection bus);

protected:
    void run() override;

private:
    QProcess daemon_;
    QString address_;
    bool ok_ = false;
    QString error_;
    mutable QMutex mutex_;
    QStringList calls_;
    QString shortcutSession_;
    QString remoteSession_;
    int tokens_ = 0;
    int keyCalls_ = 0;
    int refusedKey_ = 0;
    uint startAnswer_ = 0;
    BindAnswer bindAnswer_;
    QMap<QString, QString> kept_;
    QThreadPool keyThreads_;
};
