// The reference for the desktop benchmarks: the least a Qt program needs to show a local page in a
// browser view. Usage: bare_browser PAGE [WIDTH HEIGHT [X Y]]; the view is 775 x 491 (the main
// window's size) unless given. Prints "bare: page loaded" on stderr whenever a page has loaded.
// Reads commands on stdin, one a line: "load PATH", "hide", "show".
#include <QApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: bare_browser PAGE [WIDTH HEIGHT [X Y]]\n", stderr);
        return 2;
    }
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(argc > 3 ? atoi(argv[2]) : 775, argc > 3 ? atoi(argv[3]) : 491);
    if (argc > 5)
        view.move(atoi(argv[4]), atoi(argv[5]));
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool ok) {
        if (ok)
            std::fputs("bare: page loaded\n", stderr);
    });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();

    QFile input;
    input.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered);
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char line[4096];
        const qint64 n = input.readLine(line, sizeof line);
        if (n <= 0) {
            commands.setEnabled(false); // the bench has gone
            return;
        }
        const QByteArray command = QByteArray(line, n).trimmed();
        if (command.startsWith("load "))
            view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(command.mid(5))));
        else if (command == "hide")
            view.hide();
        else if (command == "show")
            view.show();
    });
    return app.exec();
}
