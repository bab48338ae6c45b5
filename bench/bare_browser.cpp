// The start-up reference: the least a Qt program needs to show a local page in a browser view of
// the main window's size. Prints one line on stderr when the page has loaded.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: bare_browser PAGE\n", stderr);
        return 2;
    }
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(775, 491);
    QObject::connect(&view, &QWebEngineView::loadFinished, [](bool ok) {
        if (ok)
            std::fputs("bare: page loaded\n", stderr);
    });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();
    return app.exec();
}
