#pragma once
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QTcpServer;
class QTcpSocket;

// Hands the pictures of the picture pages to the browser engine over HTTP on the loopback
// interface. The engine loads a picture only as it comes near the screen when the picture comes
// over HTTP; from a file address it loads every picture of the page at once, which for a category
// of thousands of pictures costs seconds and hundreds of megabytes.
//
// Only what a page names is served: a file is served once `Address` has handed out its address,
// and only to a request that carries the secret path prefix of this run and this server's own
// host name, so that neither another local user nor a web page can read the user's files.
class PictureServer : public QObject {
public:
    explicit PictureServer(QObject* parent = nullptr);
    ~PictureServer() override;

    // Listens on a free port of 127.0.0.1; false when that cannot be had.
    bool Listen();
    bool Listening() const;

    // "http://127.0.0.1:port", the origin of every address handed out.
    QByteArray Origin() const;
    // The encoded address under which the file at `path` (absolute) is served from now on.
    QByteArray Address(const QString& path);

    // The server that the page writer names pictures by; none until the program has one.
    static PictureServer* Active();
    static void SetActive(PictureServer* server);

private:
    void Accept();
    void Read(QTcpSocket* socket);
    // Answers one request head; false when the connection is to end after the answer.
    bool Answer(QTcpSocket* socket, const QByteArray& head);
    QString ServedPath(const QByteArray& target) const;

    QTcpServer* server_;
    QByteArray prefix_; // "/<secret>"
    QSet<QString> served_;
    QHash<QTcpSocket*, QByteArray> pending_;
};
