// A real click on a picture of the main window's page puts that picture into the program of the
// chosen mail-client definition: keys, pause and paste as the recording target client sees them.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "dialogs/settings_form.h"
#include "dialogs/window_test_support.h"
#include "integration/insertion.h"
#include "integration/mail_defs.h"
#include "integration/x11_test_env.h"
#include "localisation/translation_table.h"
#include "support/test_env.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QImage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

const QString kTargetClass = QStringLiteral("GlimmoraPageTarget");

TEST(PageInsertion, ClickedPictureReachesTheTargetWindow) {
    TempHome home;
    WriteSampleCatalogue(home);
    WriteFile(home.userData() + "glimmora.maildef.ini",
              "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\nname=Target\r\n"
              "language=en\r\nwindowclass=" +
                  kTargetClass.toLatin1() +
                  "\r\ntohtmlkeys=|ALT|o|EALT|\r\n"
                  "insert=|STRG|v|ESTRG|\r\n");
    CreateTranslationTable("Glimmora");

    TargetClient client(kTargetClass);
    ASSERT_TRUE(client.started());

    auto* form = new TForm1(QStringList{"glimmora"});
    Form1 = form;
    SettingsForm = new TSettingsForm(); // its list is where the chosen definition comes from
    ASSERT_EQ(MailDefList().size(), 1u);
    form->FirstShowPending = false;
    form->LoadCatalogue();
    form->move(0, 0);
    form->show();
    form->SelectStartCategory();
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
    ASSERT_TRUE(WaitFor([&] { return PageImageSources(form->WebBrowser1).size() == 2; }));

    ASSERT_TRUE(ClickPicture(form->WebBrowser1, 1));
    ASSERT_TRUE(client.waitForLine("PASTE done", 20000)) << client.lines().join('\n').toStdString();
    ASSERT_TRUE(WaitUntil([&] { return client.keys().size() >= 6; }));

    QStringList names;
    for (const QStringList& key : client.keys())
        names << key[0] + ' ' + key[1];
    EXPECT_EQ(names, (QStringList{"press Alt_L", "press o", "release o", "release Alt_L",
                                  "press Control_L", "press v", "release v", "release Control_L"}));
    const auto keys = client.keys();
    EXPECT_GE(keys[4][4].toLong() - keys[3][4].toLong(), 499);

    const QString picture = home.programDir() + "GlimmoraData/faces/happy/grin/b c#1.png";
    const QByteArray bytes = ReadFile(picture);
    const QString sha1 =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    EXPECT_EQ(client.lineStartingWith("PASTE png "), QStringLiteral("PASTE png 40x30"));
    EXPECT_EQ(client.lineStartingWith("PASTE html "),
              QStringLiteral("PASTE html 1 image/png %1 0").arg(sha1));
    EXPECT_FALSE(InsertionRunning());

    delete SettingsForm;
    SettingsForm = nullptr;
    delete form;
    Form1 = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    PrivateXServer server;
    if (!server.ok())
        return 1;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
