#pragma once
#include <QProgressBar>
#include <QWidget>

// The status window: a borderless bar that shows how far adding pictures has come. Its user sets
// the bar's maximum and position.
class TStatusForm : public QWidget {
    Q_OBJECT
public:
    explicit TStatusForm(QWidget* parent = nullptr);

    QProgressBar* XiProgressBar1 = nullptr;
};
