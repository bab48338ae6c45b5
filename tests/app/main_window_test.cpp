// The main window with the real browser under a window manager: start page, tree selection,
// picture clicks through a real mouse click, hot key, hiding into the tray or, without one,
// minimising, and the quit question.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "app/window_texts.h"
#include "app/window_wiring.h"
#include "catalogue/add_image_form.h"
#include "catalogue/catalogue_tree.h"
#include "dialogs/question_dialog.h"
#include "dialogs/settings_form.h"
#include "dialogs/window_test_support.h"
#include "integration/data_folders.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "platform/portal/portal_desktop.h"
#include "support/test_env.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// Records picture clicks instead of inserting them.
class RecordingForm : public TForm1 {
public:
    using TForm1::TForm1;
    QStringList clicks;
    void PerformPictureClick(const QString& path) override { clicks << path; }
};

bool XdoTool(const QStringList& args) {
    return QProcess::execute("xdotool", args) == 0;
}

// Sent away: hidden into the tray, or without one minimised and still in the desktop's window
// list, never withdrawn where nothing leads back to it.
bool SentAway(QWidget* form) {
    if (TForm1::TrayAvailable())
        return !form->isVisible();
    const WindowOnDesktop w = DescribeWindow(form->winId());
    return w.listed && w.wmState == 3;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleCatalogue(home);
        form = new RecordingForm(QStringList{"glimmora"});
        Form1 = form;
        SettingsForm = new TSettingsForm(RecordSettingsStore());
        QuestionDialogForm = new TQuestionDialogForm();
        ConnectWindows();
        form->LoadCatalogue();
        form->move(0, 0);
        form->resize(775, 491);
        form->FirstShowPending = false; // placement is tested elsewhere
        form->show();
        form->SelectStartCategory();
        ASSERT_TRUE(WaitForPage());
    }

    void TearDown() override {
        delete QuestionDialogForm;
        delete SettingsForm;
        delete form;
        QuestionDialogForm = nullptr;
        SettingsForm = nullptr;
        Form1 = nullptr;
    }

    bool WaitForPage() { return WaitForPageLoaded(form->WebBrowser1); }
    QStringList PageImages() { return PageImageSources(form->WebBrowser1); }

    // Shows the page of a folder of `count` pictures, 40 pixels square; returns the folder.
    QString ShowManyPictures(int count) {
        const QString folder = home.home() + "many/";
        QDir().mkpath(folder);
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        EXPECT_TRUE(picture.save(folder + "0000.png"));
        for (int i = 1; i < count; ++i)
            QFile::copy(folder + "0000.png", folder + QString("%1.png").arg(i, 4, 10, QChar('0')));
        form->ShowCategoryPage(folder);
        EXPECT_TRUE(WaitFor([&] { return PageImages().size() == count; }));
        return folder;
    }

    TempHome home;
    RecordingForm* form = nullptr;
};

TEST_F(MainWindowTest, AddPictureWindowFollowsTheStartCategory) {
    TAddImageForm addForm;
    AddImageForm = &addForm;
    addForm.setCatalogueModel(form->CatalogueModel);
    ConnectWindows();
    form->LoadCatalogue();
    EXPECT_FALSE(addForm.TreeView1->currentIndex().isValid());
    form->SelectStartCategory();
    EXPECT_EQ(AbsoluteIndexOf(addForm.TreeView1->currentIndex()), 2);
    AddImageForm = nullptr;
}

TEST_F(MainWindowTest, StartPageShowsFirstGrandchildAndSelectionChangesPage) {
    ASSERT_TRUE(WaitFor([&] { return PageImages().size() == 2; }));
    QStringList images = PageImages();
    EXPECT_TRUE(images.at(0).endsWith("faces/happy/grin/a.png")) << images.join(" ").toStdString();
    EXPECT_TRUE(images.at(1).endsWith("faces/happy/grin/b c#1.png"));
    EXPECT_EQ(form->SelectedIndex(), 2);
    const QUrl startAddress = form->WebBrowser1->url();

    // Selecting Animals shows its one picture, under an address of its own: the same address
    // again would be a reload, which reads every picture from the disk again.
    form->TreeView1->setCurrentIndex(form->CatalogueModel->index(1, 0));
    ASSERT_TRUE(WaitFor([&] { return PageImages().size() == 1; }));
    EXPECT_TRUE(PageImages().at(0).endsWith("animals/cat.png"));
    EXPECT_NE(form->WebBrowser1->url(), startAddress);

    // In remove mode a selection leaves the page as it is.
    form->SetRemoveMode(true);
    form->TreeView1->setCurrentIndex(form->CatalogueModel->index(0, 0));
    QApplication::processEvents();
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(PageImages().size(), 1);
    form->SetRemoveMode(false);
}

