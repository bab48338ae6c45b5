#include "platform/hotkey_binding.h"

namespace {
QString g_trigger;
}

void NoteHotKeyBound(const QString& trigger) {
    g_trigger = trigger;
}

QString BoundHotKey() {
    return g_trigger;
}
