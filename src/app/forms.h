#pragma once
// The program's windows: each class has exactly one instance, created at start in a fixed order
// and kept until the process ends. Windows reach each other through these pointers.

class TForm1;
class TSplashForm;
class TQueryForm;
class TSettingsForm;
class TLanguageForm;
class TWelcomeForm;
class TQuestionDialogForm;
class TAboutForm;
class TBrowserForm;
class TAddImageForm;
class TStatusForm;
class TBaloonForm;
class TFormSurvey;

extern TForm1* Form1;
extern TQueryForm* QueryForm;
extern TSettingsForm* SettingsForm;
extern TLanguageForm* LanguageForm;
extern TWelcomeForm* WelcomeForm;
extern TQuestionDialogForm* QuestionDialogForm;
extern TAboutForm* AboutForm;
extern TBrowserForm* BrowserForm;
extern TAddImageForm* AddImageForm;
extern TStatusForm* StatusForm;
extern TBaloonForm* BaloonForm;
extern TFormSurvey* FormSurvey;
