#include "platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

bool SetQtClipboard(QMimeData* data) {
    std::unique_ptr<QMimeData> owned(data);
    if (!owned || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setMimeData(owned.release(), QClipboard::Clipboard);
    return true;
}
