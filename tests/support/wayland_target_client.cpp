// A native Wayland window that stands in for a mail program in the Wayland desktop tests. Its app
// id is the first argument. Prints READY once shown, then "KEY <keysym in hex> <modifiers>" for
// every key pressed (modifiers: C Control, A Alt, S Shift, - none; a repeat of a held key is a
// press of its own) and "UP <keysym in hex>" for every key released, "FOCUS in" when it gets the
// keyboard. Ctrl+V pastes:
//   PASTE types <t1,t2,...>       what the clipboard offers
//   PASTE text <text>
//   PASTE png <w>x<h> | PASTE png none
//   PASTE html <data type> <sha1 of the decoded data> | PASTE html none
//   PASTE done
#include <QClipboard>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QRasterWindow>
#include <QRegularExpression>
#include <cstdio>

namespace {

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
}

void Paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    Say("PASTE types " + data->formats().join(','));
    Say("PASTE text " + data->text());
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    Say(png.isNull() ? QStringLiteral("PASTE png none")
                     : QStringLiteral("PASTE png %1x%2").arg(png.width()).arg(png.height()));
    static const QRegularExpression dataUrl(
        QStringLiteral("src=\"data:([^;\"]+);base64,([^\"]*)\""));
    const auto match = dataUrl.match(QString::fromUtf8(data->data("text/html")));
    Say(match.hasMatch()
            ? "PASTE html " + match.captured(1) + ' ' +
                  QCryptographicHash::hash(QByteArray::fromBase64(match.captured(2).toLatin1()),
                                           QCryptographicHash::Sha1)
                      .toHex()
            : QStringLiteral("PASTE html none"));
    Say("PASTE done");
}

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
    void focusInEvent(QFocusEvent*) override {
        std::printf("FOCUS in\n");
        std::fflush(stdout);
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
        // On a layout without Latin letters, programs take Ctrl and the key where V is on a US
        // keyboard (XKB code 55) for Ctrl+V, as Qt's shortcuts, GTK and the browsers do.
        if (event->matches(QKeySequence::Paste) ||
            (event->modifiers() == Qt::ControlModifier && event->nativeScanCode() == 55))
            Paste();
        std::fflush(stdout);
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        std::printf("UP %x\n", event->nativeVirtualKey());
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
