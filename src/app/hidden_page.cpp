#include "app/hidden_page.h"

#include "platform/process_memory.h"

#include <QTimer>
#include <QWebEnginePage>

#include <iterator>

using State = QWebEnginePage::LifecycleState;

namespace {
// A renderer that has shown only pages of the shipped catalogue holds 30 to 60 MB; one that has
// shown 10,000 pictures keeps several hundred.
constexpr qint64 kRenewAboveKb = 128 * 1024;
// The engine frees what a hidden or renewed page held over the next minute or so, not at once.
constexpr int kReleaseAfterMs[] = {3000, 10000, 30000, 60000};
} // namespace

HiddenPageKeeper::HiddenPageKeeper(QWebEnginePage* page, QObject* parent)
    : QObject(parent), page_(page), discard_(new QTimer(this)), release_(new QTimer(this)) {
    discard_->setSingleShot(true);
    connect(discard_, &QTimer::timeout, this, &HiddenPageKeeper::Discard);
    release_->setSingleShot(true);
    connect(release_, &QTimer::timeout, this, [this] {
        ReturnFreedMemoryToSystem();
        if (++releases_ < int(std::size(kReleaseAfterMs)))
            release_->start(kReleaseAfterMs[releases_] - kReleaseAfterMs[releases_ - 1]);
    });
    connect(page_, &QWebEnginePage::loadFinished, this, [this] {
        if (renewing_ && !page_->isVisible())
            Freeze();
    });
}

std::chrono::milliseconds HiddenPageKeeper::DiscardDelay() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("GLIMMORA_DISCARD_HIDDEN_PAGE_AFTER", &ok);
    return ok && seconds >= 0 ? std::chrono::seconds(seconds) : std::chrono::minutes(10);
}

void HiddenPageKeeper::WindowHidden() {
    // Once the hide has settled: the placement hides and shows at once.
    QTimer::singleShot(0, this, &HiddenPageKeeper::Settle);
}

void HiddenPageKeeper::Settle() {
    if (page_->isVisible() || page_->lifecycleState() != State::Active)
        return;
    if (ProcessMemoryKb(page_->renderProcessPid()) > kRenewAboveKb) {
        renewing_ = true;
        page_->setLifecycleState(State::Discarded);
        page_->setLifecycleState(State::Active);
        page_->load(page_->url()); // a hidden page would wait to be shown
        return;
    }
    Freeze();
}

void HiddenPageKeeper::Freeze() {
    renewing_ = false;
    page_->setLifecycleState(State::Frozen);
    discard_->start(DiscardDelay());
    StartReleasing();
}

void HiddenPageKeeper::StartReleasing() {
    releases_ = 0;
    release_->start(kReleaseAfterMs[0]);
}

void HiddenPageKeeper::WindowShown() {
    discard_->stop();
    release_->stop();
    renewing_ = false;
    // A discarded page loads again here.
    page_->setLifecycleState(State::Active);
}

void HiddenPageKeeper::Discard() {
    if (page_->isVisible())
        return;
    page_->setLifecycleState(State::Discarded);
    StartReleasing();
}
