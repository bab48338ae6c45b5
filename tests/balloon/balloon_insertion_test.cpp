// From the designer to the mail program: "insert picture" saves the balloon and the recording
// target window pastes exactly that picture.
#include "balloon/balloon_form.h"

#include "balloon/balloon_state.h"
#include "integration/data_folders.h"
#include "integration/mail_defs.h"
#include "integration/x11_test_env.h"
#include "support/test_env.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString kTargetClass = QStringLiteral("GlimmoraBalloonMail");

TEST(BalloonInsertion, TargetWindowPastesTheSavedBalloon) {
    TempHome home;
    ASSERT_TRUE(SetKeyboardLayout(QStringLiteral("us")));
    const QString definitions = home.userData() + "glimmora.maildef.ini";
    WriteFile(definitions, "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\n"
                           "name=Test mail\r\nlanguage=en\r\nwindowclass=" +
                               kTargetClass.toLatin1() +
                               "\r\ntohtmlkeys=\r\n"
                               "insert=|STRG|V|ESTRG|\r\n");
    LoadMailDefs(definitions);
    SetChosenMailDefIndexSource([] { return 0; });

    const QString picture = home.home() + "wink.png";
    QImage image(33, 27, QImage::Format_RGB32);
    image.fill(QColor(250, 200, 30));
    ASSERT_TRUE(image.save(picture, "PNG"));
    QDir().mkpath(UserCatalogueFolder());
    SetBalloonPicturePath(picture);

    TargetClient client(kTargetClass);
    ASSERT_TRUE(client.started());
    {
        TBaloonForm form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Memo1->setPlainText(QStringLiteral("Hello\nworld!"));
        const QSize size = form.resultSize();
        // c = 7: bodyW = R(13 x 2.95) + 11 = 49; x0 = 23.
        EXPECT_EQ(size, QSize(23 + 49 + 3, 16 * 2 + 15 + 27));
        QTest::mouseClick(form.SpeedButton1, Qt::LeftButton);
        ASSERT_TRUE(client.waitForLine("PASTE done", 15000))
            << client.lines().join('\n').toStdString();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Accepted);

        const QByteArray saved = ReadFile(TBaloonForm::ResultFilePath());
        ASSERT_FALSE(saved.isEmpty());
        EXPECT_EQ(client.lineStartingWith("PASTE png "),
                  QStringLiteral("PASTE png %1x%2").arg(size.width()).arg(size.height()));
        const QString sha1 =
            QString::fromLatin1(QCryptographicHash::hash(saved, QCryptographicHash::Sha1).toHex());
        EXPECT_EQ(client.lineStartingWith("PASTE html "),
                  QStringLiteral("PASTE html 1 image/jpeg %1 0").arg(sha1));
    }
    SetChosenMailDefIndexSource({});
    SetBalloonPicturePath(QString());
}

} // namespace

int main(int argc, char** argv) {
    PrivateXServer server;
    if (!server.ok()) {
        fprintf(stderr, "no X server for the balloon insertion test\n");
        return 1;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
