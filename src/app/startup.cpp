#include "app/startup.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/splash_form.h"
#include "app/typing_permission.h"
#include "app/window_texts.h"
#include "app/window_wiring.h"
#include "balloon/balloon_form.h"
#include "catalogue/add_image_form.h"
#include "dialogs/about_form.h"
#include "dialogs/browser_form.h"
#include "dialogs/interface_fonts.h"
#include "dialogs/language_form.h"
#include "dialogs/query_form.h"
#include "dialogs/question_dialog.h"
#include "dialogs/settings_form.h"
#include "dialogs/status_form.h"
#include "dialogs/survey_form.h"
#include "dialogs/welcome_form.h"
#include "integration/data_folders.h"
#include "integration/isolated_text.h"
#include "integration/message_boxes.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "localisation/language.h"
#include "platform/current_desktop.h"
#include "platform/file_system.h"
#include "platform/process_info.h"
#include "platform/program_folder.h"
#include "platform/runtime_lock.h"
#include "platform/session.h"
#include "platform/window_activation.h"
#include <QLabel>
#include <QProgressBar>
#include <QStandardItemModel>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

const char kBaseName[] = "Glimmora";
const char kCloseRequest[] = "Glimmora_CloseYourself";
const char kMutexName[] = "GlimmoraMutex";
const char kStartQueue[] = "GlimmoraStarting";

// A running instance takes the close request at once (see RequestWatcher); one that has not
// within this time does not answer, and the new instance starts beside it.
constexpr int kAnswerTimeMs = 2000;
// An instance that took the request saves its settings and ends; past this it is stuck.
constexpr int kQuitTimeMs = 20000;
constexpr int kPollMs = 25;

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
    const QString data = UserDataPath();
    for (const char* sub : {"GlimmoraData", "GlimmoraData/favorites", "GlimmoraData/owncats"}) {
        QDir dir(data + sub);
        if (!dir.exists() && !QDir().mkdir(data + sub))
            return; // later folders need this one
    }
}

// Returns the translation file of the stored language, empty when it has none.
QString PutLanguageFilesInPlace() {
    const QString data = UserDataPath();
    const QString n = QString::number(ReadLanguageNumber());
    QString translation = FindDataFile(kBaseName, "Glimmora.t0" + n);
    if (QFileInfo::exists(translation))
        CopyFileSilently(translation, data + "Glimmora.def");
    else
        translation.clear();
    const QString help = FindDataFile(kBaseName, "Glimmora.c0" + n);
    if (QFileInfo::exists(help))
        CopyFileSilently(help, data + "Glimmora.chm");
    CopyCatalogueTranslations("0" + n);
    return translation;
}

// The single-instance hand-over. Returns the lock, held unless the running instance did not answer
// (both then run side by side), or nullptr when other starts wait as well (one of them goes on,
// this one is not needed) or when no lock can be had at all. Every start queues until it holds the
// lock, so however starts interleave, only the last holder finds itself alone.
std::unique_ptr<RuntimeLock> HandOver() {
    StartQueue queue(kStartQueue);
    auto lock = std::make_unique<RuntimeLock>(kMutexName);
    if (!lock->held() && !lock->heldElsewhere()) {
        // Without a lock nothing keeps a second instance away, and two would overwrite each
        // other's settings and pages: not starting is the safer answer.
        qWarning("Glimmora does not start: no private folder of this user's can hold its "
                 "single-instance lock.");
        return nullptr;
    }
    if (!lock->held()) {
        const bool asked = GlobalAtomAdd(kCloseRequest);
        const QByteArray request = GlobalAtomIdentity(kCloseRequest);
        bool answered = asked && request.isEmpty(); // taken already
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            QThread::msleep(kPollMs);
            lock = std::make_unique<RuntimeLock>(kMutexName);
            if (lock->held())
                break;
            if (!answered && GlobalAtomIdentity(kCloseRequest) != request) {
                answered = true;
                waited.restart();
            }
            if (waited.elapsed() > (answered ? kQuitTimeMs : kAnswerTimeMs)) {
                if (!answered && !request.isEmpty())
                    GlobalAtomDelete(kCloseRequest);
                return lock;
            }
        }
    }
    if (!queue.alone())
        return nullptr;
    GlobalAtomDelete(kCloseRequest); // a left-over: nobody waits for it any more
    return lock;
}

