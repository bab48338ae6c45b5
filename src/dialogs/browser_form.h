#pragma once
#include <QDialog>
#include <QFrame>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>

// A page that asks its owner before every navigation (main frame, frames, redirects, pop-ups).
class GuardedPage : public QWebEnginePage {
    Q_OBJECT
public:
    // Returns true to let the navigation go on.
    using Guard = std::function<bool(const QUrl& url)>;
    GuardedPage(Guard guard, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    // A link that asks for a new window gets a throw-away page: its one navigation is judged by
    // the same guard and never shown.
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    Guard guard_;
    bool popup_ = false;
};

// True for the addresses that may be handed to the user's web browser or mail program.
bool IsExternalWebAddress(const QUrl& url);
// True for a local file (not a program) that lies inside the program folder or the per-user data
// folder once every link in its path is resolved: the shipped README and licence files.
bool IsProgramOrDataFile(const QUrl& url);

// The browser window: shows the picture-sources page; links followed from it open outside.
class TBrowserForm : public QDialog {
    Q_OBJECT
public:
    explicit TBrowserForm(QWidget* parent = nullptr);

    QWebEngineView* WebBrowser1 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* BitBtn7 = nullptr; // "weiter"

    // Opens an address in the user's own program; OpenTarget unless replaced (tests).
    std::function<void(const QString&)> openExternally;

    // Set just before the window is sent to the picture-sources page: lets exactly one navigation
    // through.
    bool OwnNavigation = false;

    // Shows the window modally with the page at `url`, which the window itself lets through.
    void ShowOwnPage(const QUrl& url);

    // Returns true when the navigation may go on.
    bool WebBrowser1BeforeNavigate2(const QUrl& url);
    void BitBtn7Click();
};