TEST_F(MainWindowTest, RealClickOnPictureReportsExactPath) {
    ASSERT_TRUE(WaitFor([&] { return PageImages().size() == 2; }));
    const QString expected = home.programDir() + "GlimmoraData/faces/happy/grin/b c#1.png";
    ASSERT_TRUE(ClickPicture(form->WebBrowser1, 1));
    ASSERT_TRUE(WaitFor([&] { return !form->clicks.isEmpty(); }, 10000));
    EXPECT_EQ(form->clicks.first(), expected);
    // The refused navigation leaves the page in place.
    EXPECT_EQ(PageImages().size(), 2);
}

TEST_F(MainWindowTest, LargeCategoryLoadsOnlyThePicturesNearTheScreen) {
    ShowManyPictures(2000);
    ASSERT_TRUE(WaitForPage());
    const QString loaded = "Array.from(document.images).filter(i => i.naturalWidth > 0).length";
    // The first screen is there; the rest waits until scrolled near.
    ASSERT_TRUE(WaitFor([&] { return RunJs(form->WebBrowser1, loaded).toInt() >= 20; }));
    WaitFor([] { return false; }, 1500);
    EXPECT_LT(RunJs(form->WebBrowser1, loaded).toInt(), 1000);
    RunJs(form->WebBrowser1, "window.scrollTo(0, document.body.scrollHeight)");
    EXPECT_TRUE(WaitFor([&] {
        return RunJs(form->WebBrowser1, "document.images[1999].naturalWidth").toInt() == 40;
    }));

    // Hidden and shown again: the page that loads again behind its last frame is where it was.
    const int scrolled = RunJs(form->WebBrowser1, "window.scrollY").toInt();
    ASSERT_GT(scrolled, 1000);
    form->hide();
    ASSERT_TRUE(WaitFor([&] {
        return form->WebBrowser1->page()->lifecycleState() ==
               QWebEnginePage::LifecycleState::Discarded;
    }));
    form->show();
    ASSERT_TRUE(WaitFor([&] { return form->findChild<QLabel*>("LastFrame")->isHidden(); }));
    EXPECT_EQ(RunJs(form->WebBrowser1, "window.scrollY").toInt(), scrolled);
}

