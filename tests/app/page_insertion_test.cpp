// A real click on a picture of the main window's page puts that picture into the program of the
// chosen mail-client definition: keys, pause and paste as the recording target client sees them.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "app/settings.h"
#include "catalogue/picture_page.h"
#include "catalogue/recent_pictures.h"
#include "dialogs/settings_form.h"
#include "dialogs/window_test_support.h"
#include "integration/insertion.h"
#include "integration/key_sequence.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "integration/x11_test_env.h"
#include "platform/current_desktop.h"
#include "platform/program_folder.h"
#include "support/test_env.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

const QString kTargetClass = QStringLiteral("GlimmoraPageTarget");

class PageInsertion : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleCatalogue(home);
        WriteFile(
            home.userData() + "glimmora.maildef.ini",
            "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n[0]\r\nname=Target\r\n"
            "language=en\r\nwindowclass=" +
                kTargetClass.toLatin1() +
                "\r\ntohtmlkeys=|ALT|o|EALT|\r\n"
                "insert=|STRG|v|ESTRG|\r\n");
        CreateTranslationTable("Glimmora");
        ASSERT_TRUE(client.started());

        form = new TForm1(QStringList{"glimmora"});
        Form1 = form;
        SettingsForm = new TSettingsForm(
            RecordSettingsStore()); // its list is where the chosen definition comes from
        ASSERT_EQ(MailDefList().size(), 1u);
        form->FirstShowPending = false;
        form->LoadCatalogue();
        form->move(0, 0);
    }

    void TearDown() override {
        delete SettingsForm;
        SettingsForm = nullptr;
        delete form;
        Form1 = nullptr;
    }

    // The line the target client writes when the picture's own bytes were pasted.
    static QString PastedHtmlOf(const QString& picture) {
        const QByteArray sha1 =
            QCryptographicHash::hash(ReadFile(picture), QCryptographicHash::Sha1);
        return QStringLiteral("PASTE html 1 image/png %1 0").arg(QString::fromLatin1(sha1.toHex()));
    }

    TempHome home;
    TargetClient client{kTargetClass};
    TForm1* form = nullptr;
};

TEST_F(PageInsertion, ClickedPictureReachesTheTargetWindow) {
    form->show();
    form->SelectStartCategory();
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
    ASSERT_TRUE(WaitFor([&] { return PageImageSources(form->WebBrowser1).size() == 2; }));

    ASSERT_TRUE(ClickPicture(form->WebBrowser1, 1));
    ASSERT_TRUE(client.waitForLine("PASTE done", 20000)) << client.lines().join('\n').toStdString();
    ASSERT_TRUE(WaitUntil([&] { return client.keys().size() >= 6; }));

    QStringList names;
    for (const QStringList& key : client.keys())
        names << key[0] + ' ' + key[1];
    EXPECT_EQ(names, (QStringList{"press Alt_L", "press o", "release o", "release Alt_L",
                                  "press Control_L", "press v", "release v", "release Control_L"}));
    const auto keys = client.keys();
    EXPECT_GE(keys[4][4].toLong() - keys[3][4].toLong(), 499);

    const QString picture = home.programDir() + "GlimmoraData/faces/happy/grin/b c#1.png";
    EXPECT_EQ(client.lineStartingWith("PASTE png "), QStringLiteral("PASTE png 40x30"));
    EXPECT_EQ(client.lineStartingWith("PASTE html "), PastedHtmlOf(picture));
    EXPECT_FALSE(InsertionRunning());
}

