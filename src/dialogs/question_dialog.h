#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

// The question dialog behind AskYesNo and AskYesNoOrTaskbar (declared in dialogs.h).
class TQuestionDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TQuestionDialogForm(QWidget* parent = nullptr);

    // The answer: 0 = no, 1 = yes, 2 = send to the task bar. Stays as preset when the dialog is
    // closed without a button.
    int Tag = 0;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;       // the question
    QPushButton* BitBtn1 = nullptr; // "Ja"
    QPushButton* BitBtn2 = nullptr; // "nein"
    QPushButton* BitBtn3 = nullptr; // "Zur Taskleiste senden"

    void SpeedButton16Click(); // yes
    void SpeedButton1Click();  // no
    void SpeedButton2Click();  // send to the task bar
};

// Outer heights of the two forms: the yes/no form leaves the third button below the window.
constexpr int kYesNoOuterHeight = 145;
constexpr int kTaskbarOuterHeight = 207;

// Sends the main window to the notification area for the third answer; the start-up code sets it,
// a test may replace it.
extern std::function<void()> HideMainWindow;
