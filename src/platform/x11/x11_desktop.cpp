#include "platform/x11/x11_desktop.h"

#include "platform/native_scale.h"
#include "platform/qt_clipboard.h"
#include "platform/x11/global_hotkey.h"
#include "platform/x11/x11_windows.h"

QString X11Desktop::name() const {
    return QStringLiteral("x11");
}

Desktop::Window X11Desktop::findWindowByClass(const QByteArray& name) {
    return FindTopLevelWindowByClass(name);
}

bool X11Desktop::isMinimised(Window window) {
    return IsWindowIconic(window);
}

void X11Desktop::restore(Window window) {
    RestoreTopLevelWindow(window);
}

void X11Desktop::bringToFront(Window window) {
    BringTopLevelWindowToTop(window);
}

bool X11Desktop::hasInputFocus(Window window) {
    return WindowHasInputFocus(window);
}

QList<Desktop::Window> X11Desktop::programWindows(Window window) {
    return WindowsOfSameProgram(window);
}

std::unique_ptr<KeySink> X11Desktop::createKeySink() {
    return CreateX11KeySink();
}

bool X11Desktop::setClipboard(QMimeData* data) {
    return SetQtClipboard(data);
}

std::unique_ptr<DesktopHotKey> X11Desktop::grabHotKey(QObject* parent) {
    return std::make_unique<GlobalHotKey>(parent);
}

// The X server counts in its own pixels; the program in Qt's.
QRect X11Desktop::frameGeometry(Window window) {
    return NativeScale::Of(window).toLogical(TopLevelFrameGeometry(window));
}

QRect X11Desktop::windowGeometry(Window window) {
    return NativeScale::Of(window).toLogical(WindowGeometryOnScreen(window));
}

QMargins X11Desktop::expectedFrameMargins(Window window) {
    return NativeScale::Of(window).toLogical(ExpectedFrameMargins(window));
}

void X11Desktop::requestBounds(Window window, const QPoint& frameTopLeft, const QSize& size) {
    const NativeScale scale = NativeScale::Of(window);
    RequestTopLevelBounds(window, scale.toNative(frameTopLeft), scale.toNative(size));
}

void X11Desktop::minimise(Window window) {
    MinimiseTopLevelWindow(window);
}
