// A real click on a picture of Glimmora's page puts that picture into real programs from Debian,
// chosen by the shipped definitions, under the openbox window manager (or none, with
// GLIMMORA_REALPROGRAMS_DESKTOP=bare), with a US, a Cyrillic-only and a US + Cyrillic keyboard
// layout, each set while the program runs; the result is read back from the program itself: the
// web composer page reports what was pasted in its title, Thunderbird's composer and Writer's
// document are photographed.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "dialogs/settings_form.h"
#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "integration/target_window.h"
#include "integration/translation_table.h"
#include "integration/x11_test_env.h"
#include "platform/current_desktop.h"
#include "support/test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// Output of a short helper command (xdotool, xprop), trimmed.
QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString WindowTitle(Desktop::Window window) {
    return Run("xdotool", {"getwindowname", QString::number(window)});
}

QRect WindowGeometry(Desktop::Window window) {
    const QString shell = Run("xdotool", {"getwindowgeometry", "--shell", QString::number(window)});
    auto value = [&](const char* name) {
        const QRegularExpression line(QStringLiteral("^%1=(\\d+)$").arg(name),
                                      QRegularExpression::MultilineOption);
        return line.match(shell).captured(1).toInt();
    };
    return QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"));
}

void ClickAt(QPoint point) {
    QProcess::execute("xdotool", {"mousemove", QString::number(point.x()),
                                  QString::number(point.y()), "click", "1"});
}

// A program of the system, ended with the test; its windows appear on the suite's X server.
class RealProgram {
public:
    RealProgram(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!environment.contains("GLIMMORA_KEEP_OUTPUT"))
            process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start(program, arguments);
        started_ = process_.waitForStarted(10000);
    }
    ~RealProgram() {
        process_.terminate();
        if (!process_.waitForFinished(8000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    bool started() const { return started_; }
    // The first line the program wrote on its standard output, waiting for it up to `ms`.
    QString firstLine(int ms) {
        WaitUntil([&] { return process_.canReadLine(); }, ms);
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }

private:
    QProcess process_;
    bool started_ = false;
};

// Waits for a window of one of the classes (comma-separated); 0 when none came.
Desktop::Window WaitForWindow(const QByteArray& classes, int ms) {
    Desktop::Window window = 0;
    WaitUntil([&] { return (window = FindTargetWindow(CurrentDesktop(), classes)) != 0; }, ms);
    return window;
}

// Glimmora's main window right of x = kGlimmoraLeft, with the shipped definition `name` chosen in
// the settings dialog's list, showing the sample page (picture 1 is plain red).
constexpr int kGlimmoraLeft = 700;

class GlimmoraWindow {
public:
    GlimmoraWindow(const TempHome& home, const QByteArray& name) {
        WriteSampleCatalogue(home);
        // The red picture counts as an emoji of the catalogue, so the clipboard offers its text
        // too: programs that take pictures must still take the picture.
        WriteFile(home.programDir() + "GlimmoraData/emoji.dat",
                  "faces/happy/grin/b c#1.png\t1F534\r\n");
        WriteFile(home.userData() + "glimmora.maildef.ini",
                  ReadFile(SourceDir() + "shipped/glimmora.maildef.ini"));
        CreateTranslationTable("Glimmora");
        form_ = new TForm1(QStringList{"glimmora"});
        Form1 = form_;
        SettingsForm = new TSettingsForm(RecordSettingsStore());
        // The first of that name: the one for all languages.
        for (size_t i = MailDefList().size(); i-- > 0;) {
            if (MailDefList()[i]->Name == name)
                SettingsForm->ComboBox1->setCurrentIndex(static_cast<int>(i));
        }
        form_->FirstShowPending = false;
        form_->LoadCatalogue();
        form_->setGeometry(kGlimmoraLeft, 40, 560, 420);
        form_->show();
        form_->SelectStartCategory();
    }
    ~GlimmoraWindow() {
        delete SettingsForm;
        SettingsForm = nullptr;
        delete form_;
        Form1 = nullptr;
    }

    bool ready() {
        return WaitForPageLoaded(form_->WebBrowser1) &&
               WaitUntil([&] { return PageImageSources(form_->WebBrowser1).size() == 2; });
    }
    QByteArray chosen() const { return GetChosenMailDef().Name; }

    // The user brings Glimmora forward and clicks the red picture.
    bool ClickRedPicture() {
        ActivateWindow(CurrentDesktop(), form_->winId());
        return ClickPicture(form_->WebBrowser1, 1);
    }

private:
    TForm1* form_ = nullptr;
};

// Plain red pixels of the window, left of Glimmora's window (whose page shows the red picture).
int RedPixels(Desktop::Window window) {
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    const int width = std::min<int>(shot.width(), kGlimmoraLeft - WindowGeometry(window).x());
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const QColor c = shot.pixelColor(x, y);
            count += c.red() > 240 && c.green() < 20 && c.blue() < 20;
        }
    }
    return count;
}

