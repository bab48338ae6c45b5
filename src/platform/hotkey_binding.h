#pragma once
#include <QString>

#include <functional>

// Which key shows and hides Glimmora in this run, as the desktop that holds it names it: our
// Ctrl+Alt+S, or what the user chose instead in the desktop's own settings. Settings shows it.

// Records the key that a desktop service or grab now holds for us; empty when it holds none.
// `follow`, where given, reads it anew at each BoundHotKey(), for a desktop that tells no one when
// the user changes it.
void NoteHotKeyBound(const QString& trigger, std::function<QString()> follow = {});

// The key held for us; empty while none is.
QString BoundHotKey();
