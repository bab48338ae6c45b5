#pragma once
#include "dialogs/settings_store.h"
#include "integration/definition_update.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The text that says how insertion works on the desktop named `desktopName` (Desktop::name());
// 0 for a desktop without one.
int InsertionWayText(const QString& desktopName);

// The settings dialog: the mail-program list (whose selection is the chosen mail-client
// definition), the definition update, autostart, the interface language and the welcome window.
// One instance lives for the whole run and is only shown and hidden. It keeps the settings in
// `store`; a language picked from its list and its welcome button are announced, and the start-up
// code connects them.
class TSettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit TSettingsForm(SettingsStore& store, QWidget* parent = nullptr);
    ~TSettingsForm() override;

    QLabel* Image1;
    QPushButton* BitBtn3;
    QGroupBox* GroupBox1;
    QPlainTextEdit* Memo1;
    QComboBox* ComboBox1;
    QPushButton* BitBtn1;
    QGroupBox* GroupBox2;
    QLabel* Label1;
    QCheckBox* CheckBox1;
    // Beside the autostart box: hide the main window after each insertion.
    QLabel* HideAfterInsertLabel;
    QCheckBox* HideAfterInsertBox;
    // How insertion works on this desktop, and on GNOME under Wayland the offer to bind the hot
    // key in GNOME's own settings.
    QLabel* InsertionWayLabel;
    QPushButton* GnomeShortcutButton;
    QLabel* HotKeyLabel; // the key that shows and hides Glimmora, as the desktop bound it
    // The setting "Appearance": as the desktop prefers, light or dark.
    QLabel* AppearanceLabel;
    QComboBox* AppearanceBox;
    // The skin tone of hands and people, beside the appearance; the main window has it too.
    QLabel* SkinToneLabel;
    QComboBox* SkinToneBox;
    QGroupBox* GroupBox3;
    QComboBox* ComboBox2;
    QPushButton* BitBtn2;

    // Where the list update fetches from; tests point it at a loopback server.
    QString UpdateAddress = QString::fromLatin1(kMailDefUpdateUrl);

    void FormCreate();
    void FormShow();
    void FormClose();
    void BitBtn1Click();
    void CheckBox1Click();
    void Label1Click();
    void ComboBox2Change();
    void BitBtn2Click();
    void BitBtn3Click();
    void GnomeShortcutButtonClick();
    void ShowHotKey();

    // The work behind the unit's free functions, on this instance.
    void FillMailDefList();
    void ApplyAutostartBox();
    void ShowReduced();
    // Ticks the autostart box from the program (its handler runs as for a click).
    void TickAutostart();

    void done(int result) override;

signals:
    // A language other than the active one was picked from the list.
    void languageChosen(const QString& name);
    void welcomeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateComponents();
    void FitTexts();
    void ShowAllElements();

    SettingsStore& store_;
    // The position stored when the dialog was made; every refill of the list selects it again.
    int storedMailDef_ = 0;
};
