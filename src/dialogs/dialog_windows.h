#pragma once
// The secondary windows: each has exactly one instance, made and wired by the start-up code and
// kept until the process ends. A window uses its own pointer; the free functions of dialogs.h
// work on them.

class TQueryForm;
class TSettingsForm;
class TLanguageForm;
class TWelcomeForm;
class TQuestionDialogForm;
class TAboutForm;
class TBrowserForm;
class TStatusForm;
class TFormSurvey;

extern TQueryForm* QueryForm;
extern TSettingsForm* SettingsForm;
extern TLanguageForm* LanguageForm;
extern TWelcomeForm* WelcomeForm;
extern TQuestionDialogForm* QuestionDialogForm;
extern TAboutForm* AboutForm;
extern TBrowserForm* BrowserForm;
extern TStatusForm* StatusForm;
extern TFormSurvey* FormSurvey;
