#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The query dialog behind ShowQuery (declared in dialogs.h): a prompt and one line of entry.
// It has no cancel: however it is closed, the caller reads the entry.
class TQueryForm : public QDialog {
    Q_OBJECT
public:
    explicit TQueryForm(QWidget* parent = nullptr);

    QPushButton* BitBtn3 = nullptr; // "weiter"
    QLabel* Label1 = nullptr;       // the prompt
    QLineEdit* Edit1 = nullptr;

    void BitBtn3Click();
};
