#pragma once
#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the program is made here. Its text is plain text whatever it holds (a file
// name with markup shows as written, and no box holds a link); the caption is the program's title
// (text 1). Returns the button chosen.
QMessageBox::StandardButton ShowMessageBox(QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QWidget* parent = nullptr);

// The standard information box: the program's title (text 1) as caption, one OK button.
void ShowInfo(const QString& text, QWidget* parent = nullptr);

// The information box without its modality: it stays open beside the program the user works in,
// which keeps the keyboard focus, until OK or its closing.
void ShowNoticeBeside(const QString& text, QWidget* parent = nullptr);

// The system-style question with Yes and No (caption text 1, question icon). True for Yes.
bool AskSystemYesNo(const QString& text, QWidget* parent = nullptr);

// An error box naming what failed; used where a handler reports an error to the user.
void ShowError(const QString& text, QWidget* parent = nullptr);

// The text `number` of the current language, or of the default language where the current table
// has none (its file may be missing or refused): for the notices about the program's own files.
QString TextOrDefault(int number);

// Tells the user, in one box, about the files refused since the last call (too large to read, or
// a catalogue file nested too deeply); each file once per run. Nothing when there are none.
void ShowRefusedFiles(QWidget* parent = nullptr);
