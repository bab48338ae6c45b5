#include "catalogue/catalogue_model.h"
#include "catalogue/picture_page.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A page that refuses every navigation but the picture page itself, as the main window does,
// and records what the browser reported.
class RecordingPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;
    QString pagePath;
    QList<QUrl> clicked;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        if (ClassifyNavigation(url, pagePath) != NavigationKind::PictureClick)
            return true;
        clicked << url;
        return false;
    }
};

QVariant RunScript(QWebEnginePage& page, const QString& script) {
    QVariant result;
    bool done = false;
    page.runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(WaitFor([&] { return done; })) << script.toStdString();
    return result;
}

} // namespace

TEST(PageInBrowser, EveryPictureShowsAndAClickReportsExactlyItsOwnFile) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u"/Ä cat #1/"_s;
    const QStringList wanted = {"a\"b.gif",
                                "<x>.png",
                                "&amp;.gif",
                                "#frag.jpg",
                                "100%.png",
                                "q?x=1.gif",
                                "two  blanks.gif",
                                u"ünï😀.png"_s,
                                "'single'.gif",
                                "back\\slash.gif",
                                "%2e%2e%2fetc.gif",
                                "javascript:alert(1).gif",
                                "x\"><a href=\"file:.gif",
                                "plain.gif"};
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QDir().mkpath(folder);
    for (const QString& name : wanted)
        ASSERT_TRUE(picture.save(folder + name, "PNG")) << name.toStdString();
    const QStringList names = ListPictures(folder);
    ASSERT_EQ(names.size(), wanted.size());

    // The shipped page head, as the program uses it.
    const QString base = dir.path() + "/base/";
    WriteFile(base + "base.dat", ReadFile(SourceDir() + "shipped/GlimmoraData/base.dat"));
    const QString pagePath = dir.path() + "/user/temp.htm";
    QDir().mkpath(dir.path() + "/user");
    WritePicturePage(pagePath, folder, names, base);

    QWebEngineView view;
    auto* page = new RecordingPage(&view);
    page->pagePath = pagePath;
    view.setPage(page);
    view.resize(800, 600);
    view.show();
    bool loaded = false;
    QObject::connect(page, &QWebEnginePage::loadFinished, [&](bool ok) { loaded = ok; });
    page->load(QUrl::fromLocalFile(pagePath));
    ASSERT_TRUE(WaitFor([&] { return loaded; }));

    EXPECT_EQ(RunScript(*page, "document.links.length").toInt(), names.size());
    EXPECT_EQ(RunScript(*page, "document.images.length").toInt(), names.size());
    EXPECT_TRUE(WaitFor([&] {
        return RunScript(*page, "Array.from(document.images).every(i => i.complete && "
                                "i.naturalWidth == 12)")
            .toBool();
    }));
    EXPECT_EQ(RunScript(*page, "getComputedStyle(document.links[0]).color").toString(),
              "rgb(255, 255, 255)");

    for (int i = 0; i < names.size(); ++i) {
        RunScript(*page, QString("document.links[%1].click()").arg(i));
        ASSERT_TRUE(WaitFor([&] { return page->clicked.size() == i + 1; })) << i;
        EXPECT_EQ(PicturePathFromUrl(page->clicked.last()).toStdString(),
                  (folder + names[i]).toStdString());
    }
    // Refused clicks leave the page in place.
    EXPECT_EQ(RunScript(*page, "document.links.length").toInt(), names.size());
}

int main(int argc, char** argv) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
