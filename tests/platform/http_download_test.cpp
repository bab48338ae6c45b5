#include "platform/http_download.h"

#include "integration/system_helpers.h"
#include "support/http_server.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Download : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.listening()); }
    TempHome env;
    TestHttpServer server;
    QString target() const { return env.home() + "download.tmp"; }
};

TEST_F(Download, StoresTheContentInBlocksWhileEventsRun) {
    const QByteArray body = TestHttpServer::GeneratedBody(5000);
    server.serveBody("/file.ini", body);
    bool timerRan = false;
    QTimer::singleShot(0, [&timerRan] { timerRan = true; });
    EXPECT_TRUE(DownloadFile(server.url("/file.ini"), target()));
    EXPECT_EQ(ReadFile(target()), body);
    EXPECT_TRUE(timerRan);
    // The agent name is the executable's file name. Header names have no case (Qt 6.8 sends them
    // in lower case).
    const QString agent = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_TRUE(
        server.lastRequest().toLower().contains("\r\nuser-agent: " + agent.toLower().toUtf8()))
        << server.lastRequest().toStdString();
}

TEST_F(Download, StoresAnErrorPageLikeContentAndReplacesTheOldFile) {
    WriteFile(target(), QByteArray(4000, 'o'));
    EXPECT_TRUE(DownloadFile(server.url("/nothing-here"), target()));
    EXPECT_EQ(ReadFile(target()), QByteArray("<html><body><h1>404 Not Found</h1></body></html>"));
    server.serveBody("/err", "broken", 500);
    EXPECT_TRUE(DownloadFile(server.url("/err"), target()));
    EXPECT_EQ(ReadFile(target()), QByteArray("broken"));
}

TEST_F(Download, KeepsWhatArrivedWhenTheServerClosesEarly) {
    TestHttpServer::Answer answer;
    answer.generatedSize = 3000;
    answer.closeAfter = 1500;
    server.serve("/cut", answer);
    EXPECT_TRUE(DownloadFile(server.url("/cut"), target()));
    EXPECT_EQ(ReadFile(target()), TestHttpServer::GeneratedBody(3000).left(1500));
    EXPECT_EQ(HttpDownload(server.url("/cut"), target(), kDownloadLimit),
              DownloadOutcome::Incomplete);
    EXPECT_EQ(HttpDownload(server.url("/missing"), target(), kDownloadLimit),
              DownloadOutcome::Stored); // an error page is a whole answer
}

TEST_F(Download, NoServerGivesAnEmptyFile) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close(); // nothing listens there any more
    WriteFile(target(), "old");
    EXPECT_TRUE(DownloadFile(QStringLiteral("http://127.0.0.1:%1/x").arg(port), target()));
    EXPECT_TRUE(QFile::exists(target()));
    EXPECT_EQ(ReadFile(target()), QByteArray());
}

TEST_F(Download, AnswerOverTheLimitIsAnErrorAndLeavesNoFile) {
    TestHttpServer::Answer exact;
    exact.generatedSize = kDownloadLimit;
    server.serve("/exact", exact);
    EXPECT_TRUE(DownloadFile(server.url("/exact"), target()));
    EXPECT_EQ(QFileInfo(target()).size(), kDownloadLimit);

    TestHttpServer::Answer big;
    big.generatedSize = kDownloadLimit + 1;
    server.serve("/big", big);
    EXPECT_THROW(DownloadFile(server.url("/big"), target()), IoError);
    EXPECT_FALSE(QFile::exists(target()));

    // Without a declared length the count of received bytes decides.
    big.announceLength = false;
    big.generatedSize = 2 * kDownloadLimit;
    server.serve("/unannounced", big);
    WriteFile(target(), "old");
    EXPECT_THROW(DownloadFile(server.url("/unannounced"), target()), IoError);
    EXPECT_FALSE(QFile::exists(target()));
}

TEST_F(Download, FollowsRedirectsAndReportsUnwritableTargets) {
    server.serveBody("/new", "moved content");
    TestHttpServer::Answer redirect;
    redirect.status = 302;
    redirect.location = server.url("/new").toLatin1();
    server.serve("/old", redirect);
    EXPECT_TRUE(DownloadFile(server.url("/old"), target()));
    EXPECT_EQ(ReadFile(target()), QByteArray("moved content"));

    EXPECT_THROW(DownloadFile(server.url("/new"), env.home() + "no/such/folder.tmp"), IoError);
    EXPECT_EQ(HttpDownload(server.url("/new"), env.home() + "no/x", 10),
              DownloadOutcome::WriteFailed);
    EXPECT_EQ(server.requestCount("/new"), 1); // an unwritable target asks the server nothing
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
