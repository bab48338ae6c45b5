#pragma once
#include <QString>

class Desktop;

// Puts the picture at `url` (a local file path, or a file:// address) into the chosen mail
// program: picture onto the clipboard, target window forward, the definition's keys typed.
// Returns when the last key is sent. A click that arrives while an insertion runs is ignored.
void InsertPicture(Desktop& desktop, const QString& url);

// True while an insertion is running.
bool InsertionRunning();