const QStringList kLayouts = {"us", "ru", "us,ru"};

// A click into the composer's message text, at `heightShare` of its height, where nothing red is.
void ClickIntoMessage(Desktop::Window composer, double heightShare) {
    WaitMilliseconds(2000);
    const QRect area = WindowGeometry(composer);
    ClickAt(area.topLeft() + QPoint(area.width() / 3, int(area.height() * heightShare)));
    WaitMilliseconds(500);
    ASSERT_LT(RedPixels(composer), 100);
}

// One click on the red picture for each layout, set while the program runs: each adds the
// 40 x 30 picture to `window` (its edges may be blended).
void ClickOnEachLayoutAndSeeThePictureAdded(GlimmoraWindow& glimmora, Desktop::Window window) {
    int pictures = 0;
    for (const QString& layout : kLayouts) {
        SCOPED_TRACE(layout.toStdString());
        ASSERT_TRUE(SetKeyboardLayout(layout));
        ASSERT_TRUE(glimmora.ClickRedPicture());
        ++pictures;
        EXPECT_TRUE(WaitUntil([&] { return RedPixels(window) >= pictures * 1000; }, 15000))
            << RedPixels(window) << " red pixels after " << pictures << " clicks";
    }
    SetKeyboardLayout("us");
}

TEST(RealPrograms, ThunderbirdComposerTakesThePictureOnEachLayout) {
    if (QStandardPaths::findExecutable("thunderbird").isEmpty())
        GTEST_SKIP() << "Thunderbird is not installed (Debian package thunderbird)";
    ASSERT_TRUE(SetKeyboardLayout("us"));
    TempHome home;
    QTemporaryDir profile;
    // A local account only, so that the composer opens without the account wizard.
    WriteFile(profile.filePath("prefs.js"), R"(user_pref("mail.account.account1.identities", "id1");
user_pref("mail.account.account1.server", "server1");
user_pref("mail.accountmanager.accounts", "account1");
user_pref("mail.accountmanager.defaultaccount", "account1");
user_pref("mail.accountmanager.localfoldersserver", "server1");
user_pref("mail.identity.id1.fullName", "Test");
user_pref("mail.identity.id1.useremail", "test@example.invalid");
user_pref("mail.identity.id1.compose_html", true);
user_pref("mail.server.server1.hostname", "Local Folders");
user_pref("mail.server.server1.name", "Local Folders");
user_pref("mail.server.server1.type", "none");
user_pref("mail.server.server1.userName", "nobody");
user_pref("mail.shell.checkDefaultClient", false);
user_pref("mail.provider.suppress_dialog_on_startup", true);
user_pref("mailnews.start_page.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("mail.spellcheck.inline", false);
)");
    RealProgram thunderbird("thunderbird", {"--no-remote", "--profile", profile.path()});
    const Desktop::Window main = WaitForWindow("Mail", 90000);
    if (!thunderbird.started() || !main)
        GTEST_SKIP() << "Thunderbird did not start: its main window did not appear";
    // New message, and the cursor into its text, as the user would. The main window shows before
    // it takes keys: ask again until the composer opens.
    Desktop::Window composer = 0;
    for (int attempt = 0; attempt < 8 && !composer; ++attempt) {
        ActivateWindow(CurrentDesktop(), main);
        SendKeySequence(CurrentDesktop(), "\xFCn\xFD");
        composer = WaitForWindow("Msgcompose", 5000);
    }
    ASSERT_NE(composer, 0u) << "the composer did not open";
    ClickIntoMessage(composer, 2.0 / 3);

    GlimmoraWindow glimmora(home, "Thunderbird");
    ASSERT_TRUE(glimmora.ready());
    ASSERT_EQ(glimmora.chosen(), "Thunderbird");
    ClickOnEachLayoutAndSeeThePictureAdded(glimmora, composer);
}

// The composer page in a browser (`classes` its windows), Glimmora's definition `definition`
// chosen: each click adds the picture and no text.
void ExpectWebComposerTakesThePictureOnEachLayout(const QString& browser,
                                                  const QStringList& arguments,
                                                  const QByteArray& classes,
                                                  const QByteArray& definition) {
    ASSERT_TRUE(SetKeyboardLayout("us"));
    TempHome home;
    RealProgram program(browser, arguments);
    Desktop::Window window = 0;
    WaitUntil(
        [&] {
            window = FindTargetWindow(CurrentDesktop(), classes);
            return window && WindowTitle(window).startsWith("composer ready");
        },
        90000);
    if (!program.started() || !window)
        GTEST_SKIP() << browser.toStdString() << " did not start: the composer page did not appear";

    GlimmoraWindow glimmora(home, definition);
    ASSERT_TRUE(glimmora.ready());
    ASSERT_EQ(glimmora.chosen(), definition);
    QStringList pasted;
    for (const QString& layout : kLayouts) {
        SCOPED_TRACE(layout.toStdString());
        ASSERT_TRUE(SetKeyboardLayout(layout));
        ASSERT_TRUE(glimmora.ClickRedPicture());
        pasted << "image/png:40x30";
        const QString expected = // the pictures and no text
            QStringLiteral("pasted %1 %2 text=").arg(pasted.size()).arg(pasted.join(','));
        EXPECT_TRUE(WaitUntil(
            [&] {
                const QString title = WindowTitle(window);
                return title == expected || title.startsWith(expected + ' ');
            },
            15000))
            << WindowTitle(window).toStdString();
    }
    SetKeyboardLayout("us");
}

TEST(RealPrograms, WebComposerInFirefoxTakesThePictureOnEachLayout) {
    const QString firefox = QStandardPaths::findExecutable("firefox-esr").isEmpty()
                                ? QStringLiteral("firefox")
                                : QStringLiteral("firefox-esr");
    if (QStandardPaths::findExecutable(firefox).isEmpty())
        GTEST_SKIP() << "Firefox is not installed (Debian package firefox-esr)";
    QTemporaryDir profile;
    WriteFile(profile.filePath("user.js"), R"(user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.sessionstore.resume_from_crash", false);
)");
    ExpectWebComposerTakesThePictureOnEachLayout(
        firefox,
        {"--no-remote", "--new-instance", "--profile", profile.path(),
         QUrl::fromLocalFile(GLIMMORA_COMPOSER_PAGE).toString()},
        "firefox,firefox-esr", "Firefox");
}

