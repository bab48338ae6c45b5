#include "platform/process_info.h"

#include <QFileInfo>
#include <unistd.h>

QString RunningExecutable() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

bool RunningAsRoot() {
    return geteuid() == 0;
}
