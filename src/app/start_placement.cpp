#include "app/start_placement.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "app/settings.h"
#include "dialogs/dialogs.h"
#include "dialogs/settings_form.h"
#include "dialogs/welcome_form.h"
#include "integration/mail_defs.h"
#include "platform/session.h"

#include <QGuiApplication>
#include <QScreen>

void ApplyStartSettings(const QString& argument) {
    SettingsRecord& s = Settings();
    const bool firstStart = argument == "/firststart";
    const bool welcome = s.welcomeScreen || firstStart;
    // Without a tray "/minime" ends minimised. The window goes there straight from the screen: one
    // hidden, moved and minimised at once comes back from the window manager as a normal window.
    if (welcome || argument != "/minime" || TForm1::TrayAvailable())
        Form1->hide();
    QRect desktop = VirtualDesktop();
    if (s.xpos > desktop.width() - 20)
        s.xpos = 10;
    if (s.ypos > desktop.height() - 20)
        s.ypos = 10;
    // A size stored on a larger screen, or before the desktop was scaled up, would reach past the
    // screen with the title bar and the quit button out of reach.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableVirtualGeometry().size();
        s.width = qMin(s.width, room.width());
        s.height = qMin(s.height, room.height());
    }
    Form1->PlaceAt(QRect(s.xpos, s.ypos, s.width, s.height));

    if (welcome)
        ShowWelcomeAtStart();
    if (!firstStart) {
        if (argument != "/minime")
            Form1->show();
        else
            Form1->SendToTray();
    } else {
        PlaceForFirstStart();
    }
}

void PlaceForFirstStart() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size = screen ? screen->size() : QSize(1024, 768);
    const QSize window = Form1->SavedBounds().size();
    Form1->PlaceAt(QRect(
        QPoint(size.width() - window.width() - 5, size.height() - window.height() - 35), window));
    SettingsForm->TickAutostart();
    ApplyAutostart(); // the box's handler; harmless when it already ran
    Form1->show();
}
