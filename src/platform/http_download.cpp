#include "platform/http_download.h"

#include "platform/file_system.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

constexpr qint64 kBlockSize = 1024;
// A server that stops sending without closing must not hold the program forever.
constexpr int kStallTimeoutMs = 30000;

void RemoveTarget(const QString& path) {
    if (QFileInfo::exists(path))
        QFile::remove(path);
}

bool IsHttps(const QUrl& url) {
    return url.scheme() == QLatin1String("https");
}

} // namespace

DownloadOutcome HttpDownload(const QString& url, const QString& path, qint64 limit,
                             DownloadPolicy policy) {
    const QString target = ResolvePath(path);
    const bool secureOnly = policy == DownloadPolicy::SecureAnswerOnly;
    if (secureOnly && !IsHttps(QUrl(url))) {
        RemoveTarget(target);
        return DownloadOutcome::Refused;
    }
    // The file takes the place of the old one only when the whole answer is in: a failure never
    // leaves half a file behind.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return DownloadOutcome::WriteFailed;

    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kStallTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    qint64 total = 0;
    bool tooLarge = false, writeFailed = false;
    char block[kBlockSize];
    for (;;) {
        QCoreApplication::processEvents();
        const QVariant declared = reply->header(QNetworkRequest::ContentLengthHeader);
        if (declared.isValid() && declared.toLongLong() > limit) {
            tooLarge = true;
            break;
        }
        if (reply->bytesAvailable() > 0) {
            const qint64 n = reply->read(block, kBlockSize);
            if (n <= 0)
                continue;
            total += n;
            if (total > limit) {
                tooLarge = true;
                break;
            }
            if (file.write(block, n) != n) {
                writeFailed = true;
                break;
            }
            continue;
        }
        if (reply->isFinished())
            break;
        // Nothing to read yet: sleep until the network (or anything else) has news.
        QEventLoop wait;
        QObject::connect(reply.get(), &QNetworkReply::readyRead, &wait, &QEventLoop::quit);
        QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
        if (reply->bytesAvailable() == 0 && !reply->isFinished())
            wait.exec();
    }
    // Network-level failures (connection lost, timed out, proxy trouble) may cut the answer short;
    // errors of the HTTP status kind still deliver the server's whole page.
    const bool broken = reply->error() != QNetworkReply::NoError &&
                        reply->error() < QNetworkReply::ContentAccessDenied;
    // Certificate errors fail the transfer (nothing here ignores them); a redirect is judged by
    // where it ended.
    const bool trusted = reply->error() == QNetworkReply::NoError && IsHttps(reply->url()) &&
                         reply->attribute(QNetworkRequest::ConnectionEncryptedAttribute).toBool() &&
                         reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
    reply->abort();

    if (tooLarge || (secureOnly && !trusted)) {
        file.cancelWriting();
        RemoveTarget(target);
        return tooLarge ? DownloadOutcome::TooLarge : DownloadOutcome::Refused;
    }
    if (writeFailed || !CommitSaveFile(file)) {
        file.cancelWriting();
        return DownloadOutcome::WriteFailed;
    }
    return broken ? DownloadOutcome::Incomplete : DownloadOutcome::Stored;
}