// On a full data folder a category still shows every picture, those that the picture server hands
// over too: the page lies in the runtime folder, under the same policy.
TEST_F(MainWindowTest, AFullDataFolderStillShowsEveryPictureOfACategory) {
    SmallFileSystem disk(home.userData(), "256k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMountMessage;
    ASSERT_TRUE(disk.fill());

    ShowManyPictures(300);
    ASSERT_TRUE(WaitForPage());
    EXPECT_EQ(form->WebBrowser1->url().toLocalFile(), home.runtimeDir() + "Glimmora-temp.htm");
    RunJs(form->WebBrowser1, "window.scrollTo(0, document.body.scrollHeight)");
    EXPECT_TRUE(WaitFor([&] {
        return RunJs(form->WebBrowser1, "document.images[299].naturalWidth").toInt() == 40;
    }));
    EXPECT_TRUE(PageImages().at(299).startsWith("http://127.0.0.1:"))
        << PageImages().at(299).toStdString();
}

TEST_F(MainWindowTest, PictureThatFailedToLoadIsAskedForAgainWhenThePageIsShownAgain) {
    // The pictures past the first two hundred come from the picture server, and the last one
    // only once it is scrolled near.
    const QString folder = ShowManyPictures(1000);
    ASSERT_TRUE(QFile::rename(folder + "0999.png", folder + "away.png"));
    RunJs(form->WebBrowser1, "window.scrollTo(0, document.body.scrollHeight)");
    const QString last = "document.images[999]";
    ASSERT_TRUE(WaitFor([&] { return RunJs(form->WebBrowser1, last + ".complete").toBool(); }));
    ASSERT_EQ(RunJs(form->WebBrowser1, last + ".naturalWidth").toInt(), 0);

    // Back in its place, the picture comes when the window is shown again, also when the page
    // stayed as it was.
    ASSERT_TRUE(QFile::rename(folder + "away.png", folder + "0999.png"));
    int loads = 0;
    QObject::connect(form->WebBrowser1, &QWebEngineView::loadStarted, [&] { ++loads; });
    form->hide();
    form->show();
    EXPECT_TRUE(WaitFor(
        [&] { return RunJs(form->WebBrowser1, last + ".naturalWidth").toInt() == 40; }, 5000));
    EXPECT_EQ(loads, 0);
}

TEST_F(MainWindowTest, MarkupInTheEmptyPageTitleShowsAsTextAndNoScriptRuns) {
    const QByteArray title = "<script>document.title='x'</script>"
                             "<img src=none onerror=\"document.title='y'\"> & more";
    WriteFile(home.userData() + "Glimmora.def", "[62]\r\n" + title + "\r\n[END]\r\n");
    CreateTranslationTable("Glimmora");
    // A script that reaches the page another way does not run either.
    WriteFile(PageDataFolder() + "template.tpl",
              "<html><body><h1>[TITLE]</h1><script>document.title='t'</script></body></html>");
    form->ShowCategoryPage(FavouritesFolder());
    ASSERT_TRUE(WaitFor(
        [&] { return RunJs(form->WebBrowser1, "!!document.querySelector('h1')").toBool(); }));
    ASSERT_TRUE(WaitForPage());
    EXPECT_EQ(RunJs(form->WebBrowser1, "document.querySelector('h1').textContent").toString(),
              QString::fromUtf8(title));
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(RunJs(form->WebBrowser1, "document.title").toString(), "");
}

// A tiled or narrow window, and one below its least size: every tool button whole inside the
// window with its caption fitting, the page taking what is left, the tree what the pane has.
TEST_F(MainWindowTest, NarrowWindowKeepsEveryToolButtonReachable) {
    WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    ApplyTexts();
    for (const QSize size : {QSize(600, 700), QSize(300, 300)}) {
        SCOPED_TRACE(size.width());
        form->resize(size);
        const QSize expected = size.expandedTo(form->minimumSize());
        ASSERT_TRUE(WaitFor([&] { return form->size() == expected; }));
        EXPECT_LT(form->minimumWidth(), 600);
        QList<QRect> taken;
        for (QToolButton* b :
             {form->SpeedButton3, form->SpeedButton10, form->SpeedButton12, form->SpeedButton2,
              form->SpeedButton9, form->SpeedButton6, form->SpeedButton11}) {
            const QRect place(b->mapTo(form, QPoint()), b->size());
            EXPECT_TRUE(form->rect().contains(place)) << b->text().toStdString();
            for (const QRect& other : taken)
                EXPECT_FALSE(other.intersects(place)) << b->text().toStdString();
            taken.append(place);
            const QRect used = b->fontMetrics().boundingRect(QRect(0, 0, b->width() - 4, 1000),
                                                             Qt::TextWordWrap, b->text());
            EXPECT_LE(used.width(), b->width() - 4) << b->text().toStdString();
            EXPECT_LE(used.height(), b->height() - 4 - b->iconSize().height() - 1)
                << b->text().toStdString();
        }
        const QRect page = form->WebBrowser1->geometry();
        EXPECT_EQ(page.right(), form->width() - 1);
        EXPECT_EQ(page.bottom(), form->height() - 1);
        EXPECT_GE(page.top(), form->CoolBar1->geometry().bottom());
        const QRect favourites(form->Panel5->mapTo(form, QPoint()), form->Panel5->size());
        EXPECT_LE(favourites.bottom(), form->height() - 1);
        if (size.height() == 700) {
            EXPECT_GT(form->TreeView1->height(), 300); // the tree takes the room
        }
    }
}

// A search typed while the recently used pictures are shown stays when the window changes size:
// the grid that follows the width is the found pictures'.
TEST_F(MainWindowTest, SearchStartedOnTheRecentPageSurvivesAResize) {
    form->RecentButtonClick();
    form->SearchEdit->setText("cat");
    ASSERT_TRUE(WaitFor([&] { return PageImages().size() == 1; }));
    form->resize(500, 491);
    EXPECT_EQ(form->SearchEdit->text(), "cat");
    EXPECT_EQ(form->FoundPictures(),
              QStringList{home.programDir() + "GlimmoraData/animals/cat.png"});
}

// The page's pictures are named (alt for screen readers, title on pointing) by the interface
// language's keyword file, else by their file names, and every control of the window has a name a
// screen reader can say.
TEST_F(MainWindowTest, PicturesAndControlsAreNamed) {
    WriteFile(home.programDir() + "GlimmoraData/keywords.en",
              "Glimmora keywords 1\r\na\tapple face\tfruit\r\n");
    form->LoadCatalogue();
    form->SelectStartCategory();
    ASSERT_TRUE(WaitFor([&] { return PageImages().size() == 2; }));
    EXPECT_TRUE(WaitFor([&] {
        return RunJs(form->WebBrowser1,
                     "Array.from(document.images).map(i => i.alt + '|' + i.title).join(',')")
                   .toString() == "apple face|apple face,b c#1|b c#1";
    }));
    WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    ApplyTexts();
    QList<QWidget*> controls;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->isVisibleTo(form) &&
            (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
             w == form->TreeView1 || w == form->WebBrowser1 || w == form->Panel4))
            controls.append(w);
    }
    ASSERT_GE(controls.size(), 12);
    for (QWidget* w : controls) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

