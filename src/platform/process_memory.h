#pragma once
#include <QtGlobal>

// Memory of this program's processes, as the system counts it.

// The proportional set size of a process in kB (its private memory and its share of what it
// shares with others); -1 when it cannot be read.
qint64 ProcessMemoryKb(qint64 pid);

// Gives the memory that the C library keeps after it was freed back to the system. A browser
// engine that drew a large page leaves hundreds of MB free but held in its heap.
void ReturnFreedMemoryToSystem();
