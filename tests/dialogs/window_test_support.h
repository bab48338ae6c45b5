#pragma once
#include <QApplication>
#include <QElapsedTimer>
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

// Test main for window tests (support/desktop.h).
#define GLIMMORA_WINDOW_TEST_MAIN                                                                  \
    int main(int argc, char** argv) {                                                              \
        return RunWindowTests(argc, argv);                                                         \
    }