TEST_F(PageInsertion, ProgramNoticeStaysBesideOncePerInstallationAndClicksGoOn) {
    const QString definitions = home.userData() + "glimmora.maildef.ini";
    WriteFile(definitions, ReadFile(definitions) + "notice=262\r\n");
    LoadMailDefs(definitions);
    form->show();
    form->SelectStartCategory();
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
    ASSERT_TRUE(WaitFor([&] { return PageImageSources(form->WebBrowser1).size() == 2; }));
    // The English texts, the notice among them.
    WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    ASSERT_FALSE(GetText(262).isEmpty());
    ModalDialogCloser modal;
    const auto notices = [] {
        QList<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
                boxes.append(box);
        }
        return boxes;
    };
    for (int click = 1; click <= 3; ++click) {
        ASSERT_TRUE(ClickPicture(form->WebBrowser1, 1));
        ASSERT_TRUE(WaitFor([&] { return client.lines().count("PASTE done") == click; }, 20000))
            << "click " << click << ": " << client.lines().join('\n').toStdString();
        ASSERT_TRUE(WaitFor([&] { return !InsertionRunning(); }));
        ASSERT_EQ(notices().size(), 1);
        WaitMilliseconds(300);
        EXPECT_TRUE(CurrentDesktop().hasInputFocus(client.window())) << "click " << click;
    }
    EXPECT_TRUE(modal.texts().isEmpty()) << modal.texts().join('\n').toStdString();
    QMessageBox* notice = notices().value(0);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->icon(), QMessageBox::Information);
    EXPECT_EQ(notice->text(), GetText(262));
    notice->close();
    // The next start knows it was shown.
    LoadSettings();
    EXPECT_EQ(Settings().noticesShown, QList<int>{262});
    ASSERT_TRUE(ClickPicture(form->WebBrowser1, 1));
    ASSERT_TRUE(WaitFor([&] { return client.lines().count("PASTE done") == 4; }, 20000));
    ASSERT_TRUE(WaitFor([&] { return !InsertionRunning(); }));
    EXPECT_TRUE(notices().isEmpty());
}

// Without the mouse: the hot key shows the window with the search field focused, the typed word
// writes a page of the matching pictures only, and Enter inserts the first of them, remembers it
// among the recently used pictures and, as set, hides the window. Escape clears the field, a
// second one hides the window.
TEST_F(PageInsertion, HotKeyTypedWordAndEnterInsertTheFirstFoundPicture) {
    Settings().hideAfterInsert = true;
    form->SelectStartCategory();
    ASSERT_FALSE(form->isVisible());
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "ctrl+alt+s"}), 0);
    ASSERT_TRUE(WaitFor([&] { return form->isVisible() && form->SearchEdit->hasFocus(); }, 10000));

    ASSERT_EQ(QProcess::execute("xdotool", {"type", "--delay", "50", "cat"}), 0);
    const QString cat = home.programDir() + "GlimmoraData/animals/cat.png";
    ASSERT_TRUE(WaitFor([&] { return form->FoundPictures() == QStringList{cat}; }, 10000))
        << form->FoundPictures().join(' ').toStdString();
    const QByteArray page = ReadFile(home.userData() + "GlimmoraData/temp.htm");
    EXPECT_EQ(page.count("<a "), 1) << page.toStdString();
    EXPECT_TRUE(page.contains(QUrl::fromLocalFile(cat).toEncoded()));
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));

    ASSERT_EQ(QProcess::execute("xdotool", {"key", "Return"}), 0);
    ASSERT_TRUE(client.waitForLine("PASTE done", 20000)) << client.lines().join('\n').toStdString();
    EXPECT_EQ(client.lineStartingWith("PASTE html "), PastedHtmlOf(cat));
    // Hidden as the hot key hides it: into the tray, or minimised where there is none.
    const auto hidden = [&] { return !form->isVisible() || form->isMinimized(); };
    EXPECT_TRUE(WaitFor(hidden));
    EXPECT_EQ(ReadRecentPictures(RecentPicturesFile()), QStringList{cat});

    ASSERT_EQ(QProcess::execute("xdotool", {"key", "ctrl+alt+s"}), 0);
    ASSERT_TRUE(WaitFor([&] { return !hidden() && form->SearchEdit->hasFocus(); }, 10000));
    EXPECT_EQ(form->SearchEdit->selectedText(), "cat");
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "Escape"}), 0);
    EXPECT_TRUE(WaitFor([&] { return form->SearchEdit->text().isEmpty(); }));
    EXPECT_TRUE(form->FoundPictures().isEmpty());
    EXPECT_FALSE(hidden());
    ASSERT_EQ(QProcess::execute("xdotool", {"key", "Escape"}), 0);
    EXPECT_TRUE(WaitFor(hidden));
    Settings().hideAfterInsert = false;
}

