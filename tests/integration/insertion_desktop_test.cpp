// The insertion's decisions, checked on a recording desktop: no X server, no target program.
#include "integration/insertion.h"

#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "support/recording_desktop.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

constexpr Desktop::Window kTarget = 7;

// "|ALT|o|EALT|z" then "|STRG|V|ESTRG|", as the recording key sink sees them.
const QStringList kExpectedKeys = {"begin",   "down 18", "down 79", "up 79", "up 18",
                                   "down 90", "up 90",   "end",     "begin", "down 17",
                                   "down 86", "up 86",   "up 17",   "end"};

class InsertionDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        picture = home.home() + "pictures/wink face.png";
        QDir().mkpath(home.home() + "pictures");
        QImage image(37, 23, QImage::Format_ARGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(picture, "PNG"));
        UseDefinition("GlimmoraTestMail", "|ALT|o|EALT|z", "|STRG|V|ESTRG|");
        SetChosenMailDefIndexSource([] { return 0; });
        // The messages come from the translation table, as the user's language has them.
        WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t01"));
        CreateTranslationTable("Glimmora");
    }

    void TearDown() override { SetChosenMailDefIndexSource({}); }

    void UseDefinition(const QByteArray& windowClass, const QByteArray& toHtml,
                       const QByteArray& insert, const QByteArray& more = {}) {
        const QString path = home.userData() + "glimmora.maildef.ini";
        WriteFile(path, "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\n"
                        "name=Test mail\r\nlanguage=en\r\nwindowclass=" +
                            windowClass + "\r\ntohtmlkeys=" + toHtml + "\r\ninsert=" + insert +
                            "\r\n" + more);
        LoadMailDefs(path);
        ASSERT_EQ(MailDefList().size(), 1u);
    }

    QStringList Keys() const {
        QStringList keys;
        for (const QString& call : desktop.calls()) {
            if (call == "begin" || call == "end" || call.startsWith("down ") ||
                call.startsWith("up "))
                keys.append(call);
        }
        return keys;
    }

    TempHome home;
    QString picture;
    RecordingDesktop desktop;
    QStringList reports;
    const InsertionReport report = [this](const QString& message) { reports.append(message); };
};

TEST_F(InsertionDesktopTest, MinimisedTargetIsRestoredBeforeTheKeys) {
    desktop.addWindow("glimmoratestmail", kTarget, true);
    InsertPicture(desktop, picture, report);
    const QStringList calls = desktop.calls();
    EXPECT_TRUE(calls.first().startsWith("clipboard image/png")) << calls.join(", ").toStdString();
    const qsizetype restored = calls.indexOf("restore 7");
    ASSERT_GE(restored, 0) << calls.join(", ").toStdString();
    EXPECT_LT(restored, calls.indexOf("keySink"));
    EXPECT_TRUE(desktop.callsStartingWith("bringToFront").isEmpty());
    EXPECT_EQ(Keys(), kExpectedKeys);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_FALSE(InsertionRunning());
}

TEST_F(InsertionDesktopTest, WithoutTargetWindowTheKeysReachTheFocusedWindow) {
    desktop.addWindow("SomeOtherProgram", kTarget);
    InsertPicture(desktop, picture, report);
    EXPECT_EQ(desktop.callsStartingWith("find"), QStringList{"find GlimmoraTestMail"});
    EXPECT_TRUE(desktop.callsStartingWith("restore").isEmpty());
    EXPECT_TRUE(desktop.callsStartingWith("bringToFront").isEmpty());
    EXPECT_EQ(Keys(), kExpectedKeys);
}

TEST_F(InsertionDesktopTest, WithoutChosenDefinitionNothingIsSentButThePictureIsOnTheClipboard) {
    SetChosenMailDefIndexSource([] { return -1; });
    desktop.addWindow("GlimmoraTestMail", kTarget);
    InsertPicture(desktop, picture, report);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_FALSE(GetText(230).isEmpty());
    EXPECT_EQ(reports[0], GetText(230));
    ASSERT_EQ(desktop.calls().size(), 1) << desktop.calls().join(", ").toStdString();
    ASSERT_TRUE(desktop.clipboard());
    EXPECT_EQ(QImage::fromData(desktop.clipboard()->data("image/png")).size(), QSize(37, 23));
}

