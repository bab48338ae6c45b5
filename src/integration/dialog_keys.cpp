#include "integration/dialog_keys.h"

#include "integration/key_sequence.h"
#include "integration/target_window.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

// A program just started may take this long to open a dialog; one that takes longer has
// ignored the keys.
constexpr int kDialogLimitMs = 2000;
// The pause between the two sequences of every definition.
constexpr int kSequencePauseMs = 500;

// A shown window of the target's program that was not there before.
Desktop::Window WaitForNewWindow(Desktop& desktop, Desktop::Window target,
                                 const QList<Desktop::Window>& before, int ms) {
    QElapsedTimer waited;
    waited.start();
    do {
        for (const Desktop::Window window : desktop.programWindows(target)) {
            if (!before.contains(window))
                return window;
        }
        QThread::msleep(10);
        ProcessPendingEvents();
    } while (waited.elapsed() < ms);
    return 0;
}

DialogKeysResult Typed(bool typed) {
    return typed ? DialogKeysResult::Typed : DialogKeysResult::NotTyped;
}

} // namespace

DialogKeysResult SendDialogKeys(Desktop& desktop, Desktop::Window target,
                                const QByteArray& openKeys, const QByteArray& dialogKeys,
                                const QByteArray& noDialogKeys) {
    const QList<Desktop::Window> before =
        target ? desktop.programWindows(target) : QList<Desktop::Window>{};
    // Where the desktop shows no windows a dialog could never be seen: no dialog then.
    if (!before.isEmpty()) {
        // A program may ignore the opening keys once (a word processor right after its start).
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (attempt > 0 && !ActivateWindow(desktop, target))
                return DialogKeysResult::NoFocus;
            QElapsedTimer sent;
            sent.start();
            if (!SendKeySequence(desktop, openKeys))
                return DialogKeysResult::NotTyped;
            const Desktop::Window dialog =
                WaitForNewWindow(desktop, target, before, kDialogLimitMs);
            if (!dialog)
                continue;
            // Without a window manager a new window does not get the focus by itself.
            if (!ActivateWindow(desktop, dialog))
                return DialogKeysResult::NoFocus;
            WaitMilliseconds(static_cast<std::int32_t>(kSequencePauseMs - sent.elapsed()));
            return Typed(SendKeySequence(desktop, dialogKeys));
        }
        if (!ActivateWindow(desktop, target))
            return DialogKeysResult::NoFocus;
    }
    return Typed(SendKeySequence(desktop, noDialogKeys));
}