// Chromium finds shortcuts by key position: Ctrl+V must come from the V key on every layout.
TEST(RealPrograms, WebComposerInChromiumTakesThePictureOnEachLayout) {
    if (QStandardPaths::findExecutable("chromium").isEmpty())
        GTEST_SKIP() << "Chromium is not installed (Debian package chromium)";
    QTemporaryDir profile;
    ExpectWebComposerTakesThePictureOnEachLayout(
        "chromium",
        {"--no-sandbox", "--user-data-dir=" + profile.path(), "--no-first-run",
         "--no-default-browser-check", "--password-store=basic", "--disable-gpu",
         QUrl::fromLocalFile(GLIMMORA_COMPOSER_PAGE).toString()},
        "Chromium", "Chromium");
}

// Evolution's composer in HTML mode, on a session bus of its own: the one-time notice about HTML
// messages comes after the first click without a modal box, and three clicks land in a row.
TEST(RealPrograms, EvolutionTakesThreeClicksInARowWithNoBoxBetween) {
    if (QStandardPaths::findExecutable("evolution").isEmpty())
        GTEST_SKIP() << "Evolution is not installed (Debian package evolution)";
    ASSERT_TRUE(SetKeyboardLayout("us"));
    TempHome home;
    WriteFile(home.configHome() + "glib-2.0/settings/keyfile",
              "[org/gnome/evolution/mail]\ncomposer-mode='html'\n");
    QProcessEnvironment busEnvironment = QProcessEnvironment::systemEnvironment();
    busEnvironment.insert("GLIMMORA_KEEP_OUTPUT", "1");
    RealProgram bus("dbus-daemon", {"--session", "--nofork", "--print-address=1"}, busEnvironment);
    const QString address = bus.firstLine(10000);
    if (!bus.started() || address.isEmpty())
        GTEST_SKIP() << "no session bus for Evolution (dbus-daemon)";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
    environment.insert("GSETTINGS_BACKEND", "keyfile");
    RealProgram evolution("evolution", {"mailto:someone@example.invalid"}, environment);
    Desktop::Window composer = 0;
    WaitUntil(
        [&] {
            composer = FindTargetWindow(CurrentDesktop(), "Evolution");
            return composer && WindowTitle(composer) == "Compose Message";
        },
        90000);
    if (!evolution.started() || !composer)
        GTEST_SKIP() << "Evolution did not start: its composer did not appear";
    ClickIntoMessage(composer, 4.0 / 5); // below the formatting bars

    GlimmoraWindow glimmora(home, "Evolution");
    ASSERT_TRUE(glimmora.ready());
    ASSERT_EQ(glimmora.chosen(), "Evolution");
    // The English texts, the notice among them.
    WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    ASSERT_FALSE(GetText(262).isEmpty());
    ModalDialogCloser modal;
    ClickOnEachLayoutAndSeeThePictureAdded(glimmora, composer);
    EXPECT_TRUE(modal.texts().isEmpty()) << modal.texts().join('\n').toStdString();
    int notices = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        notices += box && box->isVisible() && box->icon() == QMessageBox::Information;
    }
    EXPECT_EQ(notices, 1);
}

