#include "support/http_server.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

QByteArray ReasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

TestHttpServer::TestHttpServer() {
    context_ = new QObject;
    context_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        context_,
        [this] {
            server_ = new QTcpServer(context_);
            QObject::connect(server_, &QTcpServer::newConnection, context_,
                             [this] { onConnection(); });
            if (server_->listen(QHostAddress::LocalHost, 0))
                port_ = server_->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

TestHttpServer::~TestHttpServer() {
    // The server and its connections go in their own thread; the context once that has ended.
    QMetaObject::invokeMethod(
        context_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete context_;
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

void TestHttpServer::serve(const QString& path, const Answer& answer) {
    QMutexLocker lock(&mutex_);
    answers_.insert(path, answer);
}

void TestHttpServer::serveBody(const QString& path, const QByteArray& body, int status) {
    Answer answer;
    answer.status = status;
    answer.body = body;
    serve(path, answer);
}

int TestHttpServer::requestCount(const QString& path) const {
    QMutexLocker lock(&mutex_);
    return counts_.value(path);
}

QByteArray TestHttpServer::lastRequest() const {
    QMutexLocker lock(&mutex_);
    return lastRequest_;
}

QByteArray TestHttpServer::GeneratedBody(qint64 size) {
    QByteArray body(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        body[i] = char('a' + i % 26);
    return body;
}

TestHttpServer::Answer TestHttpServer::answerFor(const QString& path) {
    QMutexLocker lock(&mutex_);
    counts_[path] += 1;
    if (answers_.contains(path))
        return answers_.value(path);
    Answer missing;
    missing.status = 404;
    missing.body = "<html><body><h1>404 Not Found</h1></body></html>";
    return missing;
}

void TestHttpServer::onConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket,
                         [this, socket] { onReadable(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TestHttpServer::onReadable(QTcpSocket* socket) {
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        socket->setProperty("request", buffer);
        return;
    }
    const QByteArray head = buffer.left(end);
    {
        QMutexLocker lock(&mutex_);
        lastRequest_ = head;
    }
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : "/";
    const Answer answer = answerFor(path);
    const QByteArray body =
        answer.generatedSize >= 0 ? GeneratedBody(answer.generatedSize) : answer.body;

    QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' +
                     ReasonPhrase(answer.status) + "\r\nConnection: close\r\n";
    out += "Content-Type: application/octet-stream\r\n";
    if (answer.announceLength)
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (!answer.location.isEmpty())
        out += "Location: " + answer.location + "\r\n";
    out += "\r\n";
    out += answer.closeAfter >= 0 ? body.left(answer.closeAfter) : body;
    socket->write(out);
    socket->disconnectFromHost(); // after the buffered bytes are sent
}
