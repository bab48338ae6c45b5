// The portal desktop (GNOME, KDE Plasma) against a recording stand-in of the portal.
#include "platform/portal/portal_desktop.h"

#include "integration/insertion.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "platform/current_desktop.h"
#include "platform/gnome_shortcut.h"
#include "platform/hotkey_binding.h"
#include "platform/key_synth.h"
#include "support/portal_standin.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Control_L, Alt_L and the letters as keysyms.
constexpr int kControl = 0xffe3, kAlt = 0xffe9;

QString Key(int keysym, int state) {
    return QStringLiteral("key %1 %2").arg(keysym).arg(state);
}

class PortalDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(portal.ok()) << portal.error().toStdString();
        qunsetenv("XDG_CURRENT_DESKTOP"); // KWin's scripting is not part of these cases
        setup.bus = portal.clientBus();
        SetDesktopProgramInfo({home.userData(), {}});
        setup.ownFocus = [this] { return !handedBack || keepFocus; };
        setup.handBack = [this] {
            handedBack = true;
            keysBeforeHandBack = portal.callsStartingWith("key ").size();
        };
    }
    void TearDown() override { SetChosenMailDefIndexSource({}); }

    std::unique_ptr<Desktop> StartedDesktop() {
        std::unique_ptr<Desktop> desktop = CreatePortalDesktop(setup);
        EXPECT_TRUE(desktop);
        // Keys can be typed once the portal's answer to Start has arrived.
        EXPECT_TRUE(WaitFor([&] { return desktop && desktop->createKeySink(); }, 5000));
        return desktop;
    }

    // A picture and a definition that switches to HTML with Alt+O, Z and pastes with Ctrl+V.
    void InsertWithDefinition(Desktop& desktop) {
        const QString picture = home.home() + "wink.png";
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(picture, "PNG"));
        const QString path = home.userData() + "glimmora.maildef.ini";
        WriteFile(path, "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\n"
                        "name=Test mail\r\nlanguage=en\r\nwindowclass=thunderbird\r\n"
                        "tohtmlkeys=|ALT|o|EALT|z\r\ninsert=|STRG|v|ESTRG|\r\n");
        LoadMailDefs(path);
        SetChosenMailDefIndexSource([] { return 0; });
        CreateTranslationTable("Glimmora");
        InsertPicture(desktop, picture, [this](const QString& text) { reports.append(text); });
    }

    TempHome home;
    PortalStandIn portal;
    PortalDesktopSetup setup;
    bool handedBack = false;
    bool keepFocus = false;
    qsizetype keysBeforeHandBack = -1;
    QStringList reports;
};

TEST_F(PortalDesktopTest, ChosenInAWaylandSessionWhereTheCompositorOffersNoProtocolOfItsOwn) {
    // No compositor answers here: the wlroots desktop cannot serve, the portal can.
    qputenv("WAYLAND_DISPLAY", "glimmora-no-such-display");
    const QByteArray sessionBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", portal.address().toUtf8());
    const std::unique_ptr<Desktop> desktop = CreateWaylandDesktop();
    qunsetenv("WAYLAND_DISPLAY");
    if (sessionBus.isEmpty())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", sessionBus);
    ASSERT_TRUE(desktop);
    EXPECT_EQ(desktop->name(), "portal");
    EXPECT_TRUE(WaitFor([&] { return portal.callsStartingWith("CreateSession").size() == 1; }));
}

TEST_F(PortalDesktopTest, AsksOnceForAKeyboardSessionAndKeepsThePermission) {
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    EXPECT_EQ(portal.calls().join(", "),
              "CreateSession RemoteDesktop, SelectDevices types=1 persist_mode=2, Start");
    // In the data folder, for the next start.
    EXPECT_EQ(ReadFile(home.userData() + "portal.token"), "token-1");

    desktop.reset();
    desktop = StartedDesktop();
    EXPECT_EQ(portal.callsStartingWith("SelectDevices").value(1),
              "SelectDevices types=1 persist_mode=2 restore_token=token-1");
    EXPECT_EQ(portal.callsStartingWith("CreateSession").size(), 2) << "one session per start";
    EXPECT_EQ(ReadFile(home.userData() + "portal.token"), "token-2");
}

