#pragma once
#include <QtGlobal>

// Gives the memory that the C library keeps after it was freed back to the system. A browser
// engine that drew a large page leaves hundreds of MB free but held in its heap.
void ReturnFreedMemoryToSystem();
