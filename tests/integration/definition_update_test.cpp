#include "integration/definition_update.h"

#include "app/forms.h"
#include "app/settings.h"
#include "dialogs/dialogs.h"
#include "dialogs/settings_form.h"
#include "integration/mail_defs.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "support/http_server.h"
#include "support/test_env.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSslConfiguration>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace {

const QString kPath = QStringLiteral("/updatedata/glimmora.maildef.ini");

const QByteArray kInstalled = "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n"
                              "[0]\r\nname=Beta\r\nlanguage=de\r\n"
                              "[1]\r\nname=Alpha\r\nlanguage=en\r\n";

// The closing notice with the line that tells why nothing was installed.
const QString kNotDelivered = QStringLiteral("List updated.\n\nNot delivered.");
const QString kNotValid = QStringLiteral("List updated.\n\nNot valid.");
const QString kNotSaved = QStringLiteral("List updated.\n\nNot saved.");

// The update server speaks https with a certificate that this test program alone trusts.
class DefinitionUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(TestHttpServer::SelfSigned().certificate.isNull()) << "openssl failed";
        QSslConfiguration trusting = systemTls;
        trusting.addCaCertificate(TestHttpServer::SelfSigned().certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        WriteFile(home.userData() + "Glimmora.def",
                  "[1]\r\nGlimmora\r\n[30]\r\nList updated.\r\n[210]\r\nNot delivered.\r\n"
                  "[211]\r\nNot valid.\r\n[212]\r\nNot saved.\r\n[END]\r\n");
        CreateTranslationTable("Glimmora");
        WriteFile(Installed(), kInstalled);
        LoadMailDefs(Installed());
        Settings().chosenMailDef = 1;
        SettingsForm = new TSettingsForm(RecordSettingsStore());
        SettingsForm->UpdateAddress = server.url(kPath);
        SetMailDefUpdateNotice([this](const QString& text) {
            notices.append(text);
            buttonEnabledDuringNotice = SettingsForm->BitBtn1->isEnabled();
        });
    }
    void TearDown() override {
        QSslConfiguration::setDefaultConfiguration(systemTls);
        SetMailDefUpdateNotice({});
        delete SettingsForm;
        SettingsForm = nullptr;
    }

    QString Installed() const { return home.userData() + "glimmora.maildef.ini"; }
    QString Temp() const { return home.userData() + "temp.tmp"; }

    QStringList ListTexts() const {
        QStringList texts;
        for (int i = 0; i < SettingsForm->ComboBox1->count(); ++i)
            texts.append(SettingsForm->ComboBox1->itemText(i));
        return texts;
    }

    // The state that an update which installs nothing must leave as it was.
    void ExpectNothingChanged(const QString& notice) {
        EXPECT_EQ(ReadFile(Installed()), kInstalled);
        ExpectListKept(notice);
    }
    void ExpectListKept(const QString& notice) {
        EXPECT_EQ(ListTexts(), (QStringList{"Alpha (en)", "Beta (de)"}));
        ASSERT_EQ(MailDefList().size(), 2u);
        EXPECT_EQ(MailDefList()[0]->Name, "Alpha");
        EXPECT_EQ(SettingsForm->ComboBox1->currentIndex(), 1);
        EXPECT_EQ(notices, QStringList{notice});
    }

    const QSslConfiguration systemTls = QSslConfiguration::defaultConfiguration();
    TempHome home;
    TestHttpServer server{TestHttpServer::SelfSigned()};
    QStringList notices;
    bool buttonEnabledDuringNotice = true;
};

TEST_F(DefinitionUpdateTest, ValidDownloadIsInstalledAndRefillsTheList) {
    const QByteArray download = "[Glimmora]\r\nmaildef_version=2\r\nvalid_for_Version_1=1\r\n"
                                "[0]\r\nname=Solo\r\nlanguage=fr\r\ninsert=|STRG|v|ESTRG|\r\n";
    server.serveBody(kPath, download);
    SettingsForm->BitBtn1Click();

    EXPECT_EQ(ReadFile(Installed()), download);
    EXPECT_FALSE(QFile::exists(Temp()));
    ASSERT_EQ(MailDefList().size(), 1u);
    EXPECT_EQ(MailDefList()[0]->InsertKeys, QByteArray("\xFCv\xFD"));
    EXPECT_EQ(MailDefVersion(), "2");
    EXPECT_EQ(ListTexts(), QStringList{"Solo (fr)"});
    // The stored position 1 is no longer in the list: nothing is selected.
    EXPECT_EQ(SettingsForm->ComboBox1->currentIndex(), -1);
    EXPECT_THROW(GetChosenMailDef(), std::out_of_range);
    EXPECT_EQ(notices, QStringList{"List updated."});
    // A second update cannot start inside the first while its button is disabled.
    EXPECT_FALSE(buttonEnabledDuringNotice);
    EXPECT_TRUE(SettingsForm->BitBtn1->isEnabled());
}

TEST_F(DefinitionUpdateTest, ValidDownloadReplacesAFileSpelledInOtherCase) {
    QFile::rename(Installed(), home.userData() + "Glimmora.MailDef.ini");
    const QByteArray download = "[Glimmora]\r\nvalid_for_Version_1=1\r\n[0]\r\nname=Solo\r\n";
    server.serveBody(kPath, download);
    UpdateMailDefs(server.url(kPath));
    EXPECT_EQ(ReadFile(home.userData() + "Glimmora.MailDef.ini"), download);
    EXPECT_FALSE(QFile::exists(Installed()));
    EXPECT_EQ(ListTexts(), QStringList{"Solo ()"});
}

