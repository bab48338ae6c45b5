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

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

void ApplyStartSettings(const QString& argument) {
    Form1->hide();
    SettingsRecord& s = Settings();
    QRect desktop = VirtualDesktop();
    if (s.xpos > desktop.width() - 20)
        s.xpos = 10;
    if (s.ypos > desktop.height() - 20)
        s.ypos = 10;
    if (WindowPositionsApply())
        Form1->move(s.xpos, s.ypos);
    Form1->resize(s.width, s.height);

    const bool firstStart = argument == "/firststart";
    if (s.welcomeScreen || firstStart)
        ShowWelcomeAtStart();
    if (!firstStart) {
        if (argument != "/minime")
            Form1->show();
    } else {
        PlaceForFirstStart();
    }
}

void PlaceForFirstStart() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size = screen ? screen->size() : QSize(1024, 768);
    if (WindowPositionsApply())
        Form1->move(size.width() - Form1->width() - 5, size.height() - Form1->height() - 35);
    SettingsForm->CheckBox1->setChecked(true);
    ApplyAutostart(); // the box's handler; harmless when it already ran
    Form1->show();
}

void SaveSettings() {
    // Until the window has been placed (a quit during start-up) the stored values still hold;
    // where windows have no known position, the stored one stays for the next X11 session.
    const SettingsRecord& s = Settings();
    QRect bounds(s.xpos, s.ypos, s.width, s.height);
    if (Form1 && !Form1->FirstShowPending) {
        bounds.setSize(Form1->size());
        if (WindowPositionsApply())
            bounds.moveTopLeft(Form1->pos());
    }
    SaveSettingsValues(bounds, VirtualDesktop().size(),
                       SettingsForm ? ChosenMailDefIndex() : s.chosenMailDef);
}
