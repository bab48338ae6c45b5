#pragma once
#include <QFrame>
#include <QLabel>
#include <QWidget>

// The splash window shown while start-up creates the other windows. No behaviour of its own.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr; // the picture filling the window
    QLabel* Image2 = nullptr; // the program icon
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
};
