#pragma once
#include "catalogue/skin_tones.h"
#include "dialogs/settings_store.h"

#include <QByteArray>
#include <QList>
#include <QRect>

// The settings record, filled by LoadSettings from "glimmora.ini" in the user's data folder. This
// module is the only one that reads or writes that file.
struct SettingsRecord {
    int xpos = 10;
    int ypos = 10;
    int width = 750;
    int height = 490;
    QByteArray version = "0";
    bool welcomeScreen = true;
    // The chosen mail-client definition; the settings dialog keeps it in step with its list.
    int chosenMailDef = 0;
    bool hideAfterInsert = false; // hide the main window after each insertion
    int appearance = 0;           // key "Appearance": 0 as the desktop prefers, 1 light, 2 dark
    // Key "SkinTone" (SkinToneKey's words): the tone of hands and people on pages and inserted.
    SkinTone skinTone = SkinTone::None;
    // The numbers of the notices about mail programs that the user has seen (key "NoticesShown",
    // separated by commas): each is shown once per installation.
    QList<int> noticesShown;
};

SettingsRecord& Settings();

QString SettingsFilePath(); // UserDataFolder("Glimmora") + "Glimmora.ini"

void LoadSettings();

// Writes the settings file from the given window bounds and mail-program position; `desktop` is
// the virtual desktop's size (positions beyond it minus 20 are stored as 10).
void SaveSettingsValues(const QRect& windowBounds, const QSize& desktop, int chosenMailDef);

// Takes the bounds from the main window and the chosen definition from the record.
void SaveSettings();

// The record as the settings and welcome windows see it.
SettingsStore& RecordSettingsStore();

// Sets hideAfterInsert and stores it in the settings file at once (key "HideAfterInsert").
void StoreHideAfterInsert(bool on);

// Sets the appearance and stores it in the settings file at once (key "Appearance").
void StoreAppearance(int appearance);
// Sets the skin tone, for the pages too (SetChosenSkinTone), and stores it in the settings file at
// once (key "SkinTone").
void StoreSkinTone(SkinTone tone);

// The stored appearance, read before any window exists; 0 unless it is 0 to 2.
int ReadAppearance();
// Adds `number` to noticesShown and stores the list in the settings file at once.
void StoreNoticeShown(int number);

// The interface language's number (key "language"): read from the user's settings file, else the
// program folder's; 0 unless it is 0 to 100.
int ReadLanguageNumber();
// Stores the number, but only into an existing settings file of the user.
void WriteLanguageNumber(int n);
// From now on every language switch stores its number (once is enough).
void StoreLanguageChoices();
// The language of the interface: the one chosen in this run (kept even where the settings file
// cannot take it), else ReadLanguageNumber().
int InterfaceLanguageNumber();
