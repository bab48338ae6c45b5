#pragma once
#include <QString>

// Opens a file, a web address or a "mailto:" address with the desktop's handler for it. A path
// (absolute or relative) is opened as a file. Returns whether the handler could be started.
bool ShellOpen(const QString& target);
