// The designer window on a real X server: it shows, follows the typing, saves the balloon and
// hands it on, and copes with a picture it cannot read and a file it cannot write.
#include "balloon/balloon_form.h"

#include "balloon/balloon_state.h"
#include "dialogs/window_test_support.h"
#include "integration/data_folders.h"
#include "integration/isolated_text.h"
#include "integration/translation_table.h"
#include "platform/runtime_lock.h"
#include "support/test_env.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Answers every message box that comes up with OK and keeps its text.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

class BalloonFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(UserCatalogueFolder());
        picturePath = home.home() + "smiley.gra"; // a PNG under a name that does not say so
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(picturePath, "PNG"));
        SetBalloonPicturePath(picturePath);
        WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
        CreateTranslationTable("Glimmora");
        form = std::make_unique<TBaloonForm>();
    }
    void TearDown() override {
        form.reset();
        SetBalloonPicturePath(QString());
    }

    void ShowAndSettle() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_TRUE(WaitFor([&] { return !form->Timer1->isActive(); }));
    }
    // Types `text` and inserts the balloon; returns its size and keeps the messages shown on the
    // way (no mail program is chosen in this home).
    QSize InsertBalloon(const QString& text, QStringList& messages) {
        ShowAndSettle();
        SetText(text);
        const QSize size = form->resultSize();
        MessageBoxAnswerer answerer;
        QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return !form->isVisible(); }));
        EXPECT_EQ(form->result(), QDialog::Accepted);
        messages = answerer.texts;
        return size;
    }
    QImage Preview() const { return form->PaintBox2->pixmap().toImage(); }
    void SetText(const QString& text) { form->Memo1->setPlainText(text); }

    TempHome home;
    QString picturePath;
    std::unique_ptr<TBaloonForm> form;
};

TEST_F(BalloonFormTest, WindowShowsItsPartsInPlace) {
    ShowAndSettle();
    EXPECT_EQ(form->size(), QSize(449, 220));
    EXPECT_EQ(form->windowTitle(), "Glimmora");
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form->Memo1->geometry(), QRect(48, 34, 161, 72));
    EXPECT_EQ(form->Bevel2->geometry(), QRect(32, 8, 193, 112));
    EXPECT_EQ(form->PaintBox2->geometry(), QRect(232, 8, 209, 153));
    EXPECT_EQ(form->SpeedButton1->geometry(), QRect(233, 172, 165, 41));
    EXPECT_EQ(form->SpeedButton2->geometry(), QRect(59, 172, 170, 41));
    EXPECT_EQ(form->Label2->pos(), QPoint(46, 16));
    EXPECT_EQ(form->Memo1->toPlainText(), "Cool :-)");
    for (QWidget* hidden :
         {form->i_inks, form->i_obenlinks, form->i_obenrechts, form->i_rechts, form->i_untenlinks,
          form->i_untenrechts, form->Image4, form->AdvPicture1, form->Image1})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(form->Image1->size(), QSize(40, 30));
    EXPECT_EQ(form->Timer1->interval(), 200);
    EXPECT_EQ(form->resultSize(), QSize(40 + 54, 31 + 30));
    ASSERT_EQ(Preview().size(), QSize(209, 153));
    EXPECT_EQ(Preview().pixel(0, 61 - 1), qRgb(255, 0, 0));
    EXPECT_EQ(Preview().pixel(0, 61), qRgb(255, 255, 255));
    const QString shot = qEnvironmentVariable("BALLOON_SCREENSHOT");
    if (!shot.isEmpty())
        form->grab().save(shot);
}

TEST_F(BalloonFormTest, TypingRedrawsThePreview) {
    ShowAndSettle();
    const QImage before = Preview();
    form->Memo1->setFocus();
    form->Memo1->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->Memo1, "abc");
    EXPECT_EQ(form->Memo1->toPlainText(), "Cool :-)abc");
    // c = 12: bodyW = R(23 x 2.95) + 11 = 79.
    EXPECT_EQ(form->resultSize(), QSize(30 + 79 + 3, 61));
    EXPECT_NE(Preview(), before);
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    QTest::keyClicks(form->Memo1, "x");
    EXPECT_EQ(form->resultSize(), QSize(30 + 79 + 3, 16 * 2 + 15 + 30));
    // The picture moved down with the second line.
    EXPECT_EQ(Preview().pixel(0, 46), qRgb(255, 255, 255));
    EXPECT_EQ(Preview().pixel(0, 47), qRgb(255, 0, 0));
}

TEST_F(BalloonFormTest, LinesAreCountedAsTheMemoShowsThem) {
    ShowAndSettle();
    SetText("");
    EXPECT_EQ(form->MemoLines(), QStringList());
    EXPECT_EQ(form->resultSize(), QSize(40 + 7, 15 + 30));
    SetText("ab\n");
    EXPECT_EQ(form->MemoLines(), QStringList{"ab"});
    SetText("ab\n\n");
    EXPECT_EQ(form->MemoLines(), (QStringList{"ab", ""}));
    SetText("ab\nabcd");
    EXPECT_EQ(form->MemoLines(), (QStringList{"ab", "abcd"}));
    EXPECT_EQ(form->resultSize(), QSize(30 + 38 + 3, 16 * 2 + 15 + 30));

    // Too long for the memo's width: one line of text, several lines in the balloon.
    const QString words = "alpha beta gamma delta epsilon zeta eta theta";
    SetText(words);
    const QStringList lines = form->MemoLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join(' '), words);
    EXPECT_EQ(form->resultSize().height(), 16 * int(lines.size()) + 15 + 30);
    const QString shot = qEnvironmentVariable("BALLOON_SCREENSHOT");
    if (!shot.isEmpty())
        form->grab().save(shot + ".wrapped.png");
}