// With the desktop preferring dark, the page is dark too; the pictures keep their own colours.
TEST_F(MainWindowTest, DarkLookGivesThePageADarkBackground) {
    UseAppearance(Appearance::Dark);
    form->ShowCategoryPage(form->Catalogue.CategoryFolders.at(form->SelectedIndex()));
    // The page before may still be on show, or none while the new one comes.
    QString background;
    const auto dark = [&] {
        background = RunJs(form->WebBrowser1,
                           "document.documentElement ? "
                           "getComputedStyle(document.documentElement).backgroundColor : ''")
                         .toString();
        const QStringList rgb =
            QString(background).remove(QRegularExpression("[^0-9,]")).split(',');
        return rgb.size() >= 3 &&
               QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()).lightness() < 80;
    };
    EXPECT_TRUE(WaitFor(dark)) << background.toStdString();
    UseAppearance(Appearance::Light);
}

TEST_F(MainWindowTest, HotKeyTogglesAndCloseHides) {
    ASSERT_TRUE(form->isVisible());
    ASSERT_TRUE(XdoTool({"key", "ctrl+alt+s"}));
    ASSERT_TRUE(WaitFor([&] { return !form->isVisible() || form->isMinimized(); }, 5000));
    ASSERT_TRUE(XdoTool({"key", "ctrl+alt+s"}));
    ASSERT_TRUE(WaitFor([&] { return form->isVisible() && !form->isMinimized(); }, 5000));

    form->close();
    EXPECT_FALSE(form->QuitRequested);
    EXPECT_TRUE(WaitFor([&] { return SentAway(form); }, 5000));
}

TEST_F(MainWindowTest, HotKeyShowsTheWindowAgainAfterItSteppedAsideForAnInsertion) {
    StepAside(); // as the portal desktop hands the focus back
    // Hidden, tray or not: a Wayland client could not take it out of the minimised state.
    ASSERT_TRUE(WaitFor([&] { return !form->isVisible(); }, 5000));
    form->WMHotKey();
    EXPECT_TRUE(WaitFor([&] { return form->isVisible() && !form->isMinimized(); }, 5000));
}

