#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

// Where the maker publishes the current mail-client definition file.
inline constexpr char kMailDefUpdateUrl[] =
    "https://updates.glimmora.orvandeck.net/updatedata/glimmora.maildef.ini";

// Fetches the definition file from `url` (only an https answer of status 200 with a trusted
// certificate counts) into the user's data folder and installs it when it declares itself valid
// for this program; then announces MailDefUpdates().reloaded() and shows the closing notice
// (text 30) in every case, followed by the cause when nothing was installed. A call while an update
// runs does nothing.
void UpdateMailDefs(const QString& url = QString::fromLatin1(kMailDefUpdateUrl));

// Announces the end of each definition update, before its closing notice; the list may be the
// new one or the old one. The settings dialog refills its list from it.
class MailDefUpdateEvents : public QObject {
    Q_OBJECT
signals:
    void reloaded();
};
MailDefUpdateEvents& MailDefUpdates();

// Whether a downloaded definition file may replace the installed one: more than 10 bytes whose
// section "Glimmora" sets "valid_for_Version_1" to a true number.
bool IsAcceptableMailDefUpdate(const QByteArray& body);

// True while an update is running (its download processes events, so handlers may run inside).
bool MailDefUpdateRunning();

// Shows the closing notice; a plain message box unless replaced (tests answer it themselves).
// An empty function restores the message box.
void SetMailDefUpdateNotice(std::function<void(const QString&)> notice);
