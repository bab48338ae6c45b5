#include "app/splash_form.h"

#include "dialogs/dialog_style.h"
#include "dialogs/interface_fonts.h"

#include <QFrame>
#include <QLabel>

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent) {
    setObjectName("SplashForm");
    setWindowTitle("Glimmora");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(383, 205);

    Image1 = MakePicture(this, "splash.png", QRect(0, 0, 383, 205));
    Image2 = MakePicture(this, "icon32.png", QRect(128, 93, 32, 32));

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(164, 34, 191, 32);
    MakeWhite(Panel1);

    Label1 = new QLabel("Glimmora", Panel1);
    Label1->setFont(InterfaceFont(16, true));
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    Label1->setPalette(palette);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    // Long language names get the panel's whole remaining width.
    Label1->setGeometry(60, 6, 191 - 60 - 2, 20);
    CentreOnScreen(this);
}