TEST_F(MainWindowTest, QuitQuestionsThirdAnswerSendsTheWindowAway) {
    WhenModal(QuestionDialogForm, [] { QuestionDialogForm->BitBtn3->click(); });
    form->SpeedButton11Click();
    EXPECT_FALSE(form->QuitRequested);
    EXPECT_TRUE(WaitFor([&] { return SentAway(form); }, 5000));
}

TEST_F(MainWindowTest, TrayArrivingLaterTakesTheWindowAndLeavingGivesItBack) {
    if (!TestDesktop())
        GTEST_SKIP() << "needs a desktop of its own, whose tray comes and goes";
    ASSERT_FALSE(TForm1::TrayAvailable());
    ASSERT_TRUE(TestDesktop()->StartTray());
    ASSERT_TRUE(WaitFor([] { return TForm1::TrayAvailable(); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return !form->TrayIcon1->geometry().isEmpty(); }, 5000));
    form->close();
    EXPECT_FALSE(form->isVisible());

    // The panel ends: the hidden window comes back minimised.
    ASSERT_TRUE(TestDesktop()->StopTray());
    ASSERT_TRUE(WaitFor([] { return !TForm1::TrayAvailable(); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return SentAway(form); }, 5000));
}

TEST_F(MainWindowTest, HiddenPageIsDiscardedBehindItsLastFrameAndAClickOnItIsNotLost) {
    using State = QWebEnginePage::LifecycleState;
    ASSERT_TRUE(WaitFor([&] { return PageImages().size() == 2; }));
    QWebEnginePage* page = form->WebBrowser1->page();
    const std::optional<QPoint> picture = PictureCentre(form->WebBrowser1, 1);
    ASSERT_TRUE(picture);
    QLabel* frame = form->findChild<QLabel*>("LastFrame");
    ASSERT_TRUE(frame);
    int loads = 0;
    QObject::connect(page, &QWebEnginePage::loadStarted, [&] { ++loads; });

    // Hidden: the renderer goes at once, the page's last frame stays over the browser.
    form->hide();
    ASSERT_TRUE(WaitFor([&] { return page->lifecycleState() == State::Discarded; }, 5000));
    EXPECT_FALSE(frame->isHidden());

    // Shown: the frame is there at once and takes a click while the page loads again; the frame
    // goes once the page has loaded, and the click reaches it.
    form->show();
    EXPECT_EQ(page->lifecycleState(), State::Active);
    EXPECT_FALSE(frame->isHidden());
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(*picture), frame->mapToGlobal(QPointF(*picture)),
                          Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(frame, &click);
    }
    ASSERT_TRUE(WaitFor([&] { return frame->isHidden(); }, 10000));
    EXPECT_GE(loads, 1);
    EXPECT_EQ(PageImages().size(), 2);
    ASSERT_TRUE(WaitFor([&] { return !form->clicks.isEmpty(); }, 5000));
    EXPECT_TRUE(form->clicks.first().endsWith("b c#1.png"));

    // Hidden and shown again at once, as the placement does: the page stays active, no frame.
    loads = 0;
    form->hide();
    form->show();
    WaitFor([] { return false; }, 1500);
    EXPECT_EQ(page->lifecycleState(), State::Active);
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(loads, 0);
}

TEST_F(MainWindowTest, TrayCloseAsksAndQuitsOnlyAfterYes) {
    const QString page = UserCatalogueFolder() + "temp.htm";
    ASSERT_TRUE(QFile::exists(page));
    WhenModal(QuestionDialogForm, [] { QuestionDialogForm->BitBtn2->click(); }); // no
    form->TODOClose1->trigger();
    EXPECT_FALSE(form->QuitRequested);
    EXPECT_TRUE(QFile::exists(page));

    form->move(33, 44);
    WhenModal(QuestionDialogForm, [] { QuestionDialogForm->BitBtn1->click(); }); // yes
    form->TODOClose1->trigger();
    EXPECT_TRUE(form->QuitRequested);
    EXPECT_FALSE(QFile::exists(page));
    QByteArray ini = ReadFile(home.userData() + "Glimmora.ini");
    EXPECT_TRUE(ini.contains("xpos=33")) << ini.constData();
    EXPECT_TRUE(ini.contains("width=775")) << ini.constData();
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
