#include "app/startup.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/splash_form.h"
#include "balloon/balloon_form.h"
#include "catalogue/add_image_form.h"
#include "dialogs/about_form.h"
#include "dialogs/browser_form.h"
#include "dialogs/interface_fonts.h"
#include "dialogs/message_boxes.h"
#include "dialogs/query_form.h"
#include "dialogs/question_dialog.h"
#include "dialogs/settings_form.h"
#include "dialogs/status_form.h"
#include "dialogs/survey_form.h"
#include "dialogs/welcome_form.h"
#include "integration/system_helpers.h"
#include "localisation/language.h"
#include "localisation/language_form.h"
#include "localisation/translation_table.h"
#include "platform/program_folder.h"
#include "platform/runtime_lock.h"
#include <QLabel>
#include <QProgressBar>
#include <QStandardItemModel>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QUrl>
#include <memory>
#include <unistd.h>

namespace {

const char kBaseName[] = "Glimmora";
const char kCloseRequest[] = "Glimmora_CloseYourself";

// Files that a new data folder receives from the program folder; an existing copy stays.
const QStringList kSeedingList = {
    "Glimmora.chm",
    "glimmora.ini",
    "glimmora.maildef.ini",
    "Glimmora.cho",
    "GlimmoraData/owncats.dat",
    "GlimmoraData/pics.full.def",
    "GlimmoraData/pics.fullenhanced.def",
};

void CleanUpRun() {
    try {
        RemoveUserDataFolder(kBaseName);
    } catch (...) {
    }
    try {
        SetAutostart(kBaseName, AutostartCommand(), false);
    } catch (...) {
    }
}

void CreateCatalogueFolders() {
    const QString data = UserDataFolder(kBaseName);
    for (const char* sub : {"GlimmoraData", "GlimmoraData/favorites", "GlimmoraData/owncats"}) {
        QDir dir(data + sub);
        if (!dir.exists() && !QDir().mkdir(data + sub))
            return; // later folders need this one
    }
}

void PutLanguageFilesInPlace() {
    const QString data = UserDataFolder(kBaseName);
    const QString n = QString::number(ReadLanguageNumber());
    const QString translation = FindDataFile(kBaseName, "Glimmora.t0" + n);
    if (QFileInfo::exists(translation))
        CopyFileSilently(translation, data + "Glimmora.def");
    const QString help = FindDataFile(kBaseName, "Glimmora.c0" + n);
    if (QFileInfo::exists(help))
        CopyFileSilently(help, data + "Glimmora.chm");
    CopyCatalogueTranslations("0" + n);
}

// The survey of an uninstall run: asks first, then shows the survey page as the main window.
int UninstallRun(QApplication& app) {
    if (!AskSystemYesNo(GetText(88)))
        return 0;
    FormSurvey = new TFormSurvey();
    FormSurvey->setWindowTitle(GetText(1));
    QString address = GetText(89);
    QUrl url = QUrl::fromUserInput(address, ProgramFolder(), QUrl::AssumeLocalFile);
    FormSurvey->Navigate(url);
    FormSurvey->show();
    app.setQuitOnLastWindowClosed(true);
    return app.exec();
}

void CreateWindows(const QStringList& arguments) {
    Form1 = new TForm1(arguments);
    auto splash = std::make_unique<TSplashForm>();
    splash->Label1->setText(GetText(0));
    splash->show();
    QApplication::processEvents();
    splash->repaint();
    QApplication::processEvents();

    QueryForm = new TQueryForm();
    SettingsForm = new TSettingsForm();
    LanguageForm = new TLanguageForm(arguments);
    WelcomeForm = new TWelcomeForm();
    QuestionDialogForm = new TQuestionDialogForm();
    AboutForm = new TAboutForm();
    BrowserForm = new TBrowserForm();
    AddImageForm = new TAddImageForm();
    StatusForm = new TStatusForm();
    BaloonForm = new TBaloonForm();

    splash->hide();

    AddImageForm->setCatalogueModel(Form1->CatalogueModel);
    AddPicturesHooks hooks;
    hooks.categoryFolder = [](int index) -> std::optional<QString> {
        const QStringList& folders = Form1->Catalogue.CategoryFolders;
        if (index < 0 || index >= folders.size())
            return std::nullopt;
        return folders.at(index);
    };
    hooks.showProgress = [](int maximum) {
        StatusForm->XiProgressBar1->setMaximum(maximum);
        StatusForm->XiProgressBar1->setValue(0);
        StatusForm->show();
        QApplication::processEvents();
    };
    hooks.setProgress = [](int position) {
        StatusForm->XiProgressBar1->setValue(position);
        StatusForm->repaint();
    };
    hooks.closeProgress = [] { StatusForm->close(); };
    hooks.hideMainWindow = [] { Form1->hide(); };
    hooks.showMainWindow = [] { Form1->show(); };
    hooks.reloadCatalogue = [] {
        Form1->LoadCatalogue();
        Form1->SelectStartCategory();
    };
    AddImageForm->setHooks(hooks);
}

// Windows go before the application object does.
void DestroyWindows() {
    delete BaloonForm;
    delete StatusForm;
    delete AddImageForm;
    delete BrowserForm;
    delete AboutForm;
    delete QuestionDialogForm;
    delete WelcomeForm;
    delete LanguageForm;
    delete SettingsForm;
    delete QueryForm;
    delete Form1;
    BaloonForm = nullptr;
    StatusForm = nullptr;
    AddImageForm = nullptr;
    BrowserForm = nullptr;
    AboutForm = nullptr;
    QuestionDialogForm = nullptr;
    WelcomeForm = nullptr;
    LanguageForm = nullptr;
    SettingsForm = nullptr;
    QueryForm = nullptr;
    Form1 = nullptr;
}

} // namespace

