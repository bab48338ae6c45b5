#include "integration/isolated_text.h"

QString Isolated(const QString& text) {
    if (text.isEmpty())
        return text;
    // First strong isolate: the text takes the direction of its own first letter, as it would
    // standing alone; the closing mark also ends every embedding or override left open inside.
    return QChar(0x2068) + text + QChar(0x2069);
}
