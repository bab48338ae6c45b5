#include "catalogue/picture_server.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <array>

namespace {

PictureServer* active = nullptr;

// A request head larger than this is not the engine's; its connection ends.
constexpr qsizetype kLargestHead = 16 * 1024;
// The engine sends a request head in one piece: a connection that has not sent a whole one this
// long after it opened, or after the head began, is closed however it trickles on.
constexpr int kHeadDueMs = 5000;
// Connections that have not asked with the secret yet. The engine opens six per host and asks at
// once; one more stranger than this takes the place of the oldest, never of the engine's.
constexpr int kMostStrangers = 32;
// A connection quiet this long is closed; the engine opens a new one when it needs it.
constexpr int kIdleMs = 30000;
// Answers waiting for their reader beyond this stop the reading of further requests until they
// have gone out: a client that asks without reading costs no more than this.
constexpr qint64 kMostQueued = qint64(1) << 20;
// What a socket reads ahead of the requests being answered; the rest waits in the system, which
// holds the sender back.
constexpr qint64 kReadAhead = 64 * 1024;
// No picture of a catalogue comes near this.
constexpr qint64 kLargestPicture = qint64(64) << 20;

QByteArray Secret() {
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.data()), sizeof words).toHex();
}

QByteArray ContentType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"gif")
        return "image/gif";
    if (suffix == u"png")
        return "image/png";
    if (suffix == u"jpg" || suffix == u"jpeg")
        return "image/jpeg";
    return "application/octet-stream"; // the engine finds out what the picture is
}

QByteArray Response(const QByteArray& status, const QByteArray& type, qint64 length, bool closing) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(length) +
           (closing ? "\r\nConnection: close" : "") +
           // Pictures can change on disk under the same name; and a cache on disk would only
           // copy them.
           "\r\nCache-Control: no-store\r\n\r\n";
}

QByteArray HeaderValue(const QList<QByteArray>& lines, const QByteArray& name) {
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name)
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

} // namespace

PictureServer::PictureServer(QObject* parent)
    : QObject(parent), server_(new QTcpServer(this)), prefix_('/' + Secret()) {
    connect(server_, &QTcpServer::newConnection, this, &PictureServer::Accept);
}

PictureServer::~PictureServer() {
    if (active == this)
        active = nullptr;
}

bool PictureServer::Listen() {
    return server_->isListening() || server_->listen(QHostAddress::LocalHost, 0);
}

bool PictureServer::Listening() const {
    return server_->isListening();
}

QByteArray PictureServer::Origin() const {
    return "http://127.0.0.1:" + QByteArray::number(server_->serverPort());
}

QByteArray PictureServer::Address(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    coming_.insert(clean);
    return Origin() + prefix_ + QUrl::toPercentEncoding(clean, "/");
}

void PictureServer::PageWritten() {
    served_ = std::move(coming_);
    coming_ = {};
}

void PictureServer::PageAbandoned() {
    coming_.clear();
}

PictureServer* PictureServer::Active() {
    return active;
}

void PictureServer::SetActive(PictureServer* server) {
    active = server;
}

void PictureServer::Accept() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        if (strangers_.size() >= kMostStrangers)
            strangers_.takeFirst()->abort();
        // Each answer goes out at once, not held back to gather more.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setReadBufferSize(kReadAhead);
        Connection connection{QByteArray(), new QTimer(socket), new QTimer(socket)};
        for (QTimer* timer : {connection.idle, connection.headDue}) {
            timer->setSingleShot(true);
            connect(timer, &QTimer::timeout, socket, &QTcpSocket::abort);
        }
        connection.idle->start(kIdleMs);
        connection.headDue->start(kHeadDueMs);
        connections_.insert(socket, connection);
        strangers_.append(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
        // Answers going out make room for the next ones.
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { Read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            connections_.remove(socket);
            strangers_.removeOne(socket);
            socket->deleteLater();
        });
    }
}

void PictureServer::Read(QTcpSocket* socket) {
    const auto found = connections_.find(socket);
    if (found == connections_.end())
        return; // ending: nothing more is read or answered
    Connection& connection = *found;
    connection.idle->start(kIdleMs);
    while (socket->bytesToWrite() < kMostQueued) {
        const qsizetype end = connection.head.indexOf("\r\n\r\n");
        if (end >= 0) {
            const QByteArray head = connection.head.left(end);
            connection.head.remove(0, end + 4);
            connection.headDue->stop();
            if (!Answer(socket, head))
                return;
            continue;
        }
        if (connection.head.size() > kLargestHead) {
            socket->abort();
            return;
        }
        if (socket->bytesAvailable() == 0) {
            if (!connection.head.isEmpty() && !connection.headDue->isActive())
                connection.headDue->start(kHeadDueMs);
            return;
        }
        connection.head += socket->read(kLargestHead);
    }
    // Until the answers have gone out: the requests already here are not late, the reader is.
    connection.headDue->stop();
}

bool PictureServer::Answer(QTcpSocket* socket, const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    const QByteArray target = request.value(1);
    // Nothing is answered, not even that a request is malformed, before it has shown the secret
    // and this server's own host name (another would be a page that had its name point at this
    // machine).
    if (request.size() != 3 || !target.startsWith(prefix_ + '/') ||
        HeaderValue(lines, "host") != Origin().mid(7)) {
        Refuse(socket, "404 Not Found");
        return false;
    }
    strangers_.removeOne(socket); // the engine's own, which no stranger can push out
    if (!request.at(2).startsWith("HTTP/1.")) {
        Refuse(socket, "400 Bad Request");
        return false;
    }
    const QByteArray& method = request.at(0);
    if (method != "GET" && method != "HEAD") {
        Refuse(socket, "405 Method Not Allowed");
        return false;
    }
    const QString path = ServedPath(target);
    if (path.isEmpty()) { // what no page names: not the engine's question
        Refuse(socket, "404 Not Found");
        return false;
    }
    const bool keepAlive =
        request.at(2) == "HTTP/1.1" && HeaderValue(lines, "connection").toLower() != "close";
    QFile file(path);
    if (file.size() > kLargestPicture || !file.open(QIODevice::ReadOnly)) {
        socket->write(Response("404 Not Found", "text/plain", 0, !keepAlive));
    } else {
        const QByteArray content = file.readAll();
        // In one piece: a head sent apart from its body waits for the engine's delayed ack.
        socket->write(Response("200 OK", ContentType(path), content.size(), !keepAlive) +
                      (method == "GET" ? content : QByteArray()));
    }
    if (!keepAlive)
        End(socket);
    return keepAlive;
}

void PictureServer::Refuse(QTcpSocket* socket, const QByteArray& status) {
    socket->write(Response(status, "text/plain", 0, true));
    End(socket);
}

void PictureServer::End(QTcpSocket* socket) {
    // Whatever else it has sent stays unread; the answers written still go out.
    connections_.remove(socket);
    strangers_.removeOne(socket);
    socket->disconnectFromHost();
}

QString PictureServer::ServedPath(const QByteArray& target) const {
    if (!target.startsWith(prefix_ + '/'))
        return QString();
    const QString path = QUrl::fromPercentEncoding(target.mid(prefix_.size()));
    return served_.contains(path) ? path : QString();
}
