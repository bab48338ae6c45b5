// The line that explains the desktop's question comes when the desktop asks, and only then.
#include "app/typing_permission.h"

#include "platform/current_desktop.h"
#include "support/recording_desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class AnsweringDesktop : public RecordingDesktop {
public:
    Typing typing() const override { return typing_; }
    Typing typing_ = Typing::Asking;
};

struct Question {
    Desktop::Typing state;
    int answeredAfterMs;
    bool explained;
};

class TypingPermission : public testing::TestWithParam<Question> {};

TEST_P(TypingPermission, ExplainsTheQuestionOnlyWhileTheDesktopAsks) {
    AnsweringDesktop desktop;
    desktop.typing_ = GetParam().state;
    SetCurrentDesktop(&desktop);
    bool explained = false;
    QElapsedTimer clock;
    clock.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            explained |= window->isVisible() && qobject_cast<QLabel*>(window);
        if (clock.elapsed() >= GetParam().answeredAfterMs)
            desktop.typing_ = Desktop::Typing::Allowed;
    });
    watch.start(20);
    WaitForTypingPermission();
    SetCurrentDesktop(nullptr);
    EXPECT_EQ(desktop.typing_, Desktop::Typing::Allowed);
    EXPECT_EQ(explained, GetParam().explained);
}

// A first question; a kept permission that comes back at once; one that the desktop no longer
// held, so that it asks again.
INSTANTIATE_TEST_SUITE_P(Starts, TypingPermission,
                         testing::Values(Question{Desktop::Typing::Asking, 300, true},
                                         Question{Desktop::Typing::Renewing, 300, false},
                                         Question{Desktop::Typing::Renewing, 4500, true}));

} // namespace
