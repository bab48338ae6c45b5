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
// The engine opens six connections per host; more are not the engine's either.
constexpr int kMostConnections = 32;
// A connection quiet this long is closed; the engine opens a new one when it needs it.
constexpr int kIdleMs = 30000;
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

QByteArray Response(const QByteArray& status, const QByteArray& type, qint64 length) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(length) +
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
    server_->setMaxPendingConnections(kMostConnections);
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
        if (pending_.size() >= kMostConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Each answer goes out at once, not held back to gather more.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        pending_.insert(socket, QByteArray());
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        idle->start(kIdleMs);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, idle] {
            idle->start(kIdleMs);
            Read(socket);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            pending_.remove(socket);
            socket->deleteLater();
        });
    }
}

void PictureServer::Read(QTcpSocket* socket) {
    QByteArray& buffer = pending_[socket];
    buffer += socket->readAll();
    qsizetype end;
    while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
        const QByteArray head = buffer.left(end);
        buffer.remove(0, end + 4);
        if (!Answer(socket, head)) {
            socket->disconnectFromHost();
            return;
        }
    }
    if (buffer.size() > kLargestHead)
        socket->abort();
}

bool PictureServer::Answer(QTcpSocket* socket, const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    if (request.size() != 3 || !request.at(2).startsWith("HTTP/1.")) {
        socket->write(Response("400 Bad Request", "text/plain", 0));
        return false;
    }
    const QByteArray& method = request.at(0);
    const bool keepAlive =
        request.at(2) == "HTTP/1.1" && HeaderValue(lines, "connection").toLower() != "close";
    if (method != "GET" && method != "HEAD") {
        socket->write(Response("405 Method Not Allowed", "text/plain", 0));
        return keepAlive;
    }
    // Another host name would be a page that had its name point at this machine.
    const bool ownHost = HeaderValue(lines, "host") == Origin().mid(7);
    const QString path = ownHost ? ServedPath(request.at(1)) : QString();
    QFile file(path);
    if (path.isEmpty() || file.size() > kLargestPicture || !file.open(QIODevice::ReadOnly)) {
        socket->write(Response("404 Not Found", "text/plain", 0));
        return keepAlive && !path.isEmpty(); // a stranger's connection ends here
    }
    const QByteArray content = file.readAll();
    // In one piece: a head sent apart from its body waits for the engine's delayed ack.
    socket->write(Response("200 OK", ContentType(path), content.size()) +
                  (method == "GET" ? content : QByteArray()));
    return keepAlive;
}

QString PictureServer::ServedPath(const QByteArray& target) const {
    if (!target.startsWith(prefix_ + '/'))
        return QString();
    const QString path = QUrl::fromPercentEncoding(target.mid(prefix_.size()));
    return served_.contains(path) ? path : QString();
}
