#pragma once

// What the settings and welcome windows read and change of the program's settings. The owner of
// the settings file implements it; the start-up code hands it to the windows.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Position of the chosen mail-client definition in the sorted list; -1 for none.
    virtual int chosenMailDef() const = 0;
    virtual void setChosenMailDef(int position) = 0;
    virtual bool hideAfterInsert() const = 0;
    // Also written to the settings file at once.
    virtual void storeHideAfterInsert(bool on) = 0;
    virtual void setWelcomeScreen(bool on) = 0;
    // The setting "Appearance" (0 as the desktop prefers, 1 light, 2 dark); also written to the
    // settings file at once. The windows take it at the next start.
    virtual int appearance() const = 0;
    virtual void storeAppearance(int appearance) = 0;
    // The skin tone of pictures (0 none, 1 light … 5 dark); storing it also writes it to the
    // settings file and shows the page in it at once.
    virtual int skinTone() const = 0;
    virtual void storeSkinTone(int tone) = 0;
    // Writes the settings file.
    virtual void save() = 0;
};
