#include "app/forms.h"

TForm1* Form1 = nullptr;
TQueryForm* QueryForm = nullptr;
TSettingsForm* SettingsForm = nullptr;
TLanguageForm* LanguageForm = nullptr;
TWelcomeForm* WelcomeForm = nullptr;
TQuestionDialogForm* QuestionDialogForm = nullptr;
TAboutForm* AboutForm = nullptr;
TBrowserForm* BrowserForm = nullptr;
TAddImageForm* AddImageForm = nullptr;
TStatusForm* StatusForm = nullptr;
TBaloonForm* BaloonForm = nullptr;
TFormSurvey* FormSurvey = nullptr;
