#pragma once

class QMimeData;

// Puts `data` on the clipboard through Qt, which this process then serves; takes ownership.
// Returns once the display server has answered the request (`roundTrip` waits for that where
// QGuiApplication::sync() does not): true when the clipboard is then ours, false when it refused
// it or there is no clipboard (a plain core application has none). Shared by the desktops whose
// clipboard Qt reaches.
bool SetQtClipboard(QMimeData* data, bool (*roundTrip)() = nullptr);
