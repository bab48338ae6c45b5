#pragma once
#include <QtGlobal>

// Registers the resource file `name` (src/resources/name.qrc) once, before its first use: it lives
// in the static library and nothing else references it, so the linker would leave it out. Use it
// in a function outside any namespace, as Q_INIT_RESOURCE wants.
#define GLIMMORA_INIT_RESOURCE_ONCE(name)                                                          \
    do {                                                                                           \
        static const bool registered = [] {                                                        \
            Q_INIT_RESOURCE(name);                                                                 \
            return true;                                                                           \
        }();                                                                                       \
        (void)registered;                                                                          \
    } while (false)
