#include "integration/insertion.h"

#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "integration/x11_test_env.h"
#include "platform/current_desktop.h"
#include "support/test_env.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString kTargetClass = QStringLiteral("GlimmoraTestMail");

// These insertions succeed; a report would be a failure.
const InsertionReport kNoReport = [](const QString& message) {
    ADD_FAILURE() << message.toStdString();
};

QString Sha1Of(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
}

class InsertionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetKeyboardLayout(QStringLiteral("us")));
        picture = home.home() + "pictures/wink face.png";
        QImage image(37, 23, QImage::Format_ARGB32);
        image.fill(QColor(200, 120, 40));
        image.setPixelColor(3, 4, Qt::blue);
        QDir().mkpath(home.home() + "pictures");
        ASSERT_TRUE(image.save(picture, "PNG"));
        pictureBytes = ReadFile(picture);
        UseDefinition(kTargetClass, "|ALT|o|EALT|z", "|STRG|V|ESTRG|");
        SetChosenMailDefIndexSource([] { return 0; });
    }

    void TearDown() override {
        SetChosenMailDefIndexSource({});
        SetKeyboardLayout(QStringLiteral("us"));
    }

    void UseDefinition(const QString& windowClass, const QByteArray& toHtml,
                       const QByteArray& insert, const QByteArray& more = {}) {
        const QString path = home.userData() + "glimmora.maildef.ini";
        WriteFile(path, "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\n"
                        "name=Test mail\r\nlanguage=en\r\nwindowclass=" +
                            windowClass.toLatin1() + "\r\ntohtmlkeys=" + toHtml +
                            "\r\ninsert=" + insert + "\r\n" + more);
        LoadMailDefs(path);
        ASSERT_EQ(MailDefList().size(), 1u);
    }

    // The key events as "press|release keysym", in order.
    static QStringList KeyNames(const TargetClient& client) {
        QStringList names;
        for (const QStringList& key : client.keys())
            names.append(key[0] + ' ' + key[1]);
        return names;
    }

    static unsigned StateOf(const TargetClient& client, const QString& action,
                            const QString& keysym) {
        for (const QStringList& key : client.keys()) {
            if (key[0] == action && key[1] == keysym)
                return key[2].toUInt(nullptr, 16);
        }
        return ~0u;
    }

    void ExpectPictureWasPasted(const TargetClient& client, const QImage& image,
                                const QByteArray& original, const QString& type) {
        EXPECT_EQ(client.lineStartingWith("PASTE png "),
                  QStringLiteral("PASTE png %1x%2").arg(image.width()).arg(image.height()));
        EXPECT_EQ(client.lineStartingWith("PASTE html "),
                  QStringLiteral("PASTE html 1 %1 %2 0").arg(type, Sha1Of(original)));
        const QString targets = client.lineStartingWith("PASTE targets ");
        EXPECT_FALSE(targets.contains("text/uri-list")) << targets.toStdString();
    }

    TempHome home;
    QString picture;
    QByteArray pictureBytes;
};

const QStringList kExpectedKeys = {
    "press Alt_L", "press o",         "release o", "release Alt_L", "press z",
    "release z",   "press Control_L", "press v",   "release v",     "release Control_L"};

TEST_F(InsertionTest, TargetReceivesBothSequencesHalfASecondApartAndPastesThePicture) {
    TargetClient client(kTargetClass);
    ASSERT_TRUE(client.started());
    InsertPicture(CurrentDesktop(), picture, kNoReport);
    ASSERT_TRUE(client.waitForLine("PASTE done", 15000)) << client.lines().join('\n').toStdString();
    ASSERT_TRUE(WaitUntil([&] { return client.keys().size() >= kExpectedKeys.size(); }));

    EXPECT_EQ(KeyNames(client), kExpectedKeys) << client.lines().join('\n').toStdString();
    EXPECT_TRUE(StateOf(client, "press", "o") & 0x8);     // Alt (Mod1)
    EXPECT_FALSE(StateOf(client, "press", "z") & 0x9);    // no Alt, no Shift
    EXPECT_EQ(StateOf(client, "press", "v") & 0x5, 0x4u); // Ctrl, no Shift
    const auto keys = client.keys();
    const long lastToHtml = keys[5][4].toLong();
    const long firstInsert = keys[6][4].toLong();
    // Server and program clocks both count whole milliseconds.
    EXPECT_GE(firstInsert - lastToHtml, 499) << lastToHtml << " " << firstInsert;
    ExpectPictureWasPasted(client, QImage(picture), pictureBytes, "image/png");
    EXPECT_FALSE(InsertionRunning());
}

TEST_F(InsertionTest, DialogKeysWaitForTheDialogAndNeverReachTheDocument) {
    // A word processor that ignores its first Ctrl+Shift+V, then opens Paste Special, where "h"
    // and Enter choose HTML.
    UseDefinition(kTargetClass, "|STRG|\xFAv\xFB|ESTRG|", "\"h\r\"",
                  "dialog=1\r\nnodialog=|STRG|v|ESTRG|\r\n");
    TargetClient client(kTargetClass, {"--dialog", "--ignore-first-dialog-key"});
    ASSERT_TRUE(client.started());
    InsertPicture(CurrentDesktop(), picture, kNoReport);
    ASSERT_TRUE(client.waitForLine("DIALOG closed")) << client.lines().join('\n').toStdString();
    QStringList document, dialog;
    for (const QStringList& key : client.keys()) {
        if (key[0] == "press")
            (key.value(5) == "dialog" ? dialog : document).append(key[1]);
    }
    EXPECT_EQ(document, (QStringList{"Control_L", "Shift_L", "V", "Control_L", "Shift_L", "V"}));
    EXPECT_EQ(dialog, (QStringList{"h", "Return"}));
}

