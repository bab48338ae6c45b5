#include "app/hidden_page.h"

#include "app/last_frame.h"
#include "platform/process_memory.h"

#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <iterator>

using State = QWebEnginePage::LifecycleState;

namespace {
// The engine frees what a discarded page held over the next minute or so, not at once.
constexpr int kReleaseAfterMs[] = {3000, 10000, 30000, 60000};
} // namespace

HiddenPageKeeper::HiddenPageKeeper(QWebEngineView* view, QObject* parent)
    : QObject(parent), page_(view->page()), frame_(new LastFrame(view)),
      release_(new QTimer(this)) {
    release_->setSingleShot(true);
    connect(release_, &QTimer::timeout, this, [this] {
        ReturnFreedMemoryToSystem();
        if (++releases_ < int(std::size(kReleaseAfterMs)))
            release_->start(kReleaseAfterMs[releases_] - kReleaseAfterMs[releases_ - 1]);
    });
    connect(page_, &QWebEnginePage::loadFinished, frame_, &LastFrame::PageLoaded);
}

void HiddenPageKeeper::WindowHidden() {
    // Once the hide has settled: the placement hides and shows at once.
    QTimer::singleShot(0, this, &HiddenPageKeeper::Settle);
}

void HiddenPageKeeper::Settle() {
    if (page_->isVisible() || page_->lifecycleState() != State::Active)
        return;
    frame_->Cover();
    page_->setLifecycleState(State::Discarded);
    discarded_ = true;
    StartReleasing();
}

void HiddenPageKeeper::StartReleasing() {
    releases_ = 0;
    release_->start(kReleaseAfterMs[0]);
}

void HiddenPageKeeper::WindowShown() {
    release_->stop();
    // The engine may have woken the page already, as its view was shown before the window.
    if (page_->lifecycleState() == State::Discarded)
        page_->setLifecycleState(State::Active);
    // A discarded page loads again; the picture goes once it has.
    if (!discarded_)
        frame_->Uncover();
    discarded_ = false;
}
