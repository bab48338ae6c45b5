#pragma once
#include <QtGlobal>
#include <optional>

// The key (a Linux input code) that types `keysym` in another layout of the user's keymap, where
// the layout in use has no key for it: a Latin letter while a Russian layout is in use (GNOME
// keeps a Latin layout beside a non-Latin one). Mutter types a keysym only through the layout in
// use and drops the others, so such keys go by their place instead, as a hand would press them.
// Nothing where the layout in use has the keysym, where no layout has it, and outside Wayland.
// The keymap and the layout in use are those the compositor gives this program's own keyboard.
std::optional<quint32> KeyFromOtherLayout(quint32 keysym);
