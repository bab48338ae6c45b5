#include "app/window_wiring.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "catalogue/add_image_form.h"
#include "dialogs/dialogs.h"
#include "dialogs/question_dialog.h"
#include "dialogs/settings_form.h"
#include "localisation/language.h"

void ConnectWindows() {
    StoreLanguageChoices();
    HideMainWindow = [] {
        if (Form1)
            Form1->SendToTray();
    };
    if (SettingsForm) {
        QObject::connect(SettingsForm, &TSettingsForm::languageChosen, SettingsForm,
                         [](const QString& name) { SwitchLanguage(name); });
        QObject::connect(SettingsForm, &TSettingsForm::welcomeRequested, SettingsForm,
                         [] { ShowWelcome(true); });
    }
    if (Form1 && AddImageForm) {
        QObject::connect(Form1, &TForm1::catalogueLoaded, AddImageForm, &TAddImageForm::ExpandTree);
        QObject::connect(Form1, &TForm1::startCategorySelected, AddImageForm,
                         &TAddImageForm::SelectStartCategory);
    }
}
