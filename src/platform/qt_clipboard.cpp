#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

bool SetQtClipboard(QMimeData* data, bool (*roundTrip)()) {
    std::unique_ptr<QMimeData> owned(data);
    if (!owned || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    const QMimeData* ours = owned.get();
    clipboard->setMimeData(owned.release(), QClipboard::Clipboard);
    // On Wayland the request waits in the connection's buffer until the event loop runs; a
    // compositor that sees it only after the focus has moved (the hand-back, KWin's scripting)
    // takes it from a client without focus and cancels it (KWin does). Sent now and answered,
    // the clipboard is ours, or known not to be, before anything moves the focus; a refusal that
    // came in later would leave the paste that follows empty.
    if (!roundTrip || !roundTrip())
        QGuiApplication::sync();
    return clipboard->mimeData(QClipboard::Clipboard) == ours;
}
