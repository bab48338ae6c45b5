#include "platform/program_folder.h"

#include <QCoreApplication>

namespace {
QString& OverrideFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder() {
    if (!OverrideFolder().isEmpty())
        return OverrideFolder();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath() + "/";
    return QString();
}

void SetProgramFolder(const QString& folder) {
    QString f = folder;
    if (!f.isEmpty() && !f.endsWith('/'))
        f += '/';
    OverrideFolder() = f;
}
