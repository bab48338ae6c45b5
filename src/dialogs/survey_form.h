#pragma once
#include <QWebEngineView>
#include <QWidget>

// True when a survey page asks to end the survey: the address contains "clearall" or "close",
// in any mixture of cases, anywhere (query part included).
bool IsSurveyEndAddress(const QString& address);

// The survey window of the uninstall run; it is the application's main window there, so its
// closing ends the run.
class TFormSurvey : public QWidget {
    Q_OBJECT
public:
    explicit TFormSurvey(QWidget* parent = nullptr);

    QWebEngineView* WebBrowser1 = nullptr;

    void Navigate(const QUrl& url);

    // Returns true when the navigation may go on.
    bool WebBrowser1BeforeNavigate2(const QUrl& url);
};
