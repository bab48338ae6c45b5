#pragma once
#include "platform/desktop.h"
#include "platform/key_synth.h"

#include <memory>

// The X11 desktop: windows through Xlib and the window manager's conventions (EWMH, ICCCM), keys
// through XTest, the clipboard through Qt, the hot key as a passive grab on the root window.
class X11Desktop : public Desktop {
public:
    QString name() const override;
    Window findWindowByClass(const QByteArray& name) override;
    bool isMinimised(Window window) override;
    void restore(Window window) override;
    void bringToFront(Window window) override;
    bool hasInputFocus(Window window) override;
    QList<Window> programWindows(Window window) override;
    std::unique_ptr<KeySink> createKeySink() override;
    bool setClipboard(QMimeData* data) override;
    std::unique_ptr<DesktopHotKey> grabHotKey(QObject* parent = nullptr) override;
    QRect frameGeometry(Window window) override;
    QRect windowGeometry(Window window) override;
    QMargins expectedFrameMargins(Window window) override;
    void requestBounds(Window window, const QPoint& frameTopLeft, const QSize& size) override;
    void minimise(Window window) override;
};

// The X server's keyboard through XTest; null when no X display can be opened or the server
// lacks the XTEST or XKB extension.
std::unique_ptr<KeySink> CreateX11KeySink();
