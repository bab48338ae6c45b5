#pragma once
#include <QString>
#include <functional>

// Where the maker publishes the current mail-client definition file.
inline constexpr char kMailDefUpdateUrl[] =
    "https://updates.glimmora.orvandeck.net/updatedata/glimmora.maildef.ini";

// Fetches the definition file from `url` into the user's data folder and installs it when it
// declares itself valid for this program; then refills the settings dialog's list and shows the
// closing notice (text 30) in every case. A call while an update runs does nothing.
void UpdateMailDefs(const QString& url = QString::fromLatin1(kMailDefUpdateUrl));

// True while an update is running (its download processes events, so handlers may run inside).
bool MailDefUpdateRunning();

// Shows the closing notice; a plain message box unless replaced (tests answer it themselves).
// An empty function restores the message box.
void SetMailDefUpdateNotice(std::function<void(const QString&)> notice);