TEST_F(BalloonFormTest, InsertSavesTheBalloonAndHandsItToTheInsertion) {
    QStringList messages;
    const QSize size = InsertBalloon("Hi\nthere", messages);

    const QString path = UserCatalogueFolder() + "temp2.dat.html.jpg";
    EXPECT_EQ(TBaloonForm::ResultFilePath(), path);
    QImage saved;
    ASSERT_TRUE(saved.load(path, "JPEG"));
    EXPECT_EQ(saved.size(), size);
    // The insertion ran and said that no mail program is chosen in this home; the paste itself
    // is checked on a private X server by balloon_insertion_test.
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(BalloonFormTest, BackToTheMainMenuSavesNothing) {
    const QString path = TBaloonForm::ResultFilePath();
    WriteFile(path, "the previous balloon");
    ShowAndSettle();
    QTest::keyClicks(form->Memo1, "changed");
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(ReadFile(path), "the previous balloon");
}

TEST_F(BalloonFormTest, UndecodablePictureIsReportedAndTheDesignerCloses) {
    WriteFile(picturePath, "this is no picture");
    MessageBoxAnswerer answerer;
    QTimer::singleShot(15000, form.get(), [&] { form->done(42); }); // never hang the suite
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    ASSERT_EQ(answerer.texts.size(), 1);
    EXPECT_EQ(answerer.texts[0], GetText(234).arg(Isolated(picturePath)));
    EXPECT_FALSE(QFileInfo::exists(TBaloonForm::ResultFilePath()));

    // A missing picture too.
    SetBalloonPicturePath(home.home() + "gone.gif");
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_EQ(answerer.texts.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(TBaloonForm::ResultFilePath()));
}

TEST_F(BalloonFormTest, WriteFailureIsReportedAndTheDesignerStaysOpen) {
    // The message is a text of the language in use.
    WriteFile(home.userData() + "Glimmora.def", ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    CreateTranslationTable("Glimmora");
    // A folder stands where the file should go, in the data folder and in the runtime folder.
    const QString path = TBaloonForm::ResultFilePath();
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_TRUE(QDir().mkpath(RuntimeFolder() + "Glimmora-balloon.jpg"));
    ShowAndSettle();
    MessageBoxAnswerer answerer;
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !answerer.texts.isEmpty(); }));
    EXPECT_EQ(answerer.texts[0], GetText(236).arg(Isolated(path)));
    EXPECT_TRUE(answerer.texts[0].startsWith("The balloon could not be saved"));
    QTest::qWait(100);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(answerer.texts.size(), 1) << "nothing was handed to the insertion";
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
}

// A full data folder keeps the previous balloon whole and no part of the new one; the balloon
// goes to the private runtime folder, as the pages do, and is inserted from there.
TEST_F(BalloonFormTest, OnAFullDataFolderTheBalloonIsInsertedFromTheRuntimeFolder) {
    SmallFileSystem disk(UserCatalogueFolder(), "256k");
    if (!disk.mounted())
        GTEST_SKIP() << kNoMountMessage;
    const QString previous = TBaloonForm::ResultFilePath();
    WriteFile(previous, "the previous balloon");
    ASSERT_TRUE(disk.fill());
    QStringList messages;
    const QSize size = InsertBalloon("Hi", messages);
    EXPECT_EQ(messages, QStringList(GetText(230)));
    EXPECT_EQ(ReadFile(previous), "the previous balloon");
    EXPECT_EQ(QDir(UserCatalogueFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"fill", "temp2.dat.html.jpg"}));
    QImage saved;
    ASSERT_TRUE(saved.load(RuntimeFolder() + "Glimmora-balloon.jpg", "JPEG"));
    EXPECT_EQ(saved.size(), size);
}

// With the texts of every shipped language, each caption is shown whole.
TEST_F(BalloonFormTest, TranslatedTextsFit) {
    const QDir shipped(SourceDir() + "shipped");
    const QStringList files = shipped.entryList({"Glimmora.t0*"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        AbTrans2 table;
        table.LoadFromFile(shipped.filePath(file));
        form->Label2->setText(DecodeBytes(table.text(77)));
        form->SpeedButton2->setText(DecodeBytes(table.text(78)));
        form->SpeedButton1->setText(DecodeBytes(table.text(79)));
        ShowAndSettle();
        EXPECT_LE(form->Label2->sizeHint().width(), form->Label2->width());
        EXPECT_LE(form->Label2->geometry().right(), form->Bevel2->geometry().right() - 2);
        for (QToolButton* button : {form->SpeedButton1, form->SpeedButton2}) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
            EXPECT_GE(button->x(), 0);
            EXPECT_LE(button->geometry().right(), form->width() - 1);
        }
        EXPECT_LT(form->SpeedButton2->geometry().right(), form->SpeedButton1->x());
        const QString shot = qEnvironmentVariable("BALLOON_SCREENSHOT");
        if (!shot.isEmpty())
            form->grab().save(shot + "." + file + ".png");
        form->hide();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
