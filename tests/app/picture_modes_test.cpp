// The three picture modes of the main window, driven as a user would: the mode buttons, real
// mouse clicks on pictures in the page, and the answers given in the boxes that appear.
#include "app/forms.h"
#include "app/main_window.h"
#include "app/main_window_support.h"
#include "balloon/balloon_form.h"
#include "balloon/balloon_state.h"
#include "dialogs/query_form.h"
#include "dialogs/window_test_support.h"
#include "integration/data_folders.h"
#include "integration/translation_table.h"
#include "support/test_env.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// Answers every modal window that opens: message boxes with the next queued button (OK when the
// queue is empty), the balloon designer with "back to main menu". Records what each one said.
class ModalAnswerer {
public:
    ModalAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Answer(); });
        poll_.start(20);
    }
    void Queue(QMessageBox::StandardButton button) { answers_.append(button); }
    QStringList seen;
    QString categoryName; // typed into the query dialog

private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->text();
            QMessageBox::StandardButton answer =
                answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
            QAbstractButton* button = box->button(answer);
            if (!button)
                button = box->buttons().value(0);
            button->click();
        } else if (modal == QueryForm) {
            // The user types into the dialog: it has the focus, the main window lost it.
            if (!QueryForm->isActiveWindow()) {
                QueryForm->activateWindow();
                return;
            }
            seen << "query";
            QueryForm->Edit1->setText(categoryName);
            QueryForm->BitBtn3->click();
        } else if (modal == BaloonForm) {
            seen << "designer:" + BalloonPicturePath();
            BaloonForm->SpeedButton2->click();
        }
    }
    QTimer poll_;
    QList<QMessageBox::StandardButton> answers_;
};

class PictureModesTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSampleCatalogue(home);
        WriteFile(home.userData() + "Glimmora.def",
                  "[0]\r\nEnglish\r\n[1]\r\nGlimmora\r\n[62]\r\nEmpty\r\n[64]\r\nT64\r\n[65]\r\nT65"
                  "\r\n[66]\r\nT66\r\n[67]\r\nT67\r\n[68]\r\nT68\r\n[82]\r\nT82\r\n[84]\r\nT84\r\n"
                  "[85]\r\nT85\r\n[END]\r\n");
        CreateTranslationTable("Glimmora");
        form = new TForm1(QStringList{"glimmora"});
        Form1 = form;
        BaloonForm = new TBaloonForm();
        QueryForm = new TQueryForm();
        form->FirstShowPending = false;
        form->LoadCatalogue();
        form->move(0, 0);
        form->show();
        form->SelectStartCategory();
        ASSERT_TRUE(WaitForPageLoaded(form->WebBrowser1));
        ASSERT_TRUE(WaitFor([&] { return Images() == 2; }));
    }

    void TearDown() override {
        delete QueryForm;
        delete BaloonForm;
        delete form;
        QueryForm = nullptr;
        BaloonForm = nullptr;
        Form1 = nullptr;
    }

    int Images() { return PageImageSources(form->WebBrowser1).size(); }

    // Clicks picture `index` and waits until the click has been handled (its boxes answered).
    void ClickAndSettle(int index, int expectedBoxes) {
        const int before = answerer.seen.size();
        ASSERT_TRUE(ClickPicture(form->WebBrowser1, index));
        ASSERT_TRUE(WaitFor([&] { return answerer.seen.size() >= before + expectedBoxes; }))
            << answerer.seen.join(" | ").toStdString();
        WaitFor([] { return false; }, 200);
    }

    QString Picture(const QString& name) {
        return home.programDir() + "GlimmoraData/faces/happy/grin/" + name;
    }

    TempHome home;
    TForm1* form = nullptr;
    ModalAnswerer answerer;
};

TEST_F(PictureModesTest, FavouriteModeCopiesOnceAndRefusesFavouritesPage) {
    form->SpeedButton7->click();
    EXPECT_TRUE(form->FavouriteMode());
    EXPECT_EQ(answerer.seen.last(), "T65");
    ClickAndSettle(0, 1);
    EXPECT_EQ(answerer.seen.last(), "T66");
    EXPECT_FALSE(form->FavouriteMode());
    EXPECT_EQ(ReadFile(FavouritesFolder() + "a.png"), ReadFile(Picture("a.png")));

    // On the favourites page the mode stays on and nothing is copied again.
    form->SpeedButton5->click();
    ASSERT_TRUE(WaitFor([&] {
        QStringList images = PageImageSources(form->WebBrowser1);
        return images.size() == 1 && images.first().contains("/favorites/a.png");
    }));
    form->SpeedButton7->click();
    ClickAndSettle(0, 1);
    EXPECT_EQ(answerer.seen.last(), "T67");
    EXPECT_TRUE(form->FavouriteMode());
}

