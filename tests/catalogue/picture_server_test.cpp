// The picture server on the loopback interface, spoken to as the browser engine and as a stranger
// would: it hands out exactly the files that a page names, and nothing else.
#include "catalogue/picture_server.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class PictureServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Listen());
        WriteFile(home.home() + "pics/a b#1.png", "picture bytes");
        WriteFile(home.home() + "pics/private.txt", "not for the page");
        address = QUrl::fromEncoded(server.Address(home.home() + "pics/a b#1.png"));
        server.PageWritten();
        host = "127.0.0.1:" + QByteArray::number(address.port());
        secret = address.path(QUrl::FullyEncoded).section('/', 1, 1).toLatin1();
    }

    // Sends `requests` on one connection and returns everything the server answered.
    QByteArray Exchange(const QByteArray& requests) {
        QTcpSocket socket;
        socket.connectToHost("127.0.0.1", address.port());
        EXPECT_TRUE(socket.waitForConnected(2000));
        socket.write(requests);
        QByteArray answer;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 700 && socket.state() == QAbstractSocket::ConnectedState) {
            QCoreApplication::processEvents();
            socket.waitForReadyRead(20);
            answer += socket.readAll();
        }
        return answer + socket.readAll();
    }

    // The last request of an exchange asks the server to close, so the exchange ends there.
    QByteArray Get(const QByteArray& target, const QByteArray& hostName, bool last = true) {
        return "GET " + target + " HTTP/1.1\r\nHost: " + hostName +
               (last ? "\r\nConnection: close\r\n\r\n" : "\r\n\r\n");
    }

    TempHome home;
    PictureServer server;
    QUrl address;
    QByteArray host, secret;
};

TEST_F(PictureServerTest, ServesThePicturesThatAPageNamesOnOneConnection) {
    const QByteArray target = address.path(QUrl::FullyEncoded).toLatin1();
    const QByteArray answer = Exchange(Get(target, host, false) + Get(target, host));
    EXPECT_EQ(answer.count("HTTP/1.1 200 OK\r\n"), 2) << answer.toStdString();
    EXPECT_EQ(answer.count("\r\n\r\npicture bytes"), 2);
    EXPECT_TRUE(answer.contains("Content-Type: image/png\r\n"));
}

TEST_F(PictureServerTest, RefusesEverythingElse) {
    const QByteArray folder = "/" + secret + QUrl::toPercentEncoding(home.home(), "/") + "pics/";
    const QByteArray target = address.path(QUrl::FullyEncoded).toLatin1();
    const QList<QByteArray> refused = {
        Get(folder + "private.txt", host),                         // a file no page names
        Get(folder + "a%20b%231.png/../private.txt", host),        // reached through a named one
        Get(target.mid(secret.size() + 1), host),                  // without the secret
        Get(target, "attacker.example:" + host.split(':').last()), // a name pointed here
    };
    for (const QByteArray& request : refused)
        EXPECT_TRUE(Exchange(request).startsWith("HTTP/1.1 404")) << request.toStdString();
    // A page that could not be written leaves the one on show; a written one takes its place.
    server.Address(home.home() + "pics/private.txt");
    server.PageAbandoned();
    EXPECT_TRUE(Exchange(Get(target, host)).startsWith("HTTP/1.1 200"));
    EXPECT_TRUE(Exchange(Get(folder + "private.txt", host)).startsWith("HTTP/1.1 404"));
    server.Address(home.home() + "pics/private.txt");
    server.PageWritten();
    EXPECT_TRUE(Exchange(Get(target, host)).startsWith("HTTP/1.1 404"));
    EXPECT_TRUE(Exchange("GARBAGE\r\n\r\n").startsWith("HTTP/1.1 400"));
    EXPECT_TRUE(Exchange(QByteArray(20000, 'x')).isEmpty()); // an endless head ends the connection
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
