#include "dialogs/survey_form.h"

#include "dialogs/browser_form.h"
#include "dialogs/dialog_style.h"

#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

bool IsSurveyEndAddress(const QString& address) {
    const QString upper = address.toUpper();
    return upper.contains("CLEARALL") || upper.contains("CLOSE");
}

TFormSurvey::TFormSurvey(QWidget* parent) : QWidget(parent) {
    setObjectName("FormSurvey");
    setWindowTitle("Glimmora");
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setPage(new GuardedPage(
        [this](const QUrl& url) { return WebBrowser1BeforeNavigate2(url); }, WebBrowser1));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);
    SetOuterSize(this, QSize(745, 546));
    CentreOnScreen(this);
}

void TFormSurvey::Navigate(const QUrl& url) {
    WebBrowser1->load(url);
}

bool TFormSurvey::WebBrowser1BeforeNavigate2(const QUrl& url) {
    if (!IsSurveyEndAddress(url.toString(QUrl::FullyEncoded)) &&
        !IsSurveyEndAddress(url.toString()))
        return true;
    // Closed after the browser has finished asking, not from inside its callback.
    QTimer::singleShot(0, this, [this] { close(); });
    return false;
}
