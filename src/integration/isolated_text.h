#pragma once
#include <QString>

// A text from a file or from the user (a name, a path, a typed text) set among other text, in a
// directional isolate (U+2068 ... U+2069): whatever directional marks it holds (an override such
// as U+202E) act inside it only, and the text around it keeps its order.
QString Isolated(const QString& text);
