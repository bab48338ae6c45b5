// The picture server on the loopback interface, spoken to as the browser engine and as a stranger
// would: it hands out exactly the files that a page names, and nothing else.
#include "catalogue/picture_server.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

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

    static void Pump(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

    std::unique_ptr<QTcpSocket> Connect() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost("127.0.0.1", address.port());
        EXPECT_TRUE(socket->waitForConnected(2000));
        return socket;
    }

    // Sends `requests` and returns everything the server answered until it ended the connection,
    // or within `ms` (or once `count` answers have come).
    static QByteArray Exchange(QTcpSocket& socket, const QByteArray& requests, int ms = 700,
                               int count = 0) {
        socket.write(requests);
        QByteArray answer;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms && socket.state() == QAbstractSocket::ConnectedState &&
               (count == 0 || answer.count("HTTP/1.1 ") < count)) {
            QCoreApplication::processEvents();
            socket.waitForReadyRead(20);
            answer += socket.readAll();
        }
        return answer + socket.readAll();
    }
    QByteArray Exchange(const QByteArray& requests) { return Exchange(*Connect(), requests); }

    // The last request of an exchange asks the server to close, so the exchange ends there.
    QByteArray Get(const QByteArray& target, const QByteArray& hostName, bool last = true) {
        return "GET " + target + " HTTP/1.1\r\nHost: " + hostName +
               (last ? "\r\nConnection: close\r\n\r\n" : "\r\n\r\n");
    }
    QByteArray Target() const { return address.path(QUrl::FullyEncoded).toLatin1(); }

    // What the server has written and the system has not taken yet, over all its connections.
    qint64 Queued() const {
        qint64 queued = 0;
        for (const QTcpSocket* socket : server.findChildren<QTcpSocket*>())
            queued += socket->bytesToWrite();
        return queued;
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
    EXPECT_TRUE(Exchange("GARBAGE\r\n\r\n").startsWith("HTTP/1.1 404"));
    EXPECT_TRUE(Exchange(QByteArray(20000, 'x')).isEmpty()); // an endless head ends the connection
}

// A process that asks and never reads cannot make the program's memory grow: a refused request
// is answered once and ends its connection, and a connection's unread answers stay bounded.
TEST_F(PictureServerTest, RefusalsEndTheConnectionAndUnreadAnswersStayBounded) {
    QByteArray stranger, refusedMethod;
    for (int i = 0; i < 1000; ++i) {
        stranger += "X / HTTP/1.1\r\nHost: " + host + "\r\n\r\n";
        refusedMethod += "X " + Target() + " HTTP/1.1\r\nHost: " + host + "\r\n\r\n";
    }
    for (const QByteArray& requests : {stranger, refusedMethod}) {
        const QByteArray answer = Exchange(requests);
        EXPECT_EQ(answer.count("HTTP/1.1 "), 1) << answer.left(200).toStdString();
        EXPECT_TRUE(answer.contains("Connection: close\r\n"));
    }

    const int kAnswers = 64;
    WriteFile(home.home() + "pics/big.png", QByteArray(512 * 1024, 'p'));
    address = QUrl::fromEncoded(server.Address(home.home() + "pics/big.png"));
    server.PageWritten();
    std::unique_ptr<QTcpSocket> reader = Connect();
    reader->setReadBufferSize(4096); // reads no more than that: the rest stays with the sender
    // More requests than the server reads ahead while it waits for the reader.
    QByteArray requests;
    for (int i = 0; i < kAnswers; ++i)
        requests += Get(Target(), host + "\r\nX-Padding: " + QByteArray(4000, 'x'), false);
    reader->write(requests);
    qint64 mostQueued = 0;
    for (int i = 0; i < 30; ++i) {
        Pump(50);
        mostQueued = std::max(mostQueued, Queued());
    }
    EXPECT_LT(mostQueued, 2 << 20);
    // Once read, the answers held back follow, every one.
    reader->setReadBufferSize(0);
    const QByteArray answer = Exchange(*reader, QByteArray(), 10000, kAnswers);
    EXPECT_EQ(answer.count("HTTP/1.1 200 OK\r\n"), kAnswers);
}

// Forty strangers holding connections open, each trickling in a byte now and then, neither keep
// the engine's requests out nor stay beyond a few seconds.
TEST_F(PictureServerTest, StrangersHoldingConnectionsNeitherStarveTheEngineNorStay) {
    std::unique_ptr<QTcpSocket> engine = Connect();
    ASSERT_TRUE(Exchange(*engine, Get(Target(), host, false), 2000, 1).startsWith("HTTP/1.1 200"));
    std::vector<std::unique_ptr<QTcpSocket>> strangers;
    for (int i = 0; i < 40; ++i) {
        strangers.push_back(Connect());
        strangers.back()->write("G");
    }
    Pump(300);

    // Both on a new connection and on the one that showed the secret before.
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(Exchange(Get(Target(), host)).startsWith("HTTP/1.1 200"));
    EXPECT_TRUE(Exchange(*engine, Get(Target(), host), 1000, 1).startsWith("HTTP/1.1 200"));
    EXPECT_LT(timer.elapsed(), 1000);

    timer.restart();
    const auto open = [&] {
        return std::count_if(strangers.begin(), strangers.end(), [](const auto& socket) {
            return socket->state() == QAbstractSocket::ConnectedState;
        });
    };
    while (open() > 0 && timer.elapsed() < 8000) {
        for (const auto& socket : strangers)
            if (socket->state() == QAbstractSocket::ConnectedState)
                socket->write("E");
        Pump(500);
    }
    EXPECT_EQ(open(), 0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