// The tones of the shipped catalogue: with the tone set to medium, the hands page shows the
// medium hands and a click on the thumbs up inserts the medium thumbs up, picture and text; the
// recently used page shows it in whatever tone is chosen later.
TEST_F(PageInsertion, ChosenSkinToneIsShownAndInserted) {
    SetProgramFolder(BuiltProgramDir());
    const QString data = BuiltProgramDir() + "GlimmoraData/";
    WriteFile(home.userData() + "GlimmoraData/pics.full.def", ReadFile(data + "pics.full.def"));
    WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    form->LoadCatalogue();
    const QString hands = data + "people/hands/";
    ASSERT_TRUE(form->Catalogue.CategoryFolders.contains(hands));
    const auto variant = [&](const QString& stem, const QString& tone) {
        return hands + "tones/" + stem + "-" + tone + "-skin-tone.png";
    };
    form->resize(1200, 900); // every hand on the first screen, so that each one loads
    form->show();
    form->ShowCategoryPage(hands);
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
    const auto sources = [&] {
        QStringList pictures = PageImageSources(form->WebBrowser1);
        return pictures.replaceInStrings(QStringLiteral("file://"), QString());
    };
    ASSERT_TRUE(WaitFor([&] { return sources().contains(hands + "thumbs-up.png"); }));

    form->SkinToneActions->actions().at(static_cast<int>(SkinTone::Medium))->trigger();
    QStringList medium;
    int toned = 0;
    for (const QString& picture : ListPicturePaths(hands)) {
        const QString tone = variant(QFileInfo(picture).completeBaseName(), "medium");
        toned += QFileInfo::exists(tone);
        medium << (QFileInfo::exists(tone) ? tone : picture);
    }
    EXPECT_GT(toned, 30);
    ASSERT_TRUE(WaitFor([&] { return sources() == medium; })) << sources().join(' ').toStdString();
    ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
    const int thumbsUp = medium.indexOf(variant("thumbs-up", "medium"));
    EXPECT_EQ(RunJs(form->WebBrowser1, QString("document.images[%1].alt").arg(thumbsUp)),
              "thumbs up: medium skin tone");

    ASSERT_TRUE(ClickPicture(form->WebBrowser1, thumbsUp));
    ASSERT_TRUE(client.waitForLine("PASTE done", 20000)) << client.lines().join('\n').toStdString();
    EXPECT_EQ(client.lineStartingWith("PASTE html "), PastedHtmlOf(variant("thumbs-up", "medium")));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("\U0001F44D\U0001F3FD"));
    ASSERT_TRUE(WaitFor([&] { return !InsertionRunning(); }));

    // Found by a search in the tone too.
    form->SearchEdit->setText("thumbs up");
    ASSERT_TRUE(WaitFor([&] { return sources().contains(variant("thumbs-up", "medium")); }));
    EXPECT_TRUE(form->FoundPictures().contains(hands + "thumbs-up.png"));

    // Remembered as the thumbs up, shown in the tone of the moment.
    form->RecentButtonClick();
    ASSERT_TRUE(WaitFor([&] { return sources() == QStringList{variant("thumbs-up", "medium")}; }));
    form->SkinToneActions->actions().at(static_cast<int>(SkinTone::Dark))->trigger();
    EXPECT_TRUE(WaitFor([&] { return sources() == QStringList{variant("thumbs-up", "dark")}; }));
    LoadSettings();
    EXPECT_EQ(Settings().skinTone, SkinTone::Dark);
}

} // namespace

int main(int argc, char** argv) {
    PrivateXServer server;
    if (!server.ok())
        return 1;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
