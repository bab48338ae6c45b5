#include "integration/insertion.h"

#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "integration/target_window.h"
#include "localisation/translation_table.h"
#include "platform/picture_clipboard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <stdexcept>

namespace {

// A picture that has not loaded by then never will in a way the user would wait for.
constexpr qint64 kPictureLoadLimitMs = 10000;

bool g_insertionRunning = false;

// The picture document the insertion copies from; it keeps the last picture inserted.
PictureClipboard& CopyBrowser1() {
    static PictureClipboard copy;
    return copy;
}

class RunningFlag {
public:
    RunningFlag() { g_insertionRunning = true; }
    ~RunningFlag() { g_insertionRunning = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;
};

bool WaitForPicture(const PictureClipboard& copy) {
    QElapsedTimer waited;
    waited.start();
    while (copy.state() == PictureClipboard::State::Loading &&
           waited.elapsed() < kPictureLoadLimitMs) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    return copy.state() == PictureClipboard::State::Ready;
}

} // namespace

bool InsertionRunning() {
    return g_insertionRunning;
}

void InsertPicture(Desktop& desktop, const QString& url, const InsertionReport& report) {
    // Every wait below processes events, so a second click could start a second insertion in
    // the middle of this one and mix both key sequences.
    if (g_insertionRunning)
        return;
    RunningFlag running;

    PictureClipboard& copy = CopyBrowser1();
    copy.Navigate(url);
    if (!WaitForPicture(copy)) {
        const bool failed = copy.state() == PictureClipboard::State::Failed;
        report(GetText(failed ? 231 : 232).arg(url));
        return;
    }
    WaitMilliseconds(500);
    if (!desktop.setClipboard(copy.CreateMimeData())) {
        report(GetText(233));
        return;
    }

    try {
        ActivateTargetWindow(desktop);
        SendKeySequence(desktop, GetChosenMailDef().ToHtmlKeys);
        WaitMilliseconds(500);
        SendKeySequence(desktop, GetChosenMailDef().InsertKeys);
    } catch (const std::out_of_range&) {
        // Nothing has been touched yet when the first look-up fails; the picture is on the
        // clipboard for the user to paste.
        report(GetText(230));
    }
}