class LayoutTest : public InsertionTest, public ::testing::WithParamInterface<const char*> {};

// The server's whole keyboard description, as xkbcomp writes it.
QByteArray KeyboardMapDump() {
    QProcess xkbcomp;
    xkbcomp.start(QStringLiteral("xkbcomp"),
                  {"-xkb", QString::fromLocal8Bit(qgetenv("DISPLAY")), "-"});
    xkbcomp.waitForFinished(10000);
    return xkbcomp.readAllStandardOutput();
}

TEST_P(LayoutTest, DefinitionKeysArriveAsWrittenOnThisLayout) {
    const QString layout = QString::fromLatin1(GetParam());
    ASSERT_TRUE(SetKeyboardLayout(layout));
    const QByteArray mapBefore = KeyboardMapDump();
    ASSERT_FALSE(mapBefore.isEmpty());
    TargetClient client(kTargetClass);
    ASSERT_TRUE(client.started());
    InsertPicture(CurrentDesktop(), QUrl::fromLocalFile(picture).toString(), kNoReport);
    ASSERT_TRUE(client.waitForLine("PASTE done", 15000)) << client.lines().join('\n').toStdString();
    ASSERT_TRUE(WaitUntil([&] { return client.keys().size() >= kExpectedKeys.size(); }));

    // Every layout, the Cyrillic-only one too, delivers the characters' own keysyms, which is how
    // programs match their shortcuts.
    EXPECT_EQ(KeyNames(client), kExpectedKeys) << client.lines().join('\n').toStdString();
    EXPECT_EQ(StateOf(client, "press", "v") & 0x5, 0x4u);
    // The layout really is in force: z sits where this layout has it; a letter that the layout
    // lacks, where a US keyboard has it. Programs that match shortcuts by key position (Chromium)
    // find Ctrl+V on the V key.
    const QMap<QString, QString> zKey = {
        {"de", "AD06"}, {"fr", "AD02"}, {"ru", "AB01"}, {"ru,us", "AB01"}};
    for (const QStringList& key : client.keys()) {
        if (key[1] == "z" && zKey.contains(layout)) {
            EXPECT_EQ(key[3], zKey.value(layout));
        }
        if (key[1] == "v") {
            EXPECT_EQ(key[3], "AB04");
        }
    }
    // On "ru,us" the Latin letters come from the second group, switched for them alone.
    if (layout == "ru,us") {
        EXPECT_EQ(StateOf(client, "press", "v") & 0x6000, 0x2000u);
        EXPECT_EQ(StateOf(client, "release", "Control_L") & 0x6000, 0u);
    }
    ExpectPictureWasPasted(client, QImage(picture), pictureBytes, "image/png");
    // Keys lent to characters the layout lacks have their empty map back.
    EXPECT_EQ(KeyboardMapDump(), mapBefore);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutTest, ::testing::Values("de", "fr", "ru", "ru,us"),
                         [](const auto& info) {
                             QString name = QString::fromLatin1(info.param);
                             return name.replace(',', '_').toStdString();
                         });

TEST_F(InsertionTest, TargetThatRefusesTheFocusGetsNoKeysAndTheUserIsTold) {
    // The English texts, so that the message can be read.
    WriteFile(home.programDir() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    // The pointer rests on the target and the focus follows the pointer: keys typed without
    // waiting for the focus would reach it all the same.
    TargetClient client(kTargetClass, {"--refuse-focus"});
    ASSERT_TRUE(client.started());
    QStringList reports;
    InsertPicture(CurrentDesktop(), picture, [&](const QString& text) { reports << text; });
    WaitMilliseconds(300);
    EXPECT_TRUE(client.keys().isEmpty()) << client.lines().join('\n').toStdString();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith("Test mail did not take the keyboard focus"))
        << reports[0].toStdString();
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(clipboard);
    EXPECT_EQ(QImage::fromData(clipboard->data("image/png")).size(), QSize(37, 23));
    CreateTranslationTable("NoSuchTable");
}

TEST_F(InsertionTest, AnimatedGifKeepsItsBytes) {
    QString gif;
    QDirIterator it(SourceDir() + "shipped", {"*.gif"}, QDir::Files, QDirIterator::Subdirectories);
    if (it.hasNext())
        gif = it.next();
    if (gif.isEmpty())
        GTEST_SKIP() << "no GIF picture in the shipped data";
    const QByteArray gifBytes = ReadFile(gif);
    const QString copy = home.home() + "pictures/blink smiley.gif";
    WriteFile(copy, gifBytes);

    TargetClient client(kTargetClass);
    ASSERT_TRUE(client.started());
    InsertPicture(CurrentDesktop(), QUrl::fromLocalFile(copy).toString(), kNoReport);
    ASSERT_TRUE(client.waitForLine("PASTE done", 15000)) << client.lines().join('\n').toStdString();
    ExpectPictureWasPasted(client, QImage(copy), gifBytes, "image/gif");
    EXPECT_EQ(client.lineStartingWith("PASTE gif "), "PASTE gif " + Sha1Of(gifBytes));
}

} // namespace

int main(int argc, char** argv) {
    return RunTestsOnPrivateXServer(argc, argv);
}
