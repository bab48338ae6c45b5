#include "platform/process_memory.h"

#include <malloc.h>

void ReturnFreedMemoryToSystem() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
