#include "app/forms.h"
#include "dialogs/about_form.h"
#include "dialogs/browser_form.h"
#include "dialogs/survey_form.h"
#include "dialogs/window_test_support.h"
#include "integration/translation_table.h"
#include "support/test_env.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Follows the link with the given id as a click of the user would.
void ClickLink(QWebEngineView* view, const QString& id) {
    view->page()->runJavaScript(QString("document.getElementById('%1').click();").arg(id),
                                QWebEngineScript::ApplicationWorld);
}

QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// Counts finished loads of a view.
struct LoadWatch {
    explicit LoadWatch(QWebEngineView* view) {
        QObject::connect(view, &QWebEngineView::loadFinished, [this](bool ok) {
            ++finished;
            lastOk = ok;
        });
    }
    int finished = 0;
    bool lastOk = false;
};

const char kSourcesPage[] =
    "<html><body><h1>Sources</h1>"
    "<a id='web' href='http://127.0.0.1:9/credits.html?a=1&amp;b=2'>credits</a> "
    "<a id='local' href='other.html'>other</a> "
    "<a id='data' href='%1'>data</a> "
    "<a id='outside' href='%2'>outside</a> "
    "<a id='escape' href='escape.txt'>escape</a> "
    "<a id='web2' href='https://example.org/more'>more</a> "
    "<a id='popup' href='https://example.org/new' target='_blank'>new window</a>"
    "<script>document.title = 'script ran'</script></body></html>";

class BrowserWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        page_ = home_.programDir() + "GlimmoraData/data/sources.html";
        WriteFile(home_.userData() + "notes.txt", "data");
        WriteFile(home_.home() + "secret.txt", "secret");
        WriteFile(page_, QString(kSourcesPage)
                             .arg(QUrl::fromLocalFile(home_.userData() + "notes.txt").toString(),
                                  QUrl::fromLocalFile(home_.home() + "secret.txt").toString())
                             .toUtf8());
        WriteFile(home_.programDir() + "GlimmoraData/data/other.html", "<p>other</p>");
        QFile::link(home_.home() + "secret.txt",
                    home_.programDir() + "GlimmoraData/data/escape.txt");
        browser_ = std::make_unique<TBrowserForm>();
        BrowserForm = browser_.get();
        browser_->openExternally = [this](const QString& target) { opened_ << target; };
    }
    void TearDown() override {
        BrowserForm = nullptr;
        AboutForm = nullptr;
    }

    TempHome home_;
    QString page_;
    std::unique_ptr<TBrowserForm> browser_;
    QStringList opened_;
};

TEST_F(BrowserWindowTest, OneOwnNavigationThenEveryOtherOpensOutside) {
    QWebEngineView* view = browser_->WebBrowser1;
    LoadWatch watch(view);
    browser_->show();
    browser_->OwnNavigation = true;
    view->load(QUrl::fromLocalFile(page_));
    ASSERT_TRUE(WaitFor([&] { return watch.finished > 0; }));
    EXPECT_TRUE(watch.lastOk);
    EXPECT_FALSE(browser_->OwnNavigation);
    const QUrl shown = view->url();
    EXPECT_EQ(shown, QUrl::fromLocalFile(page_));
    EXPECT_NE(view->title(), "script ran") << "a page from disk runs no script";

    ClickLink(view, "web");
    ASSERT_TRUE(WaitFor([&] { return opened_.size() == 1; }));
    EXPECT_EQ(opened_[0], "http://127.0.0.1:9/credits.html?a=1&b=2");

    // Files of the program and data folders open with the desktop's handler; any other file,
    // also one reached through a link in the program folder, is refused without being handed
    // on. The next web link shows that all of them have been decided by then.
    for (const char* id : {"outside", "escape", "local", "data", "web2"})
        ClickLink(view, id);
    ASSERT_TRUE(WaitFor([&] { return opened_.size() == 4; }));
    EXPECT_EQ(opened_.mid(1),
              QStringList({Canonical(home_.programDir() + "GlimmoraData/data/other.html"),
                           Canonical(home_.userData() + "notes.txt"), "https://example.org/more"}));

    ClickLink(view, "popup");
    ASSERT_TRUE(WaitFor([&] { return opened_.size() == 5; }));
    EXPECT_EQ(opened_[4], "https://example.org/new");

    QTest::qWait(300);
    EXPECT_EQ(view->url(), shown);
    EXPECT_FALSE(browser_->OwnNavigation);
}

TEST_F(BrowserWindowTest, RedirectsAndFramesCountAsFurtherNavigations) {
    const QString page = home_.programDir() + "redirecting.html";
    WriteFile(page, "<html><head><meta http-equiv='refresh' content='0; "
                    "url=https://example.org/redirected'></head><body>"
                    "<iframe src='https://example.org/frame'></iframe></body></html>");
    QWebEngineView* view = browser_->WebBrowser1;
    browser_->show();
    browser_->OwnNavigation = true;
    view->load(QUrl::fromLocalFile(page));
    ASSERT_TRUE(WaitFor([&] { return opened_.size() == 2; }));
    opened_.sort();
    EXPECT_EQ(opened_,
              QStringList({"https://example.org/frame", "https://example.org/redirected"}));
    EXPECT_EQ(view->url(), QUrl::fromLocalFile(page));
}

