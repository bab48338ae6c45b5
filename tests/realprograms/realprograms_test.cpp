// A real click on a picture of Glimmora's page puts that picture into real programs from Debian,
// chosen by the shipped definitions, under the openbox window manager, with a US and a
// Cyrillic-only keyboard layout; the result is read back from the program itself: the web
// composer page reports what was pasted in its title, Thunderbird's composer is photographed.
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
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
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
    RealProgram(const QString& program, const QStringList& arguments) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
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
        for (size_t i = 0; i < MailDefList().size(); ++i) {
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

const QStringList kLayouts = {"us", "ru"};

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
    WaitMilliseconds(2000);
    const QRect area = WindowGeometry(composer);
    ClickAt(area.topLeft() + QPoint(area.width() / 3, area.height() * 2 / 3));
    WaitMilliseconds(500);
    ASSERT_LT(RedPixels(composer), 100);

    GlimmoraWindow glimmora(home, "Thunderbird");
    ASSERT_TRUE(glimmora.ready());
    ASSERT_EQ(glimmora.chosen(), "Thunderbird");
    int pictures = 0;
    for (const QString& layout : kLayouts) {
        SCOPED_TRACE(layout.toStdString());
        ASSERT_TRUE(SetKeyboardLayout(layout));
        ASSERT_TRUE(glimmora.ClickRedPicture());
        ++pictures;
        // The 40 x 30 picture, once more for every click.
        EXPECT_TRUE(WaitUntil([&] { return RedPixels(composer) >= pictures * 1100; }, 15000))
            << RedPixels(composer) << " red pixels in the composer";
    }
    SetKeyboardLayout("us");
}

TEST(RealPrograms, WebComposerInFirefoxTakesThePictureOnEachLayout) {
    const QString firefox = QStandardPaths::findExecutable("firefox-esr").isEmpty()
                                ? QStringLiteral("firefox")
                                : QStringLiteral("firefox-esr");
    if (QStandardPaths::findExecutable(firefox).isEmpty())
        GTEST_SKIP() << "Firefox is not installed (Debian package firefox-esr)";
    ASSERT_TRUE(SetKeyboardLayout("us"));
    TempHome home;
    QTemporaryDir profile;
    WriteFile(profile.filePath("user.js"), R"(user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("startup.homepage_welcome_url", "");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("browser.sessionstore.resume_from_crash", false);
)");
    RealProgram browser(firefox, {"--no-remote", "--new-instance", "--profile", profile.path(),
                                  QUrl::fromLocalFile(GLIMMORA_COMPOSER_PAGE).toString()});
    Desktop::Window window = 0;
    WaitUntil(
        [&] {
            window = FindTargetWindow(CurrentDesktop(), "firefox,firefox-esr");
            return window && WindowTitle(window).startsWith("composer ready");
        },
        90000);
    if (!browser.started() || !window)
        GTEST_SKIP() << "Firefox did not start: the composer page did not appear";

    GlimmoraWindow glimmora(home, "Firefox");
    ASSERT_TRUE(glimmora.ready());
    ASSERT_EQ(glimmora.chosen(), "Firefox");
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

} // namespace

int main(int argc, char** argv) {
    // Openbox manages the windows of the suite's X server, as on a real desktop.
    return RunTestsOnPrivateXServer(argc, argv, PrivateDesktop::Kind::WindowManager);
}
