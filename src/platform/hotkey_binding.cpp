#include "platform/hotkey_binding.h"

namespace {
QString g_trigger;
std::function<QString()> g_follow;
} // namespace

void NoteHotKeyBound(const QString& trigger, std::function<QString()> follow) {
    g_trigger = trigger;
    g_follow = std::move(follow);
}

QString BoundHotKey() {
    if (g_follow)
        g_trigger = g_follow();
    return g_trigger;
}
