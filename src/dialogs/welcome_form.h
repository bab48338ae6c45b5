#pragma once
#include "dialogs/dialog_style.h"
#include "dialogs/settings_store.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

// The welcome window. Start-up shows it modally (exec); ShowWelcome (dialogs.h) non-modally.
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    // The box "show this screen at the next start" goes into `store`.
    explicit TWelcomeForm(SettingsStore& store, QWidget* parent = nullptr);

    // Set by ShowWelcome; once true it stays true for the run. While false, the continue button
    // leads on into the reduced settings dialog.
    bool OpenedFromSettings = false;

    ClickableLabel* Label1 = nullptr; // "show this screen at the next start"
    QLabel* Image1 = nullptr;         // banner
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* BitBtn3 = nullptr; // "weiter"
    QGroupBox* GroupBox1 = nullptr; // "Nutzung: "
    QLabel* Image3 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QGroupBox* GroupBox2 = nullptr; // "Vorgehen: "
    QPlainTextEdit* Memo2 = nullptr;

    // The reduced settings dialog shown after a start-up welcome; ShowReducedSettings unless
    // replaced (tests).
    std::function<void()> showReducedSettings;

    void Label1Click();
    void BitBtn3Click();
    // The continue button's caption; the query window borrows it.
    QString ContinueCaption() const { return BitBtn3->text(); }

private:
    SettingsStore& store_;
};

// Start-up's showing: modal; unless ShowWelcome ran before, the continue button leads on into the
// reduced settings dialog.
void ShowWelcomeAtStart();