TEST_F(DefinitionUpdateTest, AnswerOfTenBytesIsIgnoredAndLeftInTheTemporaryFile) {
    server.serveBody(kPath, "[0]name=X\n");
    SettingsForm->BitBtn1Click();
    ExpectNothingChanged(kNotValid);
    EXPECT_EQ(ReadFile(Temp()), "[0]name=X\n");
}

TEST_F(DefinitionUpdateTest, DownloadNotValidForThisProgramChangesNothing) {
    for (const QByteArray flag : {"valid_for_Version_1=0\r\n", "valid_for_Version_2=1\r\n",
                                  "valid_for_Version_1=yes\r\n"}) {
        SCOPED_TRACE(flag.toStdString());
        notices.clear();
        server.serveBody(kPath,
                         "[Glimmora]\r\nmaildef_version=9\r\n" + flag + "[0]\r\nname=Other\r\n");
        SettingsForm->BitBtn1Click();
        ExpectNothingChanged(kNotValid);
        EXPECT_EQ(MailDefVersion(), "1");
        EXPECT_TRUE(MailDefValid());
        EXPECT_FALSE(QFile::exists(Temp()));
    }
}

TEST_F(DefinitionUpdateTest, ErrorPageChangesNothing) {
    UpdateMailDefs(server.url("/no/such/file.ini"));
    EXPECT_EQ(server.requestCount("/no/such/file.ini"), 1);
    ExpectNothingChanged(kNotDelivered);
}

TEST_F(DefinitionUpdateTest, OversizedAnswerChangesNothing) {
    TestHttpServer::Answer answer;
    answer.generatedSize = kDownloadLimit + 4096;
    server.serve(kPath, answer);
    SettingsForm->BitBtn1Click();
    ExpectNothingChanged(kNotDelivered);
    EXPECT_TRUE(SettingsForm->BitBtn1->isEnabled());
}

TEST_F(DefinitionUpdateTest, ValidFileCutShortByABrokenConnectionIsNotInstalled) {
    const QByteArray whole = "[Glimmora]\r\nvalid_for_Version_1=1\r\n[0]\r\nname=First\r\n"
                             "[1]\r\nname=Second\r\n[2]\r\nname=Third\r\n";
    TestHttpServer::Answer answer;
    answer.body = whole;
    answer.closeAfter = whole.indexOf("[1]");
    server.serve(kPath, answer);
    SettingsForm->BitBtn1Click();
    ExpectNothingChanged(kNotDelivered);
}

TEST_F(DefinitionUpdateTest, UnreachableServerChangesNothing) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    UpdateMailDefs(
        QStringLiteral("https://127.0.0.1:%1/updatedata/glimmora.maildef.ini").arg(port));
    ExpectNothingChanged(kNotDelivered);
}

const QByteArray kValidDownload = "[Glimmora]\r\nvalid_for_Version_1=1\r\n[0]\r\nname=Solo\r\n";

TEST_F(DefinitionUpdateTest, PlainHttpAndRedirectsOffHttpsAreRefusedUnasked) {
    TestHttpServer plain;
    plain.serveBody(kPath, kValidDownload);
    WriteFile(Temp(), "left from an earlier update");
    UpdateMailDefs(plain.url(kPath));
    ExpectNothingChanged(kNotDelivered);
    EXPECT_FALSE(QFile::exists(Temp()));

    notices.clear();
    TestHttpServer::Answer redirect;
    redirect.status = 302;
    redirect.location = plain.url(kPath).toUtf8();
    server.serve(kPath, redirect);
    UpdateMailDefs(server.url(kPath));
    ExpectNothingChanged(kNotDelivered);
    EXPECT_EQ(plain.requestCount(kPath), 0);
    EXPECT_FALSE(QFile::exists(Temp()));
}

TEST_F(DefinitionUpdateTest, ErrorStatusIsRefusedEvenWithAValidBody) {
    server.serveBody(kPath, kValidDownload, 500);
    UpdateMailDefs(server.url(kPath));
    ExpectNothingChanged(kNotDelivered);
    EXPECT_FALSE(QFile::exists(Temp()));
}

TEST_F(DefinitionUpdateTest, UntrustedCertificateIsRefused) {
    QSslConfiguration::setDefaultConfiguration(systemTls);
    server.serveBody(kPath, kValidDownload);
    UpdateMailDefs(server.url(kPath));
    ExpectNothingChanged(kNotDelivered);
    EXPECT_FALSE(QFile::exists(Temp()));
}

TEST_F(DefinitionUpdateTest, FailedInstallIsReportedAndKeepsTheList) {
    // A folder in the installed file's place cannot be renamed over.
    QFile::remove(Installed());
    WriteFile(Installed() + "/keep", "x");
    server.serveBody(kPath, kValidDownload);
    UpdateMailDefs(server.url(kPath));
    ExpectListKept(kNotSaved);
    EXPECT_EQ(ReadFile(Installed() + "/keep"), "x");
}

TEST_F(DefinitionUpdateTest, UpdateStartedInsideARunningUpdateDoesNothing) {
    server.serveBody(kPath, "[Glimmora]\r\nvalid_for_Version_1=1\r\n[0]\r\nname=Solo\r\n");
    SetMailDefUpdateNotice([this](const QString& text) {
        notices.append(text);
        EXPECT_TRUE(MailDefUpdateRunning());
        UpdateMailDefs(server.url(kPath));
    });
    UpdateMailDefs(server.url(kPath));
    EXPECT_EQ(server.requestCount(kPath), 1);
    EXPECT_EQ(notices.size(), 1);
    EXPECT_FALSE(MailDefUpdateRunning());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