TEST_F(PictureModesTest, EmptyFavouritesSayTheyAreEmpty) {
    form->SpeedButton5->click();
    EXPECT_EQ(answerer.seen.last(), "T64");
    EXPECT_EQ(Images(), 2);
}

TEST_F(PictureModesTest, BalloonModeOpensTheDesignerWithThePicture) {
    form->SpeedButton4->click();
    EXPECT_EQ(answerer.seen.last(), "T68");
    ClickAndSettle(1, 1);
    EXPECT_EQ(answerer.seen.last(), "designer:" + Picture("b c#1.png"));
    EXPECT_FALSE(form->BalloonMode());
}

TEST_F(PictureModesTest, FavouriteAndBalloonTogetherCopyThenOpenTheDesigner) {
    form->SpeedButton7->click();
    form->SpeedButton4->click();
    ClickAndSettle(0, 2);
    QStringList last = answerer.seen.mid(answerer.seen.size() - 2);
    EXPECT_EQ(last, (QStringList{"T66", "designer:" + Picture("a.png")}));
    EXPECT_TRUE(QFile::exists(FavouritesFolder() + "a.png"));
    EXPECT_FALSE(form->FavouriteMode());
    EXPECT_FALSE(form->BalloonMode());
}

TEST_F(PictureModesTest, RemoveModeAsksAndDeletesOnlyAfterYes) {
    form->SpeedButton12->click();
    EXPECT_EQ(answerer.seen.last(), "T82");
    answerer.Queue(QMessageBox::No);
    ClickAndSettle(0, 1);
    EXPECT_EQ(answerer.seen.last(), "T84");
    EXPECT_FALSE(form->RemoveMode());
    EXPECT_TRUE(QFile::exists(Picture("a.png")));

    form->SpeedButton12->click();
    answerer.Queue(QMessageBox::Ok); // the mode's notice
    answerer.Queue(QMessageBox::Yes);
    ClickAndSettle(0, 1);
    EXPECT_FALSE(QFile::exists(Picture("a.png")));
    ASSERT_TRUE(WaitFor([&] { return Images() == 1; })); // the page was rebuilt
}

TEST_F(PictureModesTest, RemoveModeOnBuiltInCategoryKeepsTheMode) {
    form->SpeedButton12->click();
    QModelIndex animals = form->CatalogueModel->index(1, 0);
    QRect rect = form->TreeView1->visualRect(animals);
    QTest::mouseClick(form->TreeView1->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_TRUE(WaitFor([&] { return answerer.seen.last() == "T85"; }));
    EXPECT_TRUE(form->RemoveMode());
    EXPECT_EQ(Images(), 2); // selecting in remove mode leaves the page
}

TEST_F(PictureModesTest, OwnCategoryIsAddedAndRemovedWithTheMouse) {
    answerer.categoryName = "My: pictures";
    form->SpeedButton10->click();
    ASSERT_EQ(form->CatalogueModel->rowCount(), 3);
    QModelIndex own = form->CatalogueModel->index(2, 0);
    EXPECT_EQ(own.data().toString(), "My: pictures");
    const QString folder = form->Catalogue.CategoryFolders.last();
    EXPECT_TRUE(QFileInfo(folder).isDir());

    form->SpeedButton12->click();
    answerer.Queue(QMessageBox::Ok);
    answerer.Queue(QMessageBox::Yes);
    QRect rect = form->TreeView1->visualRect(own);
    QTest::mouseClick(form->TreeView1->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_TRUE(WaitFor([&] { return form->CatalogueModel->rowCount() == 2; }));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_FALSE(form->RemoveMode());
    EXPECT_EQ(ReadFile(UserCatalogueFolder() + "owncats.dat"), QByteArray());
}

TEST_F(PictureModesTest, AddingAnOwnCategoryKeepsThePageAndSelectsNothing) {
    // The user worked in the tree before: focus goes back to it when the query dialog closes.
    form->activateWindow();
    form->TreeView1->setFocus();
    ASSERT_TRUE(WaitFor([&] { return form->TreeView1->hasFocus(); }));
    QObject watch;
    int loads = 0;
    QObject::connect(form->WebBrowser1, &QWebEngineView::loadStarted, &watch, [&] { ++loads; });
    answerer.categoryName = "Mine";
    form->SpeedButton10->click();
    ASSERT_EQ(form->CatalogueModel->rowCount(), 3);
    form->activateWindow(); // as the window manager does when the dialog has gone
    ASSERT_TRUE(WaitFor([&] { return form->TreeView1->hasFocus(); }));
    WaitFor([] { return false; }, 300);
    EXPECT_FALSE(form->TreeView1->currentIndex().isValid());
    EXPECT_EQ(loads, 0);
    EXPECT_EQ(Images(), 2);
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
