#pragma once
#include <QString>

// Ctrl+Alt+S on GNOME under Wayland, where no program may grab a key and, before the
// global-shortcuts portal, no service binds one for it: a custom keyboard shortcut in GNOME's own
// settings runs "glimmora /toggle" instead.

// True in a GNOME Wayland session where nothing holds the key for us (BoundHotKey) and gsettings
// is at hand.
bool GnomeShortcutOffered();

// The command the shortcut runs: "glimmora /toggle" where the program is on the PATH, else its
// full path.
QString GnomeToggleCommand();

// Adds the shortcut to GNOME's custom keyboard shortcuts (or renews ours); true when GNOME's
// settings hold it afterwards.
bool AddGnomeToggleShortcut();

// Where no service binds the key on GNOME: adds the shortcut the first time, and after that only
// renews it. One that the user removed in GNOME's settings stays removed (Settings offers it
// again). `addedMarker` is the file that remembers the first time. True when GNOME's settings
// hold ours afterwards.
bool KeepGnomeToggleShortcut(const QString& addedMarker);

// The key of our shortcut in GNOME's settings as the user reads it ("Ctrl+Alt+S"), which the user
// may have changed there; empty when GNOME's list does not hold ours.
QString GnomeToggleShortcutKey();
