#pragma once
#include <QDBusConnection>

// Whether the keyboard layout that KDE Plasma has active types Latin letters; true where that is
// not known. Plasma's portal types a keysym only where the active layout has it, so a Cyrillic
// layout loses the letters of every shortcut sent by keysym.
bool KdeLayoutTypesLatin(QDBusConnection bus);
