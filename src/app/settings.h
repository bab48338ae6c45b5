#pragma once
#include <QByteArray>
#include <QRect>

// The settings record, filled by LoadSettings from "glimmora.ini" in the user's data folder.
struct SettingsRecord {
    int xpos = 10;
    int ypos = 10;
    int width = 750;
    int height = 490;
    QByteArray version = "0";
    bool welcomeScreen = true;
    int chosenMailDef = 0;
    bool hideAfterInsert = false; // hide the main window after each insertion
};

SettingsRecord& Settings();

QString SettingsFilePath(); // UserDataFolder("Glimmora") + "Glimmora.ini"

void LoadSettings();

// Writes the settings file from the given window bounds and mail-program position; `desktop` is
// the virtual desktop's size (positions beyond it minus 20 are stored as 10).
void SaveSettingsValues(const QRect& windowBounds, const QSize& desktop, int chosenMailDef);

// Takes the bounds from the main window and the position from the settings dialog.
void SaveSettings();

// Sets hideAfterInsert and stores it in the settings file at once (key "HideAfterInsert").
void StoreHideAfterInsert(bool on);
