#pragma once
#include <QString>

// Ctrl+Alt+S on GNOME under Wayland, where no program may grab a key and, before the
// global-shortcuts portal, no service binds one for it: a custom keyboard shortcut in GNOME's own
// settings runs "glimmora /toggle" instead.

// Records that a global-shortcut service holds Ctrl+Alt+S in this run.
void NoteGlobalShortcutBound();

// True in a GNOME Wayland session where no service holds the key and gsettings is at hand.
bool GnomeShortcutOffered();

// The command the shortcut runs: "glimmora /toggle" where the program is on the PATH, else its
// full path.
QString GnomeToggleCommand();

// Adds the shortcut to GNOME's custom keyboard shortcuts (or renews ours); true when GNOME's
// settings hold it afterwards.
bool AddGnomeToggleShortcut();