void PrepareEnvironment() {
    // The browser's sandbox cannot run for root; the program then switches it off itself.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The program folder is known before the application object exists.
    QString exe = QFileInfo("/proc/self/exe").canonicalFilePath();
    if (!exe.isEmpty())
        SetProgramFolder(QFileInfo(exe).absolutePath());
}

int RunGlimmora(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString first = FirstArgument(arguments);

    PrepareEnvironment();
    if (first == "/deleteitall") {
        CleanUpRun();
        return 0;
    }

    int result = 0;
    try {
        if (GlobalAtomExists(kCloseRequest))
            GlobalAtomDelete(kCloseRequest);

        auto mutex = std::make_unique<RuntimeLock>("GlimmoraMutex");
        if (!mutex->held()) {
            // Another instance runs: ask it to close and give it two seconds.
            GlobalAtomAdd(kCloseRequest);
            for (int i = 0; i < 4; ++i)
                QThread::msleep(500);
            GlobalAtomDelete(kCloseRequest);
            // Normally free by now; without it both instances run side by side.
            mutex = std::make_unique<RuntimeLock>("GlimmoraMutex");
        }

        EnsureUserDataFolder(kBaseName);
        CreateCatalogueFolders();
        CopyMissingFiles(kBaseName, kSeedingList);
        PutLanguageFilesInPlace();

        QApplication app(argc, argv);
        app.setApplicationName("Glimmora");
        app.setOrganizationName("Orvandeck");
        app.setQuitOnLastWindowClosed(false);
        UseInterfaceFonts();

        CreateTranslationTable(kBaseName);

        if (first == "uninstall" || first == "/uninstall")
            return UninstallRun(app);

        CreateWindows(arguments);
        LanguageForm->exec();
        ApplyTexts();
        Form1->LoadCatalogue();
        Form1->SelectStartCategory();
        Form1->show();
        result = app.exec();
        DestroyWindows();
    } catch (...) {
        return 0; // start-up ends silently
    }
    return result;
}