// The text of the focused program's selection after Ctrl+A and Ctrl+C; empty when nothing came.
QString CopyAllText(Desktop::Window window) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("\x01"));
    if (!ActivateWindow(CurrentDesktop(), window))
        return {};
    SendKeySequence(CurrentDesktop(), "\xFC"
                                      "a\xFD\xFC"
                                      "c\xFD");
    WaitUntil([&] { return clipboard->text() != QStringLiteral("\x01"); }, 10000);
    const QString text = clipboard->text();
    return text == QStringLiteral("\x01") ? QString() : text;
}

// Writer ignores its first Ctrl+Shift+V after a start, and its Paste Special dialog opens without
// the focus where no window manager gives it: every click still adds the picture and no letter.
TEST(RealPrograms, WriterFromAFreshStartTakesEveryPictureAndNoLetterOfTheRecipe) {
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice Writer is not installed (Debian package libreoffice-writer)";
    ASSERT_TRUE(SetKeyboardLayout("us"));
    TempHome home;
    QTemporaryDir profile;
    QDir().mkpath(profile.filePath("user"));
    // No tip of the day and no first-start notices.
    WriteFile(profile.filePath("user/registrymodifications.xcu"),
              R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="ShowTipOfTheDay" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Office.Common/Misc"><prop oor:name="FirstRun" oor:op="fuse"><value>false</value></prop></item>
<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse"><value>7.4</value></prop></item>
</oor:items>
)");
    RealProgram writer("soffice",
                       {"--writer", "--norestore", "--nologo",
                        "-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString()});
    const Desktop::Window window = WaitForWindow("libreoffice-writer", 90000);
    if (!writer.started() || !window)
        GTEST_SKIP() << "Writer did not start: its window did not appear";
    ASSERT_TRUE(WaitUntil([&] { return WindowTitle(window).contains("Writer"); }, 30000));
    ASSERT_LT(RedPixels(window), 100);

    GlimmoraWindow glimmora(home, "LibreOffice Writer");
    ASSERT_TRUE(glimmora.ready());
    ASSERT_EQ(glimmora.chosen(), "LibreOffice Writer");
    ClickOnEachLayoutAndSeeThePictureAdded(glimmora, window);
    WaitMilliseconds(1000);
    EXPECT_LT(RedPixels(window), (kLayouts.size() + 1) * 1000) << "more pictures than clicks";
    const QString text = CopyAllText(window);
    EXPECT_FALSE(text.contains(QRegularExpression("[^\\s\\x{FFFC}]")))
        << "letters in the document: " << text.toStdString();
    EXPECT_FALSE(text.contains('\n')) << "a paragraph break in the document";
}

} // namespace

int main(int argc, char** argv) {
    // Openbox manages the windows of the suite's X server, as on a real desktop; or nothing does.
    const bool bare = qgetenv("GLIMMORA_REALPROGRAMS_DESKTOP") == "bare";
    return RunTestsOnPrivateXServer(
        argc, argv, bare ? PrivateDesktop::Kind::Bare : PrivateDesktop::Kind::WindowManager);
}
