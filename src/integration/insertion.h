#pragma once
#include <QString>
#include <functional>

class Desktop;

// Shows the user why an insertion stopped; the windows pass their error box.
using InsertionReport = std::function<void(const QString& message)>;

// Puts the picture at `url` (a local file path, or a file:// address) into the chosen mail
// program: picture onto the clipboard, target window forward, the definition's keys typed.
// Returns when the last key is sent. A click that arrives while an insertion runs is ignored.
void InsertPicture(Desktop& desktop, const QString& url, const InsertionReport& report);

// True while an insertion is running.
bool InsertionRunning();

// Shows a definition's notice (text `number`: what to switch in the mail program) after an
// insertion; the main window installs it. Without one, the insertion's report shows the notice,
// once per run.
using InsertionNotice = std::function<void(int number, const QString& text)>;
void SetInsertionNotice(InsertionNotice notice);
