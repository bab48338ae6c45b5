#pragma once
#include "dialogs/dialog_style.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

// Set by ShowWelcome; once true it stays true for the run. While false, the continue button
// leads on into the reduced settings dialog.
extern bool OpenedFromSettings;

// The welcome window. Start-up shows it modally (exec); ShowWelcome (dialogs.h) non-modally.
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);

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
};

// Start-up's showing: modal; unless ShowWelcome ran before, the continue button leads on into the
// reduced settings dialog.
void ShowWelcomeAtStart();
