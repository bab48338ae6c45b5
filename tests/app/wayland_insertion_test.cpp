// On a headless sway, Glimmora's main window as a native Wayland client: a real click (a virtual
// pointer) on a picture of its page puts that picture into the Wayland program that the chosen
// definition names by its app id, whatever the keyboard layout, also when that program is hidden.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "dialogs/settings_form.h"
#include "integration/insertion.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "platform/current_desktop.h"
#include "platform/key_synth.h"
#include "support/headless_sway.h"
#include "support/line_process.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

const HeadlessSway* g_sway = nullptr;
const QString kAppId = QStringLiteral("org.example.Mail");

// A Wayland process of the test's own.
class Client : public LineProcess {
public:
    Client(const QString& program, const QStringList& arguments)
        : LineProcess(program, arguments,
                      g_sway->clientEnvironment(QProcessEnvironment::systemEnvironment())) {}
};

struct Case {
    const char* layout;
    bool hidden; // in sway's scratchpad, its stand-in for minimised windows
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.layout << (c.hidden ? ", hidden" : "");
}

class WaylandInsertion : public testing::TestWithParam<Case> {
protected:
    void SetUp() override { form = OpenMainWindowForAppIds(home, "other " + kAppId.toLatin1()); }
    void TearDown() override { CloseMainWindow(form); }

    TempHome home;
    const QString picture = WaylandTestPicture(home);
    TForm1* form = nullptr;
};

TEST_P(WaylandInsertion, ClickedPictureLandsInTheProgramOfTheAppId) {
    ASSERT_EQ(CurrentDesktop().name(), "wlroots");
    ASSERT_TRUE(
        g_sway->command(QStringLiteral("input type:keyboard xkb_layout ") + GetParam().layout));
    Client target(GLIMMORA_WAYLAND_TARGET_CLIENT, {kAppId});
    ASSERT_TRUE(target.waitForLine("READY"));
    if (GetParam().hidden) {
        ASSERT_TRUE(g_sway->command("[app_id=\"" + kAppId + "\"] move scratchpad"));
    }

    form->show();
    form->SelectStartCategory();
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
    int index = -1;
    ASSERT_TRUE(WaitFor([&] {
        index = int(
            PageImageSources(form->WebBrowser1).indexOf(QUrl::fromLocalFile(picture).toString()));
        return index >= 0;
    })) << PageImageSources(form->WebBrowser1).join('\n').toStdString();
    const std::optional<QPoint> centre = PictureCentre(form->WebBrowser1, index);
    ASSERT_TRUE(centre);
    QRect window;
    ASSERT_TRUE(WaitFor([&] { return !(window = g_sway->contentRect("glimmora")).isNull(); }))
        << g_sway->query("get_tree").toStdString();
    const QPoint point = window.topLeft() + form->WebBrowser1->mapTo(form, *centre);

    Client mouse(GLIMMORA_VIRTUAL_POINTER, {QString::number(HeadlessSway::kOutputWidth),
                                            QString::number(HeadlessSway::kOutputHeight)});
    const QByteArray at = QByteArray::number(point.x()) + ' ' + QByteArray::number(point.y());
    // A new pointer reaches a window only once it has taken up the seat's new capability.
    ASSERT_TRUE(WaitFor([&] {
        mouse.write("move " + at);
        WaitFor([] { return false; }, 100);
        return form->WebBrowser1->underMouse();
    }));
    mouse.write("click " + at);
    ASSERT_TRUE(mouse.waitForLine("CLICKED", 10000));
    ASSERT_TRUE(target.waitForLine("PASTE done", 30000)) << target.lines().join('\n').toStdString();

    // Alt+o, then Ctrl+v: keysyms o and v whatever the layout.
    EXPECT_EQ(target.lines().filter("KEY "),
              (QStringList{"KEY ffe9 A", "KEY 6f A", "KEY ffe3 C", "KEY 76 C"}));
    EXPECT_TRUE(target.lines().filter("PASTE types ").value(0).contains("image/jpeg"));
    EXPECT_TRUE(target.waitForLine(QString::fromUtf8("PASTE text \U0001F600")));
    EXPECT_TRUE(target.waitForLine("PASTE png 40x30"));
    const QByteArray sha1 = QCryptographicHash::hash(ReadFile(picture), QCryptographicHash::Sha1);
    EXPECT_TRUE(target.waitForLine("PASTE html image/jpeg " + sha1.toHex()))
        << target.lines().join('\n').toStdString();
    EXPECT_FALSE(InsertionRunning());
}

using WaylandClipboard = WaylandInsertion;

// Set, the clipboard is the compositor's at once, before anything can move the focus away (a
// compositor may cancel a clipboard that a client without focus sets): another program finds it
// while Glimmora has not yet returned to its event loop.
TEST_F(WaylandClipboard, IsTheCompositorsWhenSettingItReturns) {
    form->show();
    QRect window;
    ASSERT_TRUE(WaitFor([&] { return !(window = g_sway->contentRect("glimmora")).isNull(); }));
    // Only a client that the user has just used may set the clipboard: a click first.
    Client mouse(GLIMMORA_VIRTUAL_POINTER, {QString::number(HeadlessSway::kOutputWidth),
                                            QString::number(HeadlessSway::kOutputHeight)});
    const QPoint centre = window.center();
    const QByteArray at = QByteArray::number(centre.x()) + ' ' + QByteArray::number(centre.y());
    ASSERT_TRUE(WaitFor([&] {
        mouse.write("move " + at);
        WaitFor([] { return false; }, 100);
        return form->underMouse();
    }));
    mouse.write("click " + at);
    ASSERT_TRUE(mouse.waitForLine("CLICKED", 10000));

    auto* data = new QMimeData;
    data->setData("application/x-glimmora-test", "1");
    ASSERT_TRUE(CurrentDesktop().setClipboard(data));
    QProcess paste;
    paste.setProcessEnvironment(
        g_sway->clientEnvironment(QProcessEnvironment::systemEnvironment()));
    paste.start("wl-paste", {"--list-types"});
    ASSERT_TRUE(paste.waitForFinished(5000));
    EXPECT_TRUE(paste.readAllStandardOutput().contains("application/x-glimmora-test"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, WaylandInsertion,
                         testing::Values(Case{"us", false}, Case{"ru", true}));

} // namespace

int main(int argc, char** argv) {
    // The compositor comes first: the application connects to it as it starts.
    HeadlessSway sway;
    if (!sway.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(sway.error()));
        return 1;
    }
    g_sway = &sway;
    const QProcessEnvironment env =
        sway.clientEnvironment(QProcessEnvironment::systemEnvironment());
    BecomeWaylandClient(env, {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    // The page is placed on the screen by the compositor; Qt's own frame would move it.
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    QApplication app(argc, argv);
    // Every real seat has a keyboard: with none, a window would take up the first one only after
    // the first keys.
    CurrentDesktop().createKeySink();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
