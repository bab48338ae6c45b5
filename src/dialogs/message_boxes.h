#pragma once
#include <QString>

class QWidget;

// The standard information box: the program's title (text 1) as caption, one OK button.
void ShowInfo(const QString& text, QWidget* parent = nullptr);

// The system-style question with Yes and No (caption text 1, question icon). True for Yes.
bool AskSystemYesNo(const QString& text, QWidget* parent = nullptr);

// An error box naming what failed; used where a handler reports an error to the user.
void ShowError(const QString& text, QWidget* parent = nullptr);