TEST_F(PortalDesktopTest, TypesTheDefinitionsKeysAfterTheFocusWentBack) {
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    InsertWithDefinition(*desktop);
    const QStringList expected = {Key(kAlt, 1), Key('o', 1),     Key('o', 0),      Key(kAlt, 0),
                                  Key('z', 1),  Key('z', 0),     Key(kControl, 1), Key('v', 1),
                                  Key('v', 0),  Key(kControl, 0)};
    EXPECT_TRUE(WaitFor([&] { return portal.callsStartingWith("key ").size() >= 10; }, 5000));
    EXPECT_EQ(portal.callsStartingWith("key ").join(", "), expected.join(", "));
    EXPECT_EQ(keysBeforeHandBack, 0) << "the focus goes back first";
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(PortalDesktopTest, AKeyRefusedHalfWayEndsTheSequenceReleasesWhatItPressedAndSaysSo) {
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    portal.refuseKey(8); // the press of v
    InsertWithDefinition(*desktop);
    const QStringList expected = {Key(kAlt, 1), Key('o', 1), Key('o', 0), Key(kAlt, 0), Key('z', 1),
                                  Key('z', 0), Key(kControl, 1),
                                  // released, as it may have arrived
                                  Key('v', 0), Key(kControl, 0)};
    EXPECT_EQ(portal.callsStartingWith("key ").join(", "), expected.join(", "));
    EXPECT_EQ(reports.join('\n'), GetText(313).replace("%1", "Test mail"));
}

// A kept permission that the desktop no longer holds: it asks again, and the answer is no.
TEST_F(PortalDesktopTest, PermissionRefusedIsToldNothingIsTypedAndTheOldTokenGoes) {
    WriteFile(home.userData() + "portal.token", "token-0");
    portal.answerStartWith(1); // the user cancelled the desktop's dialog
    std::unique_ptr<Desktop> desktop = CreatePortalDesktop(setup);
    ASSERT_TRUE(WaitFor([&] { return desktop->typing() == Desktop::Typing::Refused; }, 5000));
    InsertWithDefinition(*desktop);
    EXPECT_FALSE(handedBack) << "Glimmora stays in sight for the message";
    EXPECT_EQ(reports.join('\n'), GetText(311));
    EXPECT_EQ(portal.callsStartingWith("Start").size(), 1) << "asked once per run";
    EXPECT_FALSE(QFile::exists(home.userData() + "portal.token"));
}

TEST_F(PortalDesktopTest, OnKdePlasmaKWinActivatesTheDefinitionsWindowFirst) {
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    InsertWithDefinition(*desktop);
    qunsetenv("XDG_CURRENT_DESKTOP");
    const QStringList loaded = portal.callsStartingWith("loadScript ");
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_TRUE(ReadFile(loaded[0].mid(11)).contains("var wanted = [\"thunderbird\"][0];"));
    EXPECT_EQ(portal.callsStartingWith("run ").join(", "), "run /Scripting/Script1");
    // The stand-in KWin moves no focus: Glimmora then steps aside as elsewhere.
    EXPECT_TRUE(handedBack);
    EXPECT_TRUE(WaitFor([&] { return portal.callsStartingWith("key ").size() >= 10; }, 5000));
}

TEST_F(PortalDesktopTest, SendsNothingWhileGlimmoraKeepsTheFocus) {
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    keepFocus = true;
    InsertWithDefinition(*desktop);
    WaitFor([] { return false; }, 200);
    EXPECT_TRUE(handedBack);
    EXPECT_TRUE(portal.callsStartingWith("key ").isEmpty());
    EXPECT_EQ(reports.join('\n'), GetText(300));
}

TEST_F(PortalDesktopTest, SessionClosedByTheDesktopTypesNoMore) {
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    portal.closeRemoteSession();
    EXPECT_TRUE(WaitFor([&] { return !desktop->createKeySink(); }, 5000));
    EXPECT_FALSE(desktop->hasInputFocus(desktop->findWindowByClass("thunderbird")));
    InsertWithDefinition(*desktop);
    EXPECT_TRUE(portal.callsStartingWith("key ").isEmpty());
    EXPECT_EQ(reports.join('\n'), GetText(312));
}

// GNOME 48's portal answers 2 where it did bind, with the shortcuts it bound.
TEST_F(PortalDesktopTest, GlobalShortcutPressTogglesThroughTheHotKey) {
    for (const uint answer : {0u, 2u}) {
        SCOPED_TRACE(answer);
        portal.answerBindWith({answer, true});
        std::unique_ptr<Desktop> desktop = StartedDesktop();
        std::unique_ptr<DesktopHotKey> hotKey = desktop->grabHotKey(nullptr);
        ASSERT_TRUE(WaitFor([&] { return hotKey->registered(); }, 5000));
        EXPECT_EQ(portal.callsStartingWith("BindShortcuts").last(),
                  "BindShortcuts toggle CTRL+ALT+s");
        EXPECT_TRUE(portal.callsStartingWith("setShortcut").isEmpty());
        // Settings names the key as the desktop describes it, also once the user changed it.
        EXPECT_EQ(BoundHotKey(), "CTRL+ALT+s");
        portal.changeTrigger("toggle", "Super+G");
        EXPECT_TRUE(WaitFor([] { return BoundHotKey() == "Super+G"; }, 5000));
        int pressed = 0;
        QObject::connect(hotKey.get(), &DesktopHotKey::activated, [&] { ++pressed; });
        portal.activate("toggle");
        EXPECT_TRUE(WaitFor([&] { return pressed == 1; }, 5000));
        portal.activate("something-else");
        WaitFor([] { return false; }, 100);
        EXPECT_EQ(pressed, 1);
        hotKey.reset();
        EXPECT_EQ(BoundHotKey(), "");
    }
}

// Plasma's first global-shortcuts portal opens its settings page at each BindShortcuts: a key it
// knows is not bound again.
TEST_F(PortalDesktopTest, OnPlasmaAKnownShortcutIsNotBoundAgain) {
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    for (int start = 0; start < 3; ++start) {
        std::unique_ptr<Desktop> desktop = StartedDesktop();
        std::unique_ptr<DesktopHotKey> hotKey = desktop->grabHotKey(nullptr);
        ASSERT_TRUE(WaitFor([&] { return hotKey->registered(); }, 5000));
        EXPECT_EQ(BoundHotKey(), "CTRL+ALT+s");
    }
    EXPECT_EQ(portal.callsStartingWith("ListShortcuts").size(), 3);
    EXPECT_EQ(portal.callsStartingWith("BindShortcuts").size(), 1);
}

TEST_F(PortalDesktopTest, ClosingTheHotKeyEndsItsPortalSession) {
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    std::unique_ptr<DesktopHotKey> hotKey = desktop->grabHotKey(nullptr);
    ASSERT_TRUE(WaitFor([&] { return hotKey->registered(); }, 5000));
    const qsizetype closes = portal.callsStartingWith("Close").size();
    hotKey.reset();
    EXPECT_TRUE(WaitFor([&] { return portal.callsStartingWith("Close").size() > closes; }, 5000));
}

TEST_F(PortalDesktopTest, PortalThatBindsNoKeyLeavesTheHotKeyToKdesGlobalAccelerators) {
    portal.answerBindWith({0, false}); // success, and an empty list
    std::unique_ptr<Desktop> desktop = StartedDesktop();
    std::unique_ptr<DesktopHotKey> hotKey = desktop->grabHotKey(nullptr);
    ASSERT_TRUE(WaitFor([&] { return hotKey->registered(); }, 5000));
    EXPECT_EQ(portal.callsStartingWith("setShortcut").size(), 2);
    int pressed = 0;
    QObject::connect(hotKey.get(), &DesktopHotKey::activated, [&] { ++pressed; });
    portal.pressKdeShortcut("toggle");
    EXPECT_TRUE(WaitFor([&] { return pressed == 1; }, 5000));
    EXPECT_EQ(BoundHotKey(), "Ctrl+Alt+S");
    portal.changeKdeShortcut("toggle", (Qt::META | Qt::Key_G).toCombined());
    EXPECT_TRUE(WaitFor([] { return BoundHotKey() == "Meta+G"; }, 5000))
        << BoundHotKey().toStdString();
}

} // namespace

