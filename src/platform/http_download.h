#pragma once
#include <QString>
#include <QtGlobal>

enum class DownloadOutcome {
    Stored,      // whatever the server answered (an error page too, or nothing) is in the file
    Incomplete,  // the connection failed before the answer was whole; what arrived is in the file
    WriteFailed, // the file could not be created or written; it is left as it was
    TooLarge,    // the answer exceeded the limit; no file is left at the path
    Refused,     // (SecureAnswerOnly) not a trusted, whole answer; no file is left at the path
};

enum class DownloadPolicy {
    AnyAnswer, // whatever arrives is stored, error pages included
    // Only a whole answer of status 200 that came over https with a certificate the system trusts;
    // a plain http address is not even asked.
    SecureAnswerOnly,
};

// Fetches `url` into `path` (created or replaced once the transfer ends). Reads blocks of at most
// 1024 bytes and processes pending events between them, so the caller's windows stay responsive.
// Redirects are followed unless they lead from https to http. The system proxy settings apply.
// An unreachable server or a broken connection stores what arrived, possibly nothing.
DownloadOutcome HttpDownload(const QString& url, const QString& path, qint64 limit,
                             DownloadPolicy policy = DownloadPolicy::AnyAnswer);
