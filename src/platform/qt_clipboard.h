#pragma once

class QMimeData;

// Puts `data` on the clipboard through Qt, which this process then serves; takes ownership. False
// when there is no clipboard: a plain core application has none. Shared by the desktops whose
// clipboard Qt reaches.
bool SetQtClipboard(QMimeData* data);
