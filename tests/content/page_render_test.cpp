// The shipped page files in the real browser engine: the picture page written from "base.dat"
// shows every picture of a category side by side in white frames, and the empty page finds its
// own picture through [DATADIR].
#include "catalogue/picture_page.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

QString DataDir() {
    return SourceDir() + "shipped/GlimmoraData/";
}

class RenderedPage : public ::testing::Test {
protected:
    void Load(const QString& path) {
        view_.resize(640, 480);
        view_.show();
        bool finished = false;
        bool ok = false;
        auto connection = QObject::connect(&view_, &QWebEngineView::loadFinished, [&](bool result) {
            finished = true;
            ok = result;
        });
        view_.load(QUrl::fromLocalFile(path));
        ASSERT_TRUE(WaitFor([&] { return finished; })) << "page did not load";
        QObject::disconnect(connection);
        ASSERT_TRUE(ok);
    }

    QVariant Eval(const QString& script) {
        QVariant result;
        bool done = false;
        view_.page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(WaitFor([&] { return done; })) << script.toStdString();
        return result;
    }

    QTemporaryDir user_;
    QWebEngineView view_;
};

TEST_F(RenderedPage, PicturePageShowsFramedPicturesSideBySide) {
    const QString folder = DataDir() + "faces/happy/grinning/";
    const QStringList names = ListPictures(folder);
    ASSERT_GE(names.size(), 6);
    const QString page = user_.path() + "/temp.htm";
    WritePicturePage(page, folder, names, DataDir());
    Load(page);

    EXPECT_EQ(Eval("document.images.length").toInt(), names.size());
    // Lazy pictures do not hold up the page's load event (they do from Qt 6.8 on file pages).
    const QString loaded =
        "Array.from(document.images).filter(i => i.complete && i.naturalWidth == 48).length";
    EXPECT_TRUE(WaitFor([&] { return Eval(loaded).toInt() == names.size(); }))
        << "every picture loads from its file address: " << Eval(loaded).toInt() << " of "
        << names.size();
    // The page writer makes links white; the 10-pixel frame of each picture takes that colour.
    EXPECT_EQ(Eval("getComputedStyle(document.images[0]).borderTopColor").toString().toStdString(),
              "rgb(255, 255, 255)");
    EXPECT_EQ(Eval("getComputedStyle(document.images[0]).borderTopWidth").toString().toStdString(),
              "10px");
    // Side by side: the first two pictures share a row.
    EXPECT_EQ(Eval("document.images[0].getBoundingClientRect().top == "
                   "document.images[1].getBoundingClientRect().top")
                  .toBool(),
              true);
    // A calm, coloured background, so the white frames stand out.
    EXPECT_NE(
        Eval("getComputedStyle(document.documentElement).backgroundColor").toString().toStdString(),
        "rgb(255, 255, 255)");
    EXPECT_EQ(Eval("document.characterSet").toString().toStdString(), "UTF-8");
    // Every row starts at the same place whatever the width: the blanks between two pictures
    // never open a row.
    EXPECT_EQ(Eval("(() => { const bad = [];"
                   "  for (let w = 200; w <= 900; w += 3) {"
                   "    document.body.style.width = w + 'px';"
                   "    const lefts = new Map();"
                   "    for (const i of document.images) {"
                   "      const r = i.getBoundingClientRect();"
                   "      lefts.set(r.top, Math.min(lefts.get(r.top) ?? 1e9, r.left)); }"
                   "    if (new Set(lefts.values()).size > 1) bad.push(w); }"
                   "  document.body.style.width = '';"
                   "  return bad.join(' '); })()")
                  .toString()
                  .toStdString(),
              "");
    // A row holds as many pictures as fit with the gaps between them: the gap after a row's last
    // picture takes no room, and the first keeps the page's padding. Five framed pictures (68 px)
    // and four gaps (25 px) fill 440 px.
    EXPECT_EQ(Eval("(() => { document.body.style.width = (440 + 32) + 'px';"
                   "  const r = Array.from(document.images, i => i.getBoundingClientRect());"
                   "  const row = r.filter(b => b.top == r[0].top).length;"
                   "  document.body.style.width = '';"
                   "  return row + ' ' + r[0].left; })()")
                  .toString()
                  .toStdString(),
              "5 16");
}

TEST_F(RenderedPage, EmptyPageShowsTitleAndItsOwnPicture) {
    const QString page = user_.path() + "/temp.htm";
    WriteEmptyPage(page, DataDir() + "data/", "Nothing here yet: add your own pictures");
    Load(page);

    EXPECT_EQ(Eval("document.title").toString().toStdString(),
              "Nothing here yet: add your own pictures");
    EXPECT_TRUE(Eval("document.body.innerText").toString().contains("Nothing here yet"));
    EXPECT_GE(
        Eval("Array.from(document.images).filter(i => i.complete && i.naturalWidth > 0).length")
            .toInt(),
        1)
        << "the [DATADIR] picture resolves";
    EXPECT_FALSE(Eval("document.documentElement.outerHTML").toString().contains("["))
        << "no placeholder left";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
