#include "support/http_server.h"

#include <QFile>
#include <QHostAddress>
#include <QMetaObject>
#include <QMutexLocker>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

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

const TestHttpServer::Identity& TestHttpServer::SelfSigned() {
    static const Identity identity = [] {
        Identity made;
        QTemporaryDir dir;
        QProcess openssl;
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                       "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                       "subjectAltName=IP:127.0.0.1", "-keyout", dir.filePath("key.pem"), "-out",
                       dir.filePath("cert.pem")});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
            return made;
        QFile cert(dir.filePath("cert.pem")), key(dir.filePath("key.pem"));
        if (cert.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly)) {
            made.certificate = QSslCertificate(&cert);
            made.key = QSslKey(&key, QSsl::Ec);
        }
        return made;
    }();
    return identity;
}

TestHttpServer::TestHttpServer(const Identity& tls) : tls_(!tls.certificate.isNull()) {
    context_ = new QObject;
    context_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        context_,
        [this, tls] {
            if (tls_) {
                auto* secure = new QSslServer(context_);
                QSslConfiguration config = QSslConfiguration::defaultConfiguration();
                config.setLocalCertificate(tls.certificate);
                config.setPrivateKey(tls.key);
                config.setPeerVerifyMode(QSslSocket::VerifyNone);
                secure->setSslConfiguration(config);
                server_ = secure;
            } else {
                server_ = new QTcpServer(context_);
            }
            // Announced once a connection is ready, after the handshake for https.
            QObject::connect(server_, &QTcpServer::pendingConnectionAvailable, context_,
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
    return QStringLiteral("%1://127.0.0.1:%2%3").arg(tls_ ? "https" : "http").arg(port_).arg(path);
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
        if (socket->bytesAvailable() > 0) // the request came with the end of the handshake
            onReadable(socket);
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
