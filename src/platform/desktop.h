#pragma once
#include <QByteArray>
#include <QList>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <memory>

class KeySink;
class QMimeData;

// A system-wide hot key (Ctrl+Alt+S). Emits `activated` at each press; released on destruction.
class DesktopHotKey : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False when the desktop refused the key (another program holds it, no service offers it).
    virtual bool registered() const = 0;

signals:
    void activated();
};

// What the program needs of the desktop it runs on: other programs' top-level windows, keys
// typed into the focused one, the clipboard and the hot key. One implementation per kind of
// desktop (X11, wlroots compositors, the portals of GNOME and KDE Plasma) and a recording one
// for tests; the insertion and the main window see only this interface.
class Desktop {
public:
    // A top-level window of another program, as the implementation names it; 0 is "none".
    using Window = quint64;

    virtual ~Desktop() = default;

    // Short name for messages and the settings dialog: "x11", "wlroots", "portal", "test".
    virtual QString name() const = 0;

    // Whether this desktop lets a program see and raise other programs' windows. The portals of
    // GNOME and KDE Plasma do not: there every name below stands for "the window that gets the
    // focus when this program lets it go", isMinimised is false, restore and bringToFront hand
    // the focus back (our windows step aside), and hasInputFocus is true once ours lost it.
    virtual bool raisesWindows() const { return true; }

    // True where windows are known by their Wayland app ids (a definition's "appid"), false where
    // by their X11 window classes (its "windowclass").
    virtual bool namesWindowsByAppId() const { return false; }
    // The topmost top-level window whose class (X11 WM_CLASS class or instance name; on Wayland
    // the app id) equals `name` without regard to case; 0 when there is none.
    virtual Window findWindowByClass(const QByteArray& name) = 0;
    virtual bool isMinimised(Window window) = 0;
    // Shows a minimised window again and activates it.
    virtual void restore(Window window) = 0;
    // Raises the window and asks for it to be activated.
    virtual void bringToFront(Window window) = 0;
    // True when the keyboard focus is on the window (or inside it).
    virtual bool hasInputFocus(Window window) = 0;
    // The shown top-level windows of the program that owns `window`, itself among them (its
    // dialogs are the others); empty where the desktop cannot tell, so that a dialog the program
    // opens is never seen there.
    virtual QList<Window> programWindows(Window) { return {}; }

    // Whether this desktop lets the program type now; where the desktop asks the user for that
    // permission, why it does not.
    enum class Typing {
        Allowed,
        Asking,   // the desktop has not answered yet (its dialog may be open)
        Renewing, // a permission kept from an earlier run is being renewed: the desktop asks only
                  // where it no longer holds it
        Refused,  // the user or the desktop said no
        Withdrawn // allowed, then ended by the desktop or the user
    };
    virtual Typing typing() const { return Typing::Allowed; }

    // Types into the focused window; null when this desktop cannot synthesise keys.
    virtual std::unique_ptr<KeySink> createKeySink() = 0;

    // Puts `data` on the clipboard, which this process then serves; takes ownership. False when
    // there is no clipboard to put it on.
    virtual bool setClipboard(QMimeData* data) = 0;

    // Grabs the global hot key; the result reports whether that worked.
    virtual std::unique_ptr<DesktopHotKey> grabHotKey(QObject* parent = nullptr) = 0;

    // The program's own top-level windows, as the window manager really has them (Qt's idea can
    // lag behind), in Qt's device-independent pixels like every geometry in the program. Where a
    // desktop places windows itself these know nothing and do nothing.
    // The outer rectangle, frame included, and the window's own rectangle; empty when unknown.
    virtual QRect frameGeometry(Window) { return {}; }
    virtual QRect windowGeometry(Window) { return {}; }
    // The frame that will surround a window not shown yet; null margins when unknown.
    virtual QMargins expectedFrameMargins(Window) { return {}; }
    // Asks for the frame's top left corner at `frameTopLeft` and the window `size` large.
    virtual void requestBounds(Window, const QPoint& /*frameTopLeft*/, const QSize& /*size*/) {}
    // Asks for the window to be minimised.
    virtual void minimise(Window) {}
};
