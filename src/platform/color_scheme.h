#pragma once
#include <optional>

// Whether the desktop prefers dark windows: the settings portal's appearance preference
// (org.freedesktop.appearance color-scheme), else the GTK or KDE theme that the user chose (the
// GTK_THEME variable, GTK 3's settings file, KDE's colour scheme). Nothing when the desktop states
// no preference; the caller may then look at the palette that Qt was given.
std::optional<bool> DesktopPrefersDark();
