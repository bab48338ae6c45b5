#include "platform/process_memory.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <malloc.h>

qint64 ProcessMemoryKb(qint64 pid) {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (pid <= 0 || !rollup.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void ReturnFreedMemoryToSystem() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
