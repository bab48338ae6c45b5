#include "integration/insertion.h"

#include "integration/dialog_keys.h"
#include "integration/emoji_text.h"
#include "integration/isolated_text.h"
#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "integration/message_boxes.h"
#include "integration/target_window.h"
#include "integration/translation_table.h"
#include "platform/picture_clipboard.h"
#include "platform/running_flag.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QThread>
#include <stdexcept>

namespace {

// A picture that has not loaded by then never will in a way the user would wait for.
constexpr qint64 kPictureLoadLimitMs = 10000;

bool g_insertionRunning = false;

InsertionNotice& Notice() {
    static InsertionNotice notice;
    return notice;
}

// The picture document the insertion copies from; it keeps the last picture inserted.
PictureClipboard& CopyBrowser1() {
    static PictureClipboard copy;
    return copy;
}

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

// Reports text `number`, with the definition's name for %1, the first time in this run that it
// concerns that definition: a hint about the program, so it is not repeated.
void TellOnce(const InsertionReport& report, int number, const MailDef& def) {
    static QSet<QPair<int, QByteArray>> told;
    if (number <= 0 || told.contains({number, def.Name}))
        return;
    told.insert({number, def.Name});
    report(GetText(number).replace(QLatin1String("%1"), Isolated(DecodeBytes(def.Name))));
}

// The text that says why the desktop lets nothing be typed; 0 when it does.
int TypingRefusalText(Desktop::Typing typing) {
    switch (typing) {
    case Desktop::Typing::Allowed:
        return 0;
    case Desktop::Typing::Asking:
    case Desktop::Typing::Renewing:
        return 310;
    case Desktop::Typing::Refused:
        return 311;
    case Desktop::Typing::Withdrawn:
        return 312;
    }
    return 0;
}

} // namespace

bool InsertionRunning() {
    return g_insertionRunning;
}

void SetInsertionNotice(InsertionNotice notice) {
    Notice() = std::move(notice);
}

void InsertPicture(Desktop& desktop, const QString& url, const InsertionReport& report) {
    // Every wait below processes events, so a second click could start a second insertion in
    // the middle of this one and mix both key sequences.
    if (g_insertionRunning)
        return;
    RunningFlag running(g_insertionRunning);

    PictureClipboard& copy = CopyBrowser1();
    copy.Navigate(url);
    if (!WaitForPicture(copy)) {
        const bool failed = copy.state() == PictureClipboard::State::Failed;
        report(GetText(failed ? 231 : 232).arg(Isolated(url)));
        return;
    }
    WaitMilliseconds(500);
    // An emoji of the catalogue travels as text too, for programs that take only text.
    const QString text = EmojiTextOfPicture(copy.path());
    if (!desktop.setClipboard(copy.CreateMimeData(text))) {
        report(GetText(233));
        return;
    }

    try {
        if (!GetChosenMailDef().TakesPictures && text.isEmpty()) {
            // Nothing on the clipboard that the program can take: say so instead of a paste that
            // silently does nothing.
            TellOnce(report, 261, GetChosenMailDef());
            return;
        }
        if (const int refusal = TypingRefusalText(desktop.typing())) {
            // Glimmora stays in sight for the message; nothing could be typed anyway.
            report(GetText(refusal));
            return;
        }
        const auto refusedFocus = [&] {
            // Keys now would land in whatever window has the focus (where the focus is handed
            // back, in Glimmora itself).
            report(GetText(desktop.raisesWindows() ? 260 : 300)
                       .replace(QLatin1String("%1"), DecodeBytes(GetChosenMailDef().Name)));
        };
        Desktop::Window target = 0;
        if (ActivateTargetWindow(desktop, &target) == TargetActivation::FocusRefused) {
            refusedFocus();
            return;
        }
        bool typed = true;
        if (GetChosenMailDef().InsertIntoDialog) {
            const MailDef def = GetChosenMailDef(); // a definition update may run meanwhile
            const DialogKeysResult result =
                SendDialogKeys(desktop, target, def.ToHtmlKeys, def.InsertKeys, def.NoDialogKeys);
            if (result == DialogKeysResult::NoFocus) {
                refusedFocus();
                return;
            }
            typed = result == DialogKeysResult::Typed;
        } else {
            typed = SendKeySequence(desktop, GetChosenMailDef().ToHtmlKeys);
            if (typed) {
                WaitMilliseconds(500);
                typed = SendKeySequence(desktop, GetChosenMailDef().InsertKeys);
            }
        }
        if (!typed) {
            report(GetText(313).replace(QLatin1String("%1"), DecodeBytes(GetChosenMailDef().Name)));
            return;
        }
        const MailDef& def = GetChosenMailDef();
        if (def.NoticeText > 0 && Notice()) {
            // A notice without words would say nothing: the default language's, else none.
            QString notice = TextOrDefault(def.NoticeText);
            if (!notice.isEmpty())
                Notice()(def.NoticeText,
                         notice.replace(QLatin1String("%1"), DecodeBytes(def.Name)));
        } else {
            TellOnce(report, def.NoticeText, def);
        }
    } catch (const std::out_of_range&) {
        // Nothing has been touched yet when the first look-up fails; the picture is on the
        // clipboard for the user to paste.
        report(GetText(230));
    }
}
