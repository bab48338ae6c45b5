#include "integration/definition_update.h"

#include "integration/data_folders.h"
#include "integration/mail_defs.h"
#include "integration/message_boxes.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"
#include "platform/http_download.h"
#include "platform/ini_profile.h"
#include "platform/running_flag.h"

#include <QApplication>
#include <QFile>
#include <filesystem>
#include <optional>

namespace {

// A download this small cannot be a definition file (it is a stub or an empty answer).
constexpr qint32 kSmallestDefinitionFile = 10;

bool updateRunning = false;

std::function<void(const QString&)>& NoticeHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

void ShowPlainNotice(const QString& text, bool failed) {
    ShowMessageBox(failed ? QMessageBox::Warning : QMessageBox::NoIcon, text, QMessageBox::Ok,
                   QApplication::activeWindow());
}

// Why an update installed nothing; the value is the number of the line that tells the user.
enum class UpdateFailure {
    None,
    NotDelivered = 210, // refused (not https, not 200, untrusted certificate), cut short, too large
    NotValid = 211,     // no definition file for this program
    NotSaved = 212,     // the data folder would not take it
};

// Moves the download over the installed file in one rename, so the user's definitions are
// either the old file or the new one, never missing.
bool InstallDownloadedFile(const QString& temp, const QString& installed) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temp).toStdString(),
                            QFile::encodeName(ResolvePath(installed)).toStdString(), error);
    return !error;
}

UpdateFailure FetchAndInstall(const QString& url, const QString& temp, const QString& installed) {
    switch (HttpDownload(url, temp, kDownloadLimit, DownloadPolicy::SecureAnswerOnly)) {
    case DownloadOutcome::Stored:
        break;
    case DownloadOutcome::WriteFailed:
        return UpdateFailure::NotSaved;
    default:
        return UpdateFailure::NotDelivered;
    }
    const QString downloaded = ResolvePath(temp);
    const std::optional<QByteArray> body = ReadFileBytes(downloaded);
    if (!body)
        return UpdateFailure::NotSaved;
    // A stub this small stays where it is until the next update replaces it.
    if (body->size() <= kSmallestDefinitionFile)
        return UpdateFailure::NotValid;
    UpdateFailure failure = UpdateFailure::NotValid;
    if (IsAcceptableMailDefUpdate(*body))
        failure = InstallDownloadedFile(downloaded, installed) ? UpdateFailure::None
                                                               : UpdateFailure::NotSaved;
    QFile::remove(downloaded);
    return failure;
}

} // namespace

MailDefUpdateEvents& MailDefUpdates() {
    static MailDefUpdateEvents events;
    return events;
}

bool MailDefUpdateRunning() {
    return updateRunning;
}

void SetMailDefUpdateNotice(std::function<void(const QString&)> notice) {
    NoticeHook() = std::move(notice);
}

bool IsAcceptableMailDefUpdate(const QByteArray& body) {
    return body.size() > kSmallestDefinitionFile &&
           ParseProfileFlag(ReadProfileStringFromText(body, "Glimmora", "valid_for_Version_1", ""),
                            false);
}

void UpdateMailDefs(const QString& url) {
    if (updateRunning)
        return;
    RunningFlag running(updateRunning);
    const QString folder = UserDataPath();
    UpdateFailure failure = UpdateFailure::NotSaved;
    try {
        failure = FetchAndInstall(url, folder + QStringLiteral("temp.tmp"),
                                  folder + QStringLiteral("glimmora.maildef.ini"));
    } catch (const std::exception&) {
        // The file handling failed; nothing was installed.
    }
    if (failure == UpdateFailure::None)
        LoadMailDefs(folder + QStringLiteral("glimmora.maildef.ini"));
    emit MailDefUpdates().reloaded();
    // The closing notice stays as it always was; a failure adds what went wrong.
    QString text = GetText(30);
    const bool failed = failure != UpdateFailure::None;
    if (failed)
        text += QStringLiteral("\n\n") + GetText(int(failure));
    if (NoticeHook())
        NoticeHook()(text);
    else
        ShowPlainNotice(text, failed);
}