namespace {

const QString kOurs = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/glimmora/";

// GNOME's settings through a stand-in gsettings on the PATH: each key in a file of its own, every
// change logged.
class FakeGsettings {
public:
    explicit FakeGsettings(const QString& folder) : folder_(folder), path_(qgetenv("PATH")) {
        QDir().mkpath(folder_ + "bin");
        setList("['/custom0/']");
        WriteFile(folder_ + "bin/gsettings",
                  ("#!/bin/sh\necho \"$*\" >> '" + folder_ +
                   "log'\n"
                   "f='" +
                   folder_ +
                   "'key-$(echo \"$2 $3\" | md5sum | cut -c1-8)\n"
                   "if [ \"$1\" = get ]; then cat \"$f\"; else echo \"$4\" > \"$f\"; fi\n")
                      .toUtf8());
        QFile::setPermissions(folder_ + "bin/gsettings", QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", (folder_ + "bin:").toUtf8() + path_);
    }
    ~FakeGsettings() { qputenv("PATH", path_); }
    // The list of GNOME's custom shortcuts, as the user's settings hold it.
    void setList(const QByteArray& list) { WriteFile(keyFile("custom-keybindings"), list); }
    // The key of our shortcut, as the user changed it in GNOME's settings.
    void setOurKey(const QByteArray& accelerator) {
        WriteFile(keyFile(".custom-keybinding:" + kOurs + " binding"), "'" + accelerator + "'");
    }
    QString list() const {
        return QString::fromUtf8(ReadFile(keyFile("custom-keybindings"))).trimmed();
    }
    QStringList changes() const {
        return QString::fromUtf8(ReadFile(folder_ + "log")).split('\n').filter("set ");
    }

private:
    // A key of the media-keys schema ("custom-keybindings"), or of one of its relocatable
    // children (".custom-keybinding:<path> binding").
    QString keyFile(QString key) const {
        if (!key.startsWith('.'))
            key.prepend(' ');
        const QByteArray words =
            "org.gnome.settings-daemon.plugins.media-keys" + key.toUtf8() + "\n";
        return folder_ + "key-" +
               QCryptographicHash::hash(words, QCryptographicHash::Md5).toHex().left(8);
    }
    QString folder_;
    QByteArray path_;
};

TEST(GnomeShortcutTest, AddsOurShortcutBesideTheUsersOwnOnce) {
    TempHome home;
    FakeGsettings gsettings(home.home());
    EXPECT_TRUE(AddGnomeToggleShortcut());
    EXPECT_TRUE(AddGnomeToggleShortcut());
    EXPECT_EQ(gsettings.list(), "['/custom0/', '" + kOurs + "']");
    const QStringList changes = gsettings.changes();
    const QString entry =
        "set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:" + kOurs;
    EXPECT_EQ(changes.filter("custom-keybindings ").size(), 1) << "listed once";
    EXPECT_EQ(changes.filter(entry + " binding '<Primary><Alt>s'").size(), 1)
        << "the key of the first time stays";
    const QStringList command = changes.filter(entry + " command ");
    ASSERT_EQ(command.size(), 2);
    EXPECT_TRUE(command[0].endsWith(" /toggle'")) << command[0].toStdString();
    EXPECT_EQ(GnomeToggleShortcutKey(), "Ctrl+Alt+S");
}

// On GNOME, where the portal binds no key and no other service does, GNOME's own shortcut takes
// it, once: one that the user removed stays removed.
TEST_F(PortalDesktopTest, OnGnomeAPortalThatBindsNoKeyLeavesItToGnomesShortcutsOnce) {
    FakeGsettings gsettings(home.home());
    portal.dropKdeAccelerators();
    portal.answerBindWith({2, false});
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    qputenv("WAYLAND_DISPLAY", "glimmora-test");
    const auto hotKeyBound = [&] {
        std::unique_ptr<Desktop> desktop = StartedDesktop();
        std::unique_ptr<DesktopHotKey> hotKey = desktop->grabHotKey(nullptr);
        WaitFor([&] { return !portal.callsStartingWith("BindShortcuts").isEmpty(); }, 5000);
        WaitFor([&] { return hotKey->registered(); }, 1000);
        return hotKey->registered();
    };
    EXPECT_TRUE(hotKeyBound());
    EXPECT_EQ(gsettings.list(), "['/custom0/', '" + kOurs + "']");
    {
        // Settings follows the user's own key for it.
        std::unique_ptr<Desktop> desktop = StartedDesktop();
        std::unique_ptr<DesktopHotKey> hotKey = desktop->grabHotKey(nullptr);
        ASSERT_TRUE(WaitFor([&] { return hotKey->registered(); }, 5000));
        EXPECT_EQ(BoundHotKey(), "Ctrl+Alt+S");
        gsettings.setOurKey("<Super>g");
        EXPECT_EQ(BoundHotKey(), "Super+G");
    }
    EXPECT_EQ(BoundHotKey(), "") << "nothing bound once Glimmora has gone";
    gsettings.setList("['/custom0/']");
    EXPECT_FALSE(hotKeyBound());
    qunsetenv("WAYLAND_DISPLAY");
    EXPECT_EQ(gsettings.list(), "['/custom0/']");
}

} // namespace
