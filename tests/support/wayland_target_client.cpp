// A native Wayland window that stands in for a mail program in the Wayland desktop tests. Its app
// id is the first argument. Prints READY once shown, then "KEY <keysym in hex> <modifiers>" for
// every key pressed (modifiers: C Control, A Alt, S Shift, - none); Ctrl+V pastes: "PASTE <text>".
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRasterWindow>
#include <cstdio>

namespace {

class Target : public QRasterWindow {
protected:
    void exposeEvent(QExposeEvent* event) override {
        QRasterWindow::exposeEvent(event);
        if (isExposed() && !ready_) {
            ready_ = true;
            std::printf("READY\n");
            std::fflush(stdout);
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        QByteArray modifiers;
        if (event->modifiers() & Qt::ControlModifier)
            modifiers += 'C';
        if (event->modifiers() & Qt::AltModifier)
            modifiers += 'A';
        if (event->modifiers() & Qt::ShiftModifier)
            modifiers += 'S';
        std::printf("KEY %x %s\n", event->nativeVirtualKey(),
                    modifiers.isEmpty() ? "-" : modifiers.constData());
        if (event->matches(QKeySequence::Paste))
            std::printf("PASTE %s\n", qPrintable(QGuiApplication::clipboard()->text()));
        std::fflush(stdout);
    }

private:
    bool ready_ = false;
};

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        QGuiApplication::setDesktopFileName(QString::fromLocal8Bit(argv[1]));
    QGuiApplication app(argc, argv);
    Target window;
    window.resize(400, 300);
    window.show();
    return app.exec();
}
