#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "support/desktop.h"
#include "support/wait.h"

// Runs `action` once `window` is the visible modal window, i.e. from inside its modal loop.
inline void WhenModal(QWidget* window, std::function<void()> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, window, action] {
        if (!window->isVisible() || QApplication::activeModalWidget() != window)
            return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start();
}

// A real left click (XTest, through xdotool) at a point of the screen: like the user's click, it
// reaches whatever window is on top there, and only when that window takes input.
inline bool ClickOnScreen(const QPoint& global) {
    return QProcess::execute("xdotool", {"mousemove", QString::number(global.x()),
                                         QString::number(global.y()), "click", "1"}) == 0;
}

// Test main for window tests (support/desktop.h).
#define GLIMMORA_WINDOW_TEST_MAIN                                                                  \
    int main(int argc, char** argv) {                                                              \
        return RunWindowTests(argc, argv);                                                         \
    }
