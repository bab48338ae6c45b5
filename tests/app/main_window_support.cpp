#include "app/main_window_support.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "dialogs/settings_form.h"
#include "dialogs/window_test_support.h"
#include "integration/translation_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {
void WritePicture(const QString& path, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "PNG"));
}
} // namespace

void WriteSampleCatalogue(const TempHome& home) {
    const QString base = home.programDir() + "GlimmoraData/";
    WriteFile(base + "base.dat",
              "<html><head><meta charset=\"utf-8\"></head>\r\n<body bgcolor=\"#eef\">\r\n<p>");
    WriteFile(base + "data/template.tpl", "<html><body><h1>[TITLE]</h1></body></html>");
    WritePicture(base + "faces/happy/grin/a.png", Qt::yellow);
    WritePicture(base + "faces/happy/grin/b c#1.png", Qt::red);
    WritePicture(base + "animals/cat.png", Qt::gray);
    WriteFile(home.userData() + "GlimmoraData/pics.full.def",
              "[Faces]faces\r\n-[Happy]happy\r\n--[Grin]grin\r\n[Animals]animals\r\n");
    WriteFile(home.userData() + "Glimmora.def",
              "[0]\r\nEnglish\r\n[1]\r\nGlimmora\r\n[8]\r\nQuit?\r\n[62]\r\nEmpty\r\n[END]\r\n");
    QDir().mkpath(home.userData() + "GlimmoraData/favorites");
    QDir().mkpath(home.userData() + "GlimmoraData/owncats");
}

QVariant RunJs(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    // The page runs no script of its own; the test's scripts run in a world of their own.
    view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    WaitFor([&] { return done; }, 10000);
    return result;
}

bool WaitForPageLoaded(QWebEngineView* view) {
    return WaitFor([&] { return RunJs(view, "document.readyState").toString() == "complete"; },
                   20000);
}

QStringList PageImageSources(QWebEngineView* view) {
    return RunJs(view, "Array.from(document.images).map(i => "
                       "decodeURIComponent(i.src)).join('\\n')")
        .toString()
        .split('\n', Qt::SkipEmptyParts);
}

std::optional<QPoint> PictureCentre(QWebEngineView* view, int index) {
    // Pictures carry no size in the page: until every one has loaded, the next may still move.
    if (!WaitFor([&] {
            return RunJs(view, "Array.from(document.images).every(i => i.complete)").toBool();
        }))
        return std::nullopt;
    QVariantList centre =
        RunJs(view, QString("(() => { const r = document.images[%1].getBoundingClientRect();"
                            " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                        .arg(index))
            .toList();
    if (centre.size() != 2)
        return std::nullopt;
    return QPoint(centre[0].toInt(), centre[1].toInt());
}

bool ClickPicture(QWebEngineView* view, int index) {
    const std::optional<QPoint> centre = PictureCentre(view, index);
    return centre && ClickOnScreen(view->mapToGlobal(*centre));
}

QString WaylandTestPicture(const TempHome& home) {
    return home.programDir() + "GlimmoraData/faces/happy/grin/c.jpg";
}

TForm1* OpenMainWindowForAppIds(const TempHome& home, const QByteArray& appIds) {
    WriteSampleCatalogue(home);
    // A JPEG travels as PNG and as itself; the page's pictures are listed by file name.
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    photo.save(WaylandTestPicture(home), "JPG");
    WriteFile(home.programDir() + "GlimmoraData/emoji.dat", "faces/happy/grin/c.jpg\t1F600\r\n");
    // The window class names no window: only the app id finds the program.
    WriteFile(home.userData() + "glimmora.maildef.ini",
              "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\n"
              "name=Target\r\nlanguage=en\r\nwindowclass=NoSuchClass\r\nappid=" +
                  appIds + "\r\ntohtmlkeys=|ALT|o|EALT|\r\ninsert=|STRG|v|ESTRG|\r\n");
    CreateTranslationTable("Glimmora");
    auto* form = new TForm1(QStringList{"glimmora"});
    Form1 = form;
    SettingsForm = new TSettingsForm(RecordSettingsStore());
    form->FirstShowPending = false;
    form->LoadCatalogue();
    return form;
}

void CloseMainWindow(TForm1* form) {
    delete SettingsForm;
    SettingsForm = nullptr;
    delete form;
    Form1 = nullptr;
}

void BecomeWaylandClient(const QProcessEnvironment& env, const QStringList& names) {
    for (const QString& name : names)
        qputenv(name.toLocal8Bit().constData(), env.value(name).toLocal8Bit());
    qunsetenv("DISPLAY");
    // The headless compositors draw with the processor and share no GPU buffers with clients.
    qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication::setDesktopFileName("glimmora"); // the program's app id
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
