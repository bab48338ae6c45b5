#include "app/hidden_page.h"

#include "app/last_frame.h"
#include "platform/process_memory.h"

#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <iterator>

using State = QWebEnginePage::LifecycleState;

namespace {
// The engine frees what a discarded page held over the next minute or so, not at once.
constexpr int kReleaseAfterMs[] = {3000, 10000, 30000, 60000};
// Pictures that could not be had (the picture server busy, a file away for a moment) are asked
// for again. The page's own script is forbidden, so this runs in a world of its own; setting the
// same source again starts a new load, and a lazy picture still waits until it comes near.
constexpr char kReloadBrokenPictures[] =
    "for (const picture of document.images)"
    "  if (picture.complete && picture.naturalWidth === 0 && picture.src)"
    "    picture.src = picture.src;";
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
    connect(page_, &QWebEnginePage::loadFinished, this, [this] {
        // The page that loads again starts at its top; the picture showed it scrolled.
        if (page_->url() == discardedAt_ && !discardedScroll_.isNull())
            page_->runJavaScript(QStringLiteral("window.scrollTo(%1, %2)")
                                     .arg(discardedScroll_.x())
                                     .arg(discardedScroll_.y()),
                                 QWebEngineScript::ApplicationWorld);
        discardedAt_.clear();
        frame_->PageLoaded();
    });
}

void HiddenPageKeeper::WindowHidden() {
    // Once the hide has settled: the placement hides and shows at once.
    QTimer::singleShot(0, this, &HiddenPageKeeper::Settle);
}

void HiddenPageKeeper::Settle() {
    if (page_->isVisible() || page_->lifecycleState() != State::Active)
        return;
    // Asked of the page itself: the engine's own record of the scroll position is not kept up to
    // date without its graphics.
    page_->runJavaScript(QStringLiteral("[window.scrollX, window.scrollY]"),
                         QWebEngineScript::ApplicationWorld, [this](const QVariant& position) {
                             // No answer: the page is going away with the window, or has no
                             // renderer to give up.
                             const QVariantList xy = position.toList();
                             if (xy.size() == 2)
                                 Discard(QPointF(xy[0].toDouble(), xy[1].toDouble()));
                         });
}

void HiddenPageKeeper::Discard(QPointF scroll) {
    if (page_->isVisible() || page_->lifecycleState() != State::Active)
        return;
    frame_->Cover();
    discardedAt_ = page_->url();
    discardedScroll_ = scroll;
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
    // A discarded page loads again, every picture with it; the last frame goes once it has.
    if (!discarded_) {
        frame_->Uncover();
        page_->runJavaScript(QString::fromLatin1(kReloadBrokenPictures),
                             QWebEngineScript::ApplicationWorld);
    }
    discarded_ = false;
}