TEST_F(BrowserWindowTest, AboutWindowSendsTheBrowserToTheSourcesPageRelativeToTheProgram) {
    WriteFile(home_.programDir() + "Glimmora.def",
              "[0]\r\nEnglish\r\n[3]\r\nhttps://home.example/\r\n[4]\r\nme@example.org\r\n"
              "[10]\r\nVersion:\r\n[16]\r\nLanguage:\r\n[17]\r\nTranslation:\r\n[18]\r\nTeam\r\n"
              "[25]\r\nGlimmoraData\\data\\sources.html\r\n[END]\r\n");
    CreateTranslationTable("Glimmora");
    TAboutForm about;
    AboutForm = &about;
    about.openExternally = [this](const QString& target) { opened_ << target; };

    about.show();
    EXPECT_EQ(about.StringGrid1->item(1, 0)->text(), "Version:");
    EXPECT_EQ(about.StringGrid2->item(1, 0)->text(), "3.5");
    EXPECT_EQ(about.StringGrid2->item(3, 0)->text(), "Orvandeck");
    EXPECT_EQ(about.StringGrid1->item(4, 0)->text(), "Language:");
    EXPECT_EQ(about.StringGrid2->item(4, 0)->text(), "English");
    EXPECT_EQ(about.StringGrid2->item(5, 0)->text(), "Team");
    EXPECT_EQ(about.StringGrid1->item(0, 0), nullptr);
    EXPECT_EQ(about.AniIconMovie->state(), QMovie::Running);

    QTest::mouseClick(about.Label9, Qt::LeftButton);
    QTest::mouseClick(about.Label12, Qt::LeftButton);
    QTest::mouseClick(about.AniIcon7, Qt::LeftButton);
    EXPECT_EQ(opened_, QStringList({"https://home.example/", "mailto:me@example.org",
                                    "https://home.example/"}));

    LoadWatch watch(browser_->WebBrowser1);
    TBrowserForm* browser = browser_.get();
    WhenModal(browser, [&] {
        WaitFor([&] { return watch.finished > 0; });
        browser->close();
    });
    QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(watch.lastOk);
    EXPECT_EQ(browser->WebBrowser1->url(), QUrl::fromLocalFile(page_));
    EXPECT_FALSE(browser_->OwnNavigation);
}

TEST(ProgramPageUrlTest, ResolvesRelativeAddressesAgainstTheProgramFolder) {
    TempHome home;
    EXPECT_EQ(ProgramPageUrl(" pages/a b.html "),
              QUrl::fromLocalFile(home.programDir() + "pages/a b.html"));
    EXPECT_EQ(ProgramPageUrl("/srv/x.html"), QUrl::fromLocalFile("/srv/x.html"));
    EXPECT_EQ(ProgramPageUrl("https://example.org/a?b=c"), QUrl("https://example.org/a?b=c"));
    EXPECT_EQ(ProgramPageUrl(""), QUrl("about:blank"));
}

TEST(SurveyTest, EndAddressesInAnyCase) {
    EXPECT_TRUE(IsSurveyEndAddress("http://survey.example/thanks?do=CloSe"));
    EXPECT_TRUE(IsSurveyEndAddress("http://survey.example/CLEARall.html"));
    EXPECT_TRUE(IsSurveyEndAddress("file:///x/close"));
    EXPECT_FALSE(IsSurveyEndAddress("http://survey.example/clear-all/clos.html"));
}

TEST(SurveyTest, PagesLoadUntilOneAsksToClose) {
    TempHome home;
    const QString folder = home.programDir();
    WriteFile(folder + "survey.html", "<a id='next' href='next.html'>next</a>");
    WriteFile(folder + "next.html", "<a id='end' href='thanks.html?Action=cLoSe'>done</a>");
    WriteFile(folder + "thanks.html", "<p>thanks</p>");

    TFormSurvey survey;
    LoadWatch watch(survey.WebBrowser1);
    survey.show();
    survey.Navigate(QUrl::fromLocalFile(folder + "survey.html"));
    ASSERT_TRUE(WaitFor([&] { return watch.finished == 1; }));
    ClickLink(survey.WebBrowser1, "next");
    ASSERT_TRUE(WaitFor([&] { return watch.finished == 2; }));
    EXPECT_EQ(survey.WebBrowser1->url(), QUrl::fromLocalFile(folder + "next.html"));
    EXPECT_TRUE(survey.isVisible());

    ClickLink(survey.WebBrowser1, "end");
    ASSERT_TRUE(WaitFor([&] { return !survey.isVisible(); }));
    EXPECT_EQ(survey.WebBrowser1->url(), QUrl::fromLocalFile(folder + "next.html"));
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
