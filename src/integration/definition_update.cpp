#include "integration/definition_update.h"

#include "dialogs/dialogs.h"
#include "integration/mail_defs.h"
#include "integration/system_helpers.h"
#include "localisation/translation_table.h"
#include "platform/file_system.h"
#include "platform/http_download.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <filesystem>

namespace {

// A download this small cannot be a definition file (it is a stub or an empty answer).
constexpr qint32 kSmallestDefinitionFile = 10;

bool updateRunning = false;

std::function<void(const QString&)>& NoticeHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

void ShowPlainNotice(const QString& text) {
    QString caption = GetText(1);
    if (caption.isEmpty())
        caption = QStringLiteral("Glimmora");
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

// Moves the download over the installed file in one rename, so the user's definitions are
// either the old file or the new one, never missing.
void InstallDownloadedFile(const QString& temp, const QString& installed) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temp).toStdString(),
                            QFile::encodeName(ResolvePath(installed)).toStdString(), error);
}

struct RunningFlag {
    RunningFlag() { updateRunning = true; }
    ~RunningFlag() { updateRunning = false; }
};

} // namespace

bool MailDefUpdateRunning() {
    return updateRunning;
}

void SetMailDefUpdateNotice(std::function<void(const QString&)> notice) {
    NoticeHook() = std::move(notice);
}

void UpdateMailDefs(const QString& url) {
    if (updateRunning)
        return;
    RunningFlag running;
    const QString folder = UserDataFolder(QStringLiteral("Glimmora"));
    const QString temp = folder + QStringLiteral("temp.tmp");
    const QString installed = folder + QStringLiteral("glimmora.maildef.ini");
    bool downloadedListInForce = false;
    try {
        // The transfer as DownloadFile does it, but a connection that broke off counts as no
        // download: a definition file cut short still reads as valid and would replace the
        // user's list by a part of it.
        const DownloadOutcome outcome = HttpDownload(url, temp, kDownloadLimit);
        if (outcome == DownloadOutcome::TooLarge || outcome == DownloadOutcome::WriteFailed)
            throw IoError("the definition file could not be downloaded");
        const QString downloaded = ResolvePath(temp);
        if (outcome == DownloadOutcome::Stored && FileExists(downloaded) &&
            TotalFileSize(downloaded) > kSmallestDefinitionFile) {
            LoadMailDefs(downloaded);
            downloadedListInForce = true;
            if (MailDefValid())
                InstallDownloadedFile(downloaded, installed);
            LoadMailDefs(installed);
            downloadedListInForce = false;
            QFile::remove(downloaded);
        }
    } catch (const std::exception&) {
        // Nothing is reported beyond the closing notice. The downloaded entries never stay in
        // force: the list ends as the installed file describes it.
        if (downloadedListInForce)
            LoadMailDefs(installed);
    }
    FillMailDefCombo();
    const QString text = GetText(30);
    if (NoticeHook())
        NoticeHook()(text);
    else
        ShowPlainNotice(text);
}
