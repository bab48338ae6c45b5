#include "dialogs/browser_form.h"

#include "dialogs/dialog_style.h"
#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"

#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
bool IsWebPage(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == "http" || scheme == "https";
}
} // namespace

GuardedPage::GuardedPage(Guard guard, QObject* parent)
    : QWebEnginePage(parent), guard_(std::move(guard)) {
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
}

bool GuardedPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (popup_) {
        // A pop-up is never shown: whatever the guard decides, the page itself goes away.
        if (guard_)
            guard_(url);
        deleteLater();
        return false;
    }
    const bool accepted = guard_ ? guard_(url) : true;
    // Our own pages are plain HTML and forms. A page from disk runs no script, which could read
    // local files; a page from the web keeps its own.
    if (accepted && isMainFrame)
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, IsWebPage(url));
    return accepted;
}

QWebEnginePage* GuardedPage::createWindow(WebWindowType) {
    auto* page = new GuardedPage(guard_, this);
    page->popup_ = true;
    return page;
}

bool IsExternalWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() &&
           (scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "mailto");
}

bool IsProgramOrDataFile(const QUrl& url) {
    if (!url.isLocalFile())
        return false;
    const QString path = url.toLocalFile();
    const QFileInfo info(path);
    // The desktop's handler would start a program rather than show it.
    if (!info.isFile() || info.isExecutable())
        return false;
    return LiesInside(path, ProgramFolder()) || LiesInside(path, UserDataPath());
}

TBrowserForm::TBrowserForm(QWidget* parent)
    : QDialog(parent), openExternally([](const QString& target) { OpenTarget(target); }) {
    SetUpDialog(this, "BrowserForm", "Glimmora", true, QSize(772, 473));

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setPage(new GuardedPage(
        [this](const QUrl& url) { return WebBrowser1BeforeNavigate2(url); }, WebBrowser1));

    Panel1 = new QFrame(this);
    Panel1->setFixedHeight(31);
    MakeWhite(Panel1);
    BitBtn7 = MakeGlyphButton(Panel1, "weiter", "arrow_right.png", QRect(688, 5, 78, 23), true);
    ApplyLinkStyle(BitBtn7);
    connect(BitBtn7, &QPushButton::clicked, this, &TBrowserForm::BitBtn7Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(WebBrowser1, 1);
    layout->addWidget(Panel1);
    CentreOnScreen(this);
}

bool TBrowserForm::WebBrowser1BeforeNavigate2(const QUrl& url) {
    if (OwnNavigation) {
        OwnNavigation = false;
        return true;
    }
    // Only web and mail addresses and the program's own files leave the program; a page must
    // not make the desktop open any other local file or other kinds of address.
    if (!openExternally)
        return false;
    if (IsExternalWebAddress(url))
        openExternally(url.toString(QUrl::FullyEncoded));
    else if (IsProgramOrDataFile(url))
        openExternally(QFileInfo(url.toLocalFile()).canonicalFilePath()); // the file just checked
    return false;
}

void TBrowserForm::ShowOwnPage(const QUrl& url) {
    OwnNavigation = true;
    WebBrowser1->load(url);
    exec();
}

void TBrowserForm::BitBtn7Click() {
    close();
}
