#include "dialogs/status_form.h"

#include "dialogs/dialog_style.h"

#include <QProgressBar>
#include <QVBoxLayout>

TStatusForm::TStatusForm(QWidget* parent) : QWidget(parent) {
    setObjectName("StatusForm");
    setWindowTitle("Glimmora");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(300, 22);

    XiProgressBar1 = new QProgressBar(this);
    XiProgressBar1->setOrientation(Qt::Horizontal);
    XiProgressBar1->setRange(0, 100);
    XiProgressBar1->setValue(0);
    XiProgressBar1->setTextVisible(false);
    // Sand trough, orange-brown bar.
    XiProgressBar1->setStyleSheet(
        "QProgressBar { background: #EED9A8; border: 1px solid #8A4A18; }"
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #D88A45, stop:0.5 #B85C1E, stop:1 #96481A); }");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(XiProgressBar1);
    CentreOnScreen(this);
}
