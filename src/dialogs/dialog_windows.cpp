#include "dialogs/dialog_windows.h"

TQueryForm* QueryForm = nullptr;
TSettingsForm* SettingsForm = nullptr;
TLanguageForm* LanguageForm = nullptr;
TWelcomeForm* WelcomeForm = nullptr;
TQuestionDialogForm* QuestionDialogForm = nullptr;
TAboutForm* AboutForm = nullptr;
TBrowserForm* BrowserForm = nullptr;
TStatusForm* StatusForm = nullptr;
TFormSurvey* FormSurvey = nullptr;
