#pragma once
#include "platform/desktop.h"

#include <memory>

// The desktop of a wlroots compositor (sway, labwc, Hyprland …), on a Wayland connection of its
// own: windows through foreign-toplevel-management, keys through a virtual keyboard whose keymap
// is ours (so the user's layout does not matter), the clipboard through Qt. Null when there is no
// Wayland display or the compositor lacks one of these protocols.
std::unique_ptr<Desktop> CreateWlrootsDesktop();
