#pragma once
#include "realdesktop/private_session.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QPoint>
#include <QProcessEnvironment>
#include <QString>
#include <memory>
#include <optional>

class QProcess;

// GNOME headless on a PrivateSession: its shell where installed (else its bare compositor, mutter)
// with one virtual monitor and no X11, the GNOME portals started on demand on the session's bus.
// Under the shell the layouts come into force with useLayouts(), us until then: GNOME's dialogs
// take their Alt shortcuts only from a Latin layout.
// Its keyboard layout is the one that the system's locale service names (mutter reads it once, as
// it starts); here a stand-in answers for that service, with `layouts` in GNOME's form: the chosen
// layout first, "us" after a non-Latin one. The test's own pointer and keyboard are a
// remote-desktop session of mutter's own interface.
class HeadlessMutter {
public:
    explicit HeadlessMutter(const QString& layouts = QStringLiteral("us"));
    ~HeadlessMutter();
    HeadlessMutter(const HeadlessMutter&) = delete;
    HeadlessMutter& operator=(const HeadlessMutter&) = delete;

    bool ok() const { return error_.isEmpty() && session_.ok(); }
    QString error() const { return error_.isEmpty() ? session_.error() : error_; }
    PrivateSession& session() { return session_; }
    // True when GNOME's shell runs (not bare mutter).
    bool shell() const { return shell_; }

    // `base` with the compositor's socket, Qt's Wayland platform and the session's bus.
    QProcessEnvironment clientEnvironment(QProcessEnvironment base) const;

    // The pointer: moved to a point of the monitor, and a left click where it is.
    bool movePointer(const QPoint& point);
    bool click();
    // Presses and releases each key in turn (X keysyms), as a user at the keyboard would.
    bool typeKeys(const QList<quint32>& keysyms);
    // Puts the layouts in force where the shell keeps them in its settings (under bare mutter
    // they are from the start); false when that failed.
    bool useLayouts();
    // Closes the shell's overview where it is open (its start opens it, so may a stray key);
    // false when it stays open.
    bool leaveOverview();
    // Presses the keys in order and lets them go in reverse: a shortcut such as Ctrl+Alt+S.
    bool chord(const QList<quint32>& keysyms);
    // The same by the keys' places (Linux input codes), as a hand presses Alt+S whatever the
    // layout.
    bool chordKeycodes(const QList<int>& evdevCodes);
    // Presses and releases the key at a place of the keyboard (a Linux input code), whatever the
    // layout makes of it.
    bool typeKeycode(int evdevCode);

    static constexpr int kWidth = 1280, kHeight = 800;

private:
    bool sessionCall(const QString& method, const QVariantList& arguments);
    // Runs gsettings in the session; true when it did what it was told.
    bool Gsettings(const QStringList& arguments);
    bool setInputSources(const QString& layouts);
    QDBusMessage overviewProperty(const QString& method, const QVariantList& value);
    std::optional<bool> overviewActive(); // nothing when the shell does not answer

    PrivateSession session_{QStringLiteral("GNOME")};
    QDBusConnection bus_{QString()};
    QProcess* mutter_ = nullptr;
    bool shell_ = false;
    QString layouts_;
    QString socket_;
    QString remote_; // the remote-desktop session's object path
    QString error_;
};
