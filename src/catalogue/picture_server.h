#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QTcpServer;
class QTcpSocket;
class QTimer;

// Hands the pictures of the picture pages to the browser engine over HTTP on the loopback
// interface. The engine loads a picture only as it comes near the screen when the picture comes
// over HTTP; from a file address it loads every picture of the page at once, which for a category
// of thousands of pictures costs seconds and hundreds of megabytes.
//
// Only what the page on show names is served, and only to a request that carries the secret path
// prefix of this run and this server's own host name, so that neither another local user nor a web
// page can read the user's files. Whoever else connects gets one refusal and is gone; such
// strangers cannot hold the engine's connections out, nor make the server keep their answers.
class PictureServer : public QObject {
public:
    explicit PictureServer(QObject* parent = nullptr);
    ~PictureServer() override;

    // Listens on a free port of 127.0.0.1; false when that cannot be had.
    bool Listen();
    bool Listening() const;

    // "http://127.0.0.1:port", the origin of every address handed out.
    QByteArray Origin() const;
    // The encoded address under which the file at `path` (absolute) is served once the page that
    // names it is written.
    QByteArray Address(const QString& path);
    // The page that the addresses since the last call went into is written, and takes the place
    // of the one before: from now on only its pictures are served, so that what the server keeps
    // stays the size of one page however many pages the user has seen.
    void PageWritten();
    // It could not be written: the page before stays, and so do its pictures.
    void PageAbandoned();

    // The server that the page writer names pictures by; none until the program has one.
    static PictureServer* Active();
    static void SetActive(PictureServer* server);

private:
    struct Connection {
        QByteArray head; // what has come of the request heads not answered yet
        QTimer* idle;
        QTimer* headDue; // runs while a request head is awaited
    };

    void Accept();
    void Read(QTcpSocket* socket);
    // Answers one request head; false when the connection has been ended.
    bool Answer(QTcpSocket* socket, const QByteArray& head);
    // Answers with `status` and ends the connection.
    void Refuse(QTcpSocket* socket, const QByteArray& status);
    // Ends the connection once what is written has gone out; nothing more is read from it.
    void End(QTcpSocket* socket);
    QString ServedPath(const QByteArray& target) const;

    QTcpServer* server_;
    QByteArray prefix_; // "/<secret>"
    QSet<QString> served_;
    QSet<QString> coming_;
    QHash<QTcpSocket*, Connection> connections_;
    // Connections that have not yet asked with the secret, oldest first.
    QList<QTcpSocket*> strangers_;
};