// Hands "/toggle" to a running instance; false when none runs or it did not answer, and this start
// then goes on as a normal one.
bool HandOverToggle() {
    // The desktop's token goes along: with it the running instance may come to the front.
    if (!RuntimeLock(kMutexName).heldElsewhere() ||
        !GlobalAtomAddText(kToggleRequest, LaunchActivationToken()))
        return false;
    const QByteArray request = GlobalAtomIdentity(kToggleRequest);
    QElapsedTimer waited;
    waited.start();
    while (GlobalAtomIdentity(kToggleRequest) == request && !request.isEmpty()) {
        if (waited.elapsed() > kAnswerTimeMs) {
            GlobalAtomDelete(kToggleRequest);
            return false;
        }
        QThread::msleep(kPollMs);
    }
    return true;
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
    FollowLanguageSwitches();
    auto splash = std::make_unique<TSplashForm>();
    splash->Label1->setText(GetText(0));
    splash->show();
    QApplication::processEvents();
    splash->repaint();
    QApplication::processEvents();

    QueryForm = new TQueryForm();
    SettingsForm = new TSettingsForm(RecordSettingsStore());
    LanguageForm = new TLanguageForm(arguments);
    WelcomeForm = new TWelcomeForm(RecordSettingsStore());
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
    ConnectWindows();
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

void TakeToggleRequests() {
    if (!Form1 || Form1->FirstShowPending)
        return;
    int n = TakeRequests(kToggleRequest);
    const QByteArray token = TakeRequestText(kToggleRequest);
    for (; n > 0; --n)
        Form1->WMHotKey(n == 1 ? token : QByteArray());
}

void PrepareEnvironment() {
    // The browser's sandbox cannot run for root; the program then switches it off itself.
    if (RunningAsRoot() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // On Linux the browser hides its pages from screen readers unless told otherwise; it builds
    // their tree only while a screen reader is listening, so other users pay nothing for it.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    ChooseWindowSystem();
    DrawWithoutOpenGl();
    // The program folder is known before the application object exists.
    QString exe = RunningExecutable();
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

    // Where the temporary folder is no place for the lock, every start finds it in the data folder.
    SetRuntimeFallback(UserDataPath());
    if (first == "/toggle" && HandOverToggle())
        return 0;

    const bool uninstall = first == "uninstall" || first == "/uninstall";
    int result = 0;
    try {
        std::unique_ptr<RuntimeLock> mutex = HandOver();
        if (!mutex)
            return 0;
        // A normal run answers close requests from now on, its start-up included.
        std::unique_ptr<RequestWatcher> watcher;
        if (!uninstall)
            watcher = std::make_unique<RequestWatcher>(QStringList{kCloseRequest, kToggleRequest});

        EnsureUserDataFolder(kBaseName);
        SetDesktopProgramInfo({UserDataPath(), [] { return GetText(305); }});
        CreateCatalogueFolders();
        CopyMissingFiles(kBaseName, kSeedingList);
        const QString translation = PutLanguageFilesInPlace();
        if (!uninstall && TakeCloseRequest(kCloseRequest))
            return 0; // nothing shown, nothing to save

        QApplication app(argc, argv);
        app.setApplicationName("Glimmora");
        app.setOrganizationName("Orvandeck");
        app.setQuitOnLastWindowClosed(false);
        UseInterfaceFonts();
        UseAppearance(Appearance(ReadAppearance()));

        CreateTranslationTable(kBaseName, translation);

        if (uninstall)
            return UninstallRun(app);

        // Started beside an instance that did not answer: take the lock once it has gone, so
        // that later starts hand over to this one.
        QTimer lockRetry;
        QObject::connect(&lockRetry, &QTimer::timeout, [&] {
            mutex = std::make_unique<RuntimeLock>(kMutexName);
            if (mutex->held())
                lockRetry.stop();
        });
        if (!mutex->held())
            lockRetry.start(1000);

        WaitForTypingPermission();
        CreateWindows(arguments);
        // A close request taken while starting ends the start-up too.
        const auto closing = [] {
            Form1->Timer3Timer();
            return Form1->QuitRequested;
        };
        if (!closing())
            LanguageForm->exec();
        if (!closing()) {
            ApplyTexts();
            // Said once, here: later writes that fail for the same reason stay silent.
            const QString data = UserDataPath();
            if (!CanWriteInFolder(data))
                ShowError(TextOrDefault(202).arg(Isolated(data)));
            Form1->LoadCatalogue();
            Form1->SelectStartCategory();
            ShowRefusedFiles();
            Form1->show();
        }
        QTimer toggle;
        QObject::connect(&toggle, &QTimer::timeout, [] { TakeToggleRequests(); });
        toggle.start(4 * kPollMs);
        if (!closing())
            result = app.exec();
        lockRetry.stop();
        mutex.reset(); // the settings are saved: the next instance may go on
        DestroyWindows();
    } catch (...) {
        return 0; // start-up ends silently
    }
    return result;
}
