#include "platform/shell_open.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

namespace {

QUrl TargetUrl(const QString& target) {
    const QUrl url(target, QUrl::TolerantMode);
    // A single letter before ':' is no scheme worth handing on; treat such text as a path too.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

} // namespace

bool ShellOpen(const QString& target) {
    if (target.trimmed().isEmpty())
        return false;
    const QUrl url = TargetUrl(target);
    // The desktop services need a GUI application; without one hand the address to xdg-open.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QDesktopServices::openUrl(url);
    return QProcess::startDetached(QStringLiteral("xdg-open"),
                                   {url.isLocalFile() ? url.toLocalFile() : url.toString()});
}
