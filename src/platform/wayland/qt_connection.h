#pragma once

// Waits until the compositor has handled every request sent so far on Qt's own Wayland
// connection, then lets Qt take in the answers. (QGuiApplication::sync() only sends them on
// Qt 6.4.) False outside Wayland or when the connection is broken.
bool RoundTripQtConnection();
