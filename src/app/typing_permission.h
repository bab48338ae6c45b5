#pragma once

// Where the desktop asks the user whether Glimmora may type (the remote-desktop dialog of GNOME's
// and KDE's portals), the start-up lets that question come first: a window says in one line what
// it is for, and the program's own windows, which would come up over the dialog, wait for the
// answer. Returns at once where the desktop does not ask, and when the user closes that window.
void WaitForTypingPermission();
