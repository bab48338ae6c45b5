#pragma once

class QMimeData;

// Puts `data` on the clipboard through Qt, which this process then serves; takes ownership.
// Returns once the display server has the request: true when the clipboard is then ours, false
// when it refused it or there is no clipboard (a plain core application has none). Shared by the
// desktops whose clipboard Qt reaches.
bool SetQtClipboard(QMimeData* data);
