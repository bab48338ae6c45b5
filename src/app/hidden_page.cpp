#include "app/hidden_page.h"

#include <QTimer>
#include <QWebEnginePage>

using State = QWebEnginePage::LifecycleState;

HiddenPageKeeper::HiddenPageKeeper(QWebEnginePage* page, QObject* parent)
    : QObject(parent), page_(page), discard_(new QTimer(this)) {
    discard_->setSingleShot(true);
    connect(discard_, &QTimer::timeout, this, &HiddenPageKeeper::Discard);
}

std::chrono::milliseconds HiddenPageKeeper::DiscardDelay() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("GLIMMORA_DISCARD_HIDDEN_PAGE_AFTER", &ok);
    return ok && seconds >= 0 ? std::chrono::seconds(seconds) : std::chrono::minutes(10);
}

void HiddenPageKeeper::WindowHidden() {
    // Checked once the hide has settled: the placement hides and shows at once.
    QTimer::singleShot(0, this, [this] {
        if (page_->isVisible() || page_->lifecycleState() != State::Active)
            return;
        page_->setLifecycleState(State::Frozen);
        discard_->start(DiscardDelay());
    });
}

void HiddenPageKeeper::WindowShown() {
    discard_->stop();
    // A discarded page loads again here.
    page_->setLifecycleState(State::Active);
}

void HiddenPageKeeper::Discard() {
    if (!page_->isVisible())
        page_->setLifecycleState(State::Discarded);
}
