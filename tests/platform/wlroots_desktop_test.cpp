// The wlroots desktop against a headless sway and two native Wayland windows of our own.
#include "platform/current_desktop.h"
#include "platform/key_synth.h"
#include "platform/wayland/wlroots_desktop.h"
#include "support/headless_sway.h"
#include "support/wait.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// One recording window; its lines are read as they come.
class Target {
public:
    Target(const HeadlessSway& sway, const QString& appId) {
        process_.setProcessEnvironment(
            sway.clientEnvironment(QProcessEnvironment::systemEnvironment()));
        process_.start(GLIMMORA_WAYLAND_TARGET_CLIENT, {appId});
    }
    ~Target() {
        process_.kill();
        process_.waitForFinished();
    }
    bool waitForLine(const QByteArray& line, int ms = 5000) {
        return WaitFor(
            [&] {
                process_.waitForReadyRead(20);
                output_ += process_.readAllStandardOutput();
                return output_.split('\n').contains(line);
            },
            ms);
    }
    QByteArray output() const { return output_; }

private:
    QProcess process_;
    QByteArray output_;
};

} // namespace

class WlrootsDesktopTest : public testing::TestWithParam<const char*> {};

TEST_P(WlrootsDesktopTest, ActivatesTheWindowByAppIdAndTypesThroughItsOwnKeymap) {
    HeadlessSway sway(GetParam());
    ASSERT_TRUE(sway.ok()) << sway.error().toStdString();
    qputenv("WAYLAND_DISPLAY", sway.clientEnvironment({}).value("WAYLAND_DISPLAY").toLocal8Bit());
    Target mail(sway, "org.example.Mail");
    ASSERT_TRUE(mail.waitForLine("READY")) << mail.output().constData();
    Target other(sway, "other"); // opened later: it takes the focus
    ASSERT_TRUE(other.waitForLine("READY"));

    qputenv("GLIMMORA_DESKTOP", "x11");
    EXPECT_FALSE(CreateWaylandDesktop()) << "the override wins";
    qunsetenv("GLIMMORA_DESKTOP");
    const std::unique_ptr<Desktop> desktop = CreateWaylandDesktop();
    ASSERT_TRUE(desktop) << "sway offers what the wlroots desktop needs";
    EXPECT_EQ(desktop->name(), "wlroots");
    EXPECT_EQ(desktop->findWindowByClass("absent"), 0u);
    // A window is listed once mapped, which follows its first expose.
    Desktop::Window window = 0, later = 0;
    ASSERT_TRUE(WaitFor(
        [&] {
            later = desktop->findWindowByClass("other");
            return later && desktop->hasInputFocus(later);
        },
        10000));
    window = desktop->findWindowByClass("ORG.example.mail");
    ASSERT_NE(window, 0u) << "the app id is compared without regard to case";
    EXPECT_FALSE(desktop->hasInputFocus(window));
    desktop->bringToFront(window);
    EXPECT_TRUE(WaitFor([&] { return desktop->hasInputFocus(window); }, 5000));

    // Ctrl+V, then Shift+q and F5: keysyms v, Q and F5 whatever the compositor's layout.
    // The clipboard as another program left it; the paste must find it.
    QProcess copy;
    copy.setProcessEnvironment(sway.clientEnvironment(QProcessEnvironment::systemEnvironment()));
    copy.start("wl-copy", {"pasted text"});
    ASSERT_TRUE(copy.waitForFinished(5000) && copy.exitCode() == 0);

    const std::unique_ptr<KeySink> keys = desktop->createKeySink();
    ASSERT_TRUE(keys);
    // The seat had no keyboard before ours: the window needs a moment to take up the new one.
    WaitFor([] { return false; }, 2000);
    keys->beginSequence();
    for (const auto& [code, down] :
         std::initializer_list<std::pair<std::uint8_t, bool>>{{vk::Control, true},
                                                              {'V', true},
                                                              {'V', false},
                                                              {vk::Control, false},
                                                              {vk::Shift, true},
                                                              {'Q', true},
                                                              {'Q', false},
                                                              {vk::Shift, false},
                                                              {vk::F1 + 4, true},
                                                              {vk::F1 + 4, false}}) {
        if (down)
            keys->keyDown(code, keys->MapVirtualKey(code));
        else
            keys->keyUp(code, keys->MapVirtualKey(code));
    }
    keys->endSequence();
    EXPECT_TRUE(mail.waitForLine("KEY 76 C")) << mail.output().constData();
    EXPECT_TRUE(mail.waitForLine("PASTE text pasted text")) << mail.output().constData();
    EXPECT_TRUE(mail.waitForLine("KEY 51 S")) << mail.output().constData();
    EXPECT_TRUE(mail.waitForLine("KEY ffc2 -")) << mail.output().constData();
    EXPECT_FALSE(other.output().contains("KEY")) << "keys reached the window left behind";
}

INSTANTIATE_TEST_SUITE_P(Layouts, WlrootsDesktopTest, testing::Values("us", "ru"));