TEST_F(InsertionDesktopTest, PictureThatCannotBeReadEndsWithAMessageAndTouchesNothing) {
    const QString notAPicture = home.home() + "pictures/notes.png";
    WriteFile(notAPicture, "this is text, not a picture");
    for (const QString& url : {notAPicture, home.home() + "pictures/missing.gif"}) {
        reports.clear();
        InsertPicture(desktop, url, report);
        ASSERT_EQ(reports.size(), 1) << url.toStdString();
        // The path in a directional isolate, so that a mark in a name cannot reorder the message.
        EXPECT_EQ(reports[0], GetText(231).arg(QChar(0x2068) + url + QChar(0x2069)));
    }
    EXPECT_TRUE(desktop.calls().isEmpty()) << desktop.calls().join(", ").toStdString();
}

TEST_F(InsertionDesktopTest, ClickDuringAnInsertionIsIgnored) {
    desktop.addWindow("GlimmoraTestMail", kTarget);
    bool secondCallReturned = false;
    bool runningSeen = false;
    QTimer::singleShot(100, [&] {
        runningSeen = InsertionRunning();
        InsertPicture(desktop, picture, report);
        secondCallReturned = true;
    });
    InsertPicture(desktop, picture, report);
    ASSERT_TRUE(secondCallReturned);
    EXPECT_TRUE(runningSeen);
    EXPECT_EQ(desktop.callsStartingWith("clipboard").size(), 1);
    EXPECT_EQ(Keys(), kExpectedKeys);
}

TEST_F(InsertionDesktopTest, DefinitionMayNameSeveralWindowClasses) {
    UseDefinition("NoSuchMailProgram, GlimmoraTestMail", "", "|STRG|V|ESTRG|");
    desktop.addWindow("GlimmoraTestMail", kTarget);
    InsertPicture(desktop, picture, report);
    EXPECT_EQ(desktop.callsStartingWith("find"),
              (QStringList{"find NoSuchMailProgram", "find GlimmoraTestMail"}));
    EXPECT_EQ(desktop.callsStartingWith("bringToFront"), QStringList{"bringToFront 7"});
    EXPECT_EQ(Keys(), kExpectedKeys.mid(8));
}

TEST_F(InsertionDesktopTest, TextOnlyProgramGetsTheEmojiAsTextAndNoKeysForOwnPictures) {
    UseDefinition("GlimmoraTestMail", "", "|STRG|V|ESTRG|", "pictures=0\r\n");
    desktop.addWindow("GlimmoraTestMail", kTarget);
    const QString emoji = home.programDir() + "GlimmoraData/faces/thumbs-up.png";
    WriteFile(emoji, ReadFile(picture));
    WriteFile(home.programDir() + "GlimmoraData/emoji.dat", "faces/thumbs-up.png\t1F44D 1F3FD\r\n");

    InsertPicture(desktop, picture, report); // the user's own: nothing the program could take
    InsertPicture(desktop, picture, report); // told once is enough
    EXPECT_EQ(reports.size(), 1);
    EXPECT_TRUE(Keys().isEmpty());
    EXPECT_FALSE(desktop.clipboard()->hasText());

    InsertPicture(desktop, emoji, report);
    EXPECT_EQ(Keys(), kExpectedKeys.mid(8));
    EXPECT_EQ(QString::fromUtf8(desktop.clipboard()->data("text/plain;charset=utf-8")),
              QString::fromUtf8("\U0001F44D\U0001F3FD"));
    // Programs that take pictures still find the picture.
    EXPECT_EQ(QImage::fromData(desktop.clipboard()->data("image/png")).size(), QSize(37, 23));
    EXPECT_EQ(reports.size(), 1);
}

TEST_F(InsertionDesktopTest, DialogKeysAreNeverTypedWhereNoDialogCanBeSeen) {
    UseDefinition("GlimmoraTestMail", "|ALT|o|EALT|", "z",
                  "dialog=1\r\nnodialog=|STRG|V|ESTRG|\r\n");
    desktop.addWindow("GlimmoraTestMail", kTarget);
    InsertPicture(desktop, picture, report);
    // This desktop shows no windows of the program: the keys for no dialog alone.
    EXPECT_EQ(Keys(), kExpectedKeys.mid(8));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(InsertionDesktopTest, ModifierLeftPressedByTheDefinitionEndsItsSequence) {
    UseDefinition("GlimmoraTestMail", "|STRG||ALT|x", "");
    desktop.addWindow("GlimmoraTestMail", kTarget);
    InsertPicture(desktop, picture, report);
    // The sink's end releases what is still held; it comes after the last key.
    EXPECT_EQ(Keys(), (QStringList{"begin", "down 17", "down 18", "down 88", "up 88", "end"}));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
