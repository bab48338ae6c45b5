#pragma once
#include <QString>

class SettingsStore;

// Operations of the secondary windows and the settings dialog that other windows call.

// Welcome window: shown non-modally, marked as opened from the settings.
void ShowWelcome(bool fromSettings);
// Question dialog: yes/no form, and the form with "send to the task bar" (hides the main window).
bool AskYesNo(const QString& question, bool defaultYes);
bool AskYesNoOrTaskbar(const QString& question, bool defaultYes);
// Query dialog: shows it modally; returns the entry's text when it closes (by button or close box).
QString ShowQuery(const QString& prompt);

// Settings dialog.
void ApplyAutostart();
void ShowReducedSettings();
// Applies the autostart box (when the dialog exists), then writes the settings.
void SaveDialogSettings(SettingsStore& store);
