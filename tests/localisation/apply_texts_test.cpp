// The texts of all windows come from the translation table: every component listed holds the
// text of its number, a number the file lacks empties its component, and the shipped languages
// fit the windows they are shown in.
#include "localisation/language.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/window_texts.h"
#include "balloon/balloon_form.h"
#include "catalogue/add_image_form.h"
#include "catalogue/picture_page.h"
#include "dialogs/about_form.h"
#include "dialogs/browser_form.h"
#include "dialogs/dialog_style.h"
#include "dialogs/question_dialog.h"
#include "dialogs/settings_form.h"
#include "dialogs/welcome_form.h"
#include "dialogs/window_test_support.h"
#include "integration/translation_table.h"
#include "support/test_env.h"
#include "support/wait.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Texts of several lines, as the memos carry them.
const QSet<int> kMemoNumbers = {46, 60, 61};

QByteArray NumberedTranslation(const QSet<int>& lacking = {}) {
    QByteArray file;
    for (int n = 0; n <= 285; ++n) {
        if (lacking.contains(n) || (n > 89 && n < 275))
            continue;
        file += "[" + QByteArray::number(n) + "]\r\nT" + QByteArray::number(n) + "\r\n";
        if (kMemoNumbers.contains(n))
            file += "second line of " + QByteArray::number(n) + "\r\n";
    }
    return file + "[END]\r\n";
}

QString Expected(int number) {
    const QString text = "T" + QString::number(number);
    return kMemoNumbers.contains(number) ? text + "\nsecond line of " + QString::number(number)
                                         : text;
}

struct Row {
    std::string component;
    std::function<QString()> read;
    int number;
};

QString Title(QWidget* w) {
    return w->windowTitle();
}

// The title of the picture dialog, read while it is open and then cancelled.
QString PictureDialogTitle() {
    QString title;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    poll.start(20);
    RunOpenPictureDialog(nullptr);
    return title;
}

// The components and their numbers, written out here a second time so that a wrong row in the
// program shows up.
std::vector<Row> Rows() {
    TForm1* m = Form1;
    TAboutForm* a = AboutForm;
    TSettingsForm* s = SettingsForm;
    TWelcomeForm* w = WelcomeForm;
    TQuestionDialogForm* q = QuestionDialogForm;
    TAddImageForm* i = AddImageForm;
    TBaloonForm* b = BaloonForm;
    return {
        {"Form1.Gruppenlabel1", [m] { return m->Gruppenlabel1->text(); }, 6},
        {"Form1.TODOshow1", [m] { return m->TODOshow1->text(); }, 26},
        {"Form1.TODOWebsite1", [m] { return m->TODOWebsite1->text(); }, 28},
        {"Form1.TODOClose1", [m] { return m->TODOClose1->text(); }, 29},
        {"Form1.CoolBar1 band", [m] { return m->CoolBarBand->text(); }, 1},
        {"Form1", [m] { return Title(m); }, 2},
        {"Form1.SpeedButton9", [m] { return m->SpeedButton9->text(); }, 31},
        {"Form1.SpeedButton6", [m] { return m->SpeedButton6->text(); }, 32},
        {"Form1.SpeedButton8", [m] { return m->SpeedButton8->text(); }, 33},
        {"Form1.SpeedButton2", [m] { return m->SpeedButton2->text(); }, 35},
        {"Form1.SpeedButton11", [m] { return m->SpeedButton11->text(); }, 37},
        {"Form1.SpeedButton3", [m] { return m->SpeedButton3->text(); }, 69},
        {"Form1.Label1", [m] { return m->Label1->text(); }, 70},
        {"Form1.Label3", [m] { return m->Label3->text(); }, 72},
        {"Form1.SpeedButton4", [m] { return m->SpeedButton4->text(); }, 71},
        {"Form1.SpeedButton5", [m] { return m->SpeedButton5->text(); }, 73},
        {"Form1.SpeedButton7", [m] { return m->SpeedButton7->text(); }, 74},
        {"Form1.SpeedButton10", [m] { return m->SpeedButton10->text(); }, 80},
        {"Form1.SpeedButton12", [m] { return m->SpeedButton12->text(); }, 81},
        {"Form1.SearchEdit", [m] { return m->SearchEdit->placeholderText(); }, 275},
        {"Form1.RecentButton", [m] { return m->RecentButton->text(); }, 281},
        {"AboutForm", [a] { return Title(a); }, 1},
        {"AboutForm.Label11", [a] { return a->Label11->text(); }, 1},
        {"AboutForm.BitBtn1", [a] { return a->BitBtn1->text(); }, 39},
        {"AboutForm.GroupBox3", [a] { return a->GroupBox3->title(); }, 40},
        {"AboutForm.BitBtn7", [a] { return a->BitBtn7->text(); }, 43},
        {"AboutForm.Label9", [a] { return a->Label9->text(); }, 41},
        {"AboutForm.Label12", [a] { return a->Label12->text(); }, 42},
        {"BrowserForm", [] { return Title(BrowserForm); }, 1},
        {"BrowserForm.BitBtn7", [] { return BrowserForm->BitBtn7->text(); }, 43},
        {"QuestionDialogForm", [q] { return Title(q); }, 1},
        {"QuestionDialogForm.BitBtn1", [q] { return q->BitBtn1->text(); }, 11},
        {"QuestionDialogForm.BitBtn2", [q] { return q->BitBtn2->text(); }, 12},
        {"QuestionDialogForm.BitBtn3", [q] { return q->BitBtn3->text(); }, 44},
        {"SettingsForm", [s] { return Title(s); }, 1},
        {"SettingsForm.GroupBox1", [s] { return s->GroupBox1->title(); }, 45},
        {"SettingsForm.GroupBox2", [s] { return s->GroupBox2->title(); }, 48},
        {"SettingsForm.GroupBox3", [s] { return s->GroupBox3->title(); }, 50},
        {"SettingsForm.BitBtn1", [s] { return s->BitBtn1->text(); }, 47},
        {"SettingsForm.BitBtn2", [s] { return s->BitBtn2->text(); }, 51},
        {"SettingsForm.BitBtn3", [s] { return s->BitBtn3->text(); }, 43},
        {"SettingsForm.Label1", [s] { return s->Label1->text(); }, 49},
        {"SettingsForm.HideAfterInsertLabel", [s] { return s->HideAfterInsertLabel->text(); }, 285},
        {"SettingsForm.Memo1", [s] { return s->Memo1->toPlainText(); }, 46},
        {"WelcomeForm", [w] { return Title(w); }, 1},
        {"WelcomeForm.GroupBox1", [w] { return w->GroupBox1->title(); }, 57},
        {"WelcomeForm.GroupBox2", [w] { return w->GroupBox2->title(); }, 58},
        {"WelcomeForm.Label1", [w] { return w->Label1->text(); }, 59},
        {"WelcomeForm.BitBtn3", [w] { return w->BitBtn3->text(); }, 43},
        {"WelcomeForm.Memo1", [w] { return w->Memo1->toPlainText(); }, 60},
        {"WelcomeForm.Memo2", [w] { return w->Memo2->toPlainText(); }, 61},
        {"AddImageForm", [i] { return Title(i); }, 1},
        {"AddImageForm.Label1", [i] { return i->Label1->text(); }, 76},
        {"AddImageForm.Gruppenlabel1", [i] { return i->Gruppenlabel1->text(); }, 6},
        {"BaloonForm", [b] { return Title(b); }, 1},
        {"BaloonForm.Label2", [b] { return b->Label2->text(); }, 77},
        {"BaloonForm.SpeedButton2", [b] { return b->SpeedButton2->text(); }, 78},
        {"BaloonForm.SpeedButton1", [b] { return b->SpeedButton1->text(); }, 79},
    };
}

class ApplyTextsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home = new TempHome;
        Form1 = new TForm1({"glimmora"});
        SettingsForm = new TSettingsForm(RecordSettingsStore());
        WelcomeForm = new TWelcomeForm(RecordSettingsStore());
        QuestionDialogForm = new TQuestionDialogForm();
        AboutForm = new TAboutForm();
        BrowserForm = new TBrowserForm();
        AddImageForm = new TAddImageForm();
        BaloonForm = new TBaloonForm();
        FollowLanguageSwitches();
    }
    static void TearDownTestSuite() {
        for (QWidget* window :
             std::initializer_list<QWidget*>{BaloonForm, AddImageForm, BrowserForm, AboutForm,
                                             QuestionDialogForm, WelcomeForm, SettingsForm, Form1})
            delete window;
        BaloonForm = nullptr;
        AddImageForm = nullptr;
        BrowserForm = nullptr;
        AboutForm = nullptr;
        QuestionDialogForm = nullptr;
        WelcomeForm = nullptr;
        SettingsForm = nullptr;
        Form1 = nullptr;
        delete home;
        home = nullptr;
    }

    static void UseTranslation(const QByteArray& content) {
        WriteFile(home->userData() + "Glimmora.def", content);
        CreateTranslationTable("Glimmora");
    }

    static TempHome* home;
};

TempHome* ApplyTextsTest::home = nullptr;

TEST_F(ApplyTextsTest, EveryComponentShowsTheTextOfItsNumber) {
    UseTranslation(NumberedTranslation());
    ApplyTexts();
    for (const Row& row : Rows())
        EXPECT_EQ(row.read(), Expected(row.number)) << row.component;
}

TEST_F(ApplyTextsTest, ANumberTheFileLacksEmptiesItsComponents) {
    UseTranslation(NumberedTranslation());
    ApplyTexts();
    const QSet<int> lacking = {1, 6, 43, 46, 60, 74, 81};
    UseTranslation(NumberedTranslation(lacking));
    ApplyTexts();
    for (const Row& row : Rows()) {
        const QString expected = lacking.contains(row.number) ? QString() : Expected(row.number);
        EXPECT_EQ(row.read(), expected) << row.component;
    }
    // No design text survives either: a missing file empties everything.
    QFile::remove(home->userData() + "Glimmora.def");
    CreateTranslationTable("Glimmora");
    ApplyTexts();
    for (const Row& row : Rows())
        EXPECT_EQ(row.read(), QString()) << row.component;
}

TEST_F(ApplyTextsTest, PictureDialogTitleFollowsTheTable) {
    UseTranslation(NumberedTranslation());
    ApplyTexts();
    EXPECT_EQ(PictureDialogTitle(), QStringLiteral("T75"));
    // Without text 75 the design title is gone too; the dialog then names itself.
    UseTranslation(NumberedTranslation({75}));
    ApplyTexts();
    const QString title = PictureDialogTitle();
    EXPECT_NE(title, QStringLiteral("T75"));
    EXPECT_FALSE(title.startsWith(QStringLiteral("Please choose"))) << title.toStdString();
}

TEST_F(ApplyTextsTest, TextsAreShownAsTheyStand) {
    UseTranslation("[6]\r\n<b>bold</b> & more\r\n[70]\r\ntwo\r\nlines\r\n[END]\r\n");
    ApplyTexts();
    EXPECT_EQ(Form1->Gruppenlabel1->text(), QStringLiteral("<b>bold</b> & more"));
    EXPECT_EQ(Form1->Gruppenlabel1->textFormat(), Qt::PlainText);
    EXPECT_EQ(AddImageForm->Gruppenlabel1->text(), QStringLiteral("<b>bold</b> & more"));
    EXPECT_EQ(Form1->Label1->text(), QStringLiteral("two\nlines"));
    // A label grows with a longer text instead of cutting it off.
    EXPECT_GE(Form1->Label1->height(), Form1->Label1->sizeHint().height());
}

TEST_F(ApplyTextsTest, SwitchingLanguageReachesEveryWindowAndTheCatalogue) {
    WriteFile(home->programDir() + "Glimmora.t00",
              "[0]\r\nEnglish\r\n[2]\r\nEnglish title\r\n[43]\r\nContinue\r\n[END]\r\n");
    WriteFile(home->programDir() + "Glimmora.t01",
              "[0]\r\nDeutsch\r\n[2]\r\nDeutscher Titel\r\n[43]\r\nweiter\r\n[END]\r\n");
    WriteFile(home->userData() + "GlimmoraData/pics.full.def", "[Faces]faces\r\n");
    WriteFile(home->programDir() + "GlimmoraData/pics.full.t01", "[Gesichter]faces\r\n");
    WriteFile(home->programDir() + "GlimmoraData/faces/smile.gif", "GIF89a");

    SwitchLanguage("Deutsch");
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Deutscher Titel"));
    EXPECT_EQ(WelcomeForm->BitBtn3->text(), QStringLiteral("weiter"));
    EXPECT_EQ(SettingsForm->BitBtn3->text(), QStringLiteral("weiter"));
    ASSERT_GT(Form1->CatalogueModel->rowCount(), 0);
    EXPECT_EQ(Form1->CatalogueModel->item(0)->text(), QStringLiteral("Gesichter"));
}

TEST(SetMemoText, BreaksAtEveryKindOfLineEnd) {
    QPlainTextEdit memo;
    memo.setPlainText("design text");
    SetMemoText(&memo, "a\rb\nc\r\nd");
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("a\nb\nc\nd"));
    SetMemoText(&memo, "a\r\rb");
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("a\n\nb"));
    SetMemoText(&memo, "last\r"); // a final break closes the line, it opens none
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("last"));
    SetMemoText(&memo, "");
    EXPECT_EQ(memo.toPlainText(), QString());
    SetMemoText(nullptr, "nothing to fill");
}

// The widest line of a caption in the font it is shown in.
int TextWidth(const QWidget* widget, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = qMax(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

void ExpectButtonFits(QPushButton* button, const std::string& name) {
    int needed = TextWidth(button, button->text());
    if (!button->icon().isNull())
        needed += button->iconSize().width() + 4;
    EXPECT_LE(needed, button->width() - 4) << name << ": " << button->text().toStdString();
    const int lines = button->text().count('\n') + 1;
    EXPECT_LE(lines * button->fontMetrics().lineSpacing(), button->height() - 4)
        << name << ": " << button->text().toStdString();
}

// The main window's link buttons wrap their captions beside or under the glyph; the wrapped text
// must still fit the room left for it.
void ExpectLinkButtonFits(QToolButton* button, const std::string& name) {
    const QRect inner = button->rect().adjusted(2, 2, -2, -2);
    const QSize icon = button->iconSize();
    const QRect room = button->toolButtonStyle() == Qt::ToolButtonTextUnderIcon
                           ? inner.adjusted(0, icon.height() + 2, 0, 0)
                           : inner.adjusted(icon.width() + 6, 0, 0, 0);
    const QRect used = button->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1000),
                                                          Qt::TextWordWrap, button->text());
    EXPECT_LE(used.width(), room.width()) << name << ": " << button->text().toStdString();
    // Two lines under the glyph may reach one pixel into the button's inner margin.
    const int slack = button->toolButtonStyle() == Qt::ToolButtonTextUnderIcon ? 1 : 0;
    EXPECT_LE(used.height(), room.height() + slack) << name << ": " << button->text().toStdString();
}

void ExpectInsideParent(QWidget* widget, const std::string& name) {
    EXPECT_LE(widget->geometry().right(), widget->parentWidget()->width())
        << name << " sticks out of its parent";
}

void ExpectMemoFits(QPlainTextEdit* memo, const std::string& name) {
    // The room inside frame and document margins; the memo's own size is fixed by its window.
    const int margin = 2 * int(memo->document()->documentMargin());
    const QRect room = memo->contentsRect().adjusted(0, 0, -margin, -margin);
    const QStringList lines = memo->toPlainText().split('\n');
    for (const QString& line : lines)
        EXPECT_LE(memo->fontMetrics().horizontalAdvance(line), room.width())
            << name << ": " << line.toStdString();
    EXPECT_LE(lines.size() * memo->fontMetrics().lineSpacing(), room.height())
        << name << " needs " << lines.size() << " lines";
}

TEST_F(ApplyTextsTest, EveryWindowWritesInTheShippedFonts) {
    // The fit checks measure these faces: a face of the machine's choosing would make a text fit
    // on one machine and not on the next.
    for (QWidget* window :
         std::initializer_list<QWidget*>{Form1, SettingsForm, WelcomeForm, QuestionDialogForm,
                                         AboutForm, BrowserForm, AddImageForm, BaloonForm}) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : widgets) {
            const QString family = QFontInfo(w->font()).family();
            EXPECT_TRUE(family == "Liberation Sans" || family == "Comic Neue")
                << window->objectName().toStdString() << " " << w->metaObject()->className() << " "
                << w->objectName().toStdString() << ": " << family.toStdString();
        }
    }
}

// Texts follow the desktop's text scaling: the suite runs again with a font DPI of 144 and Qt's
// own scaling off, where a text drawn 11 pixels high must be 16.5 high, not stay at 11.
TEST_F(ApplyTextsTest, TextSizesFollowTheDesktopsFontDpi) {
    const double scale = Form1->logicalDpiY() / 96.0;
    const std::pair<QWidget*, int> drawn[] = {{Form1, 11},
                                              {Form1->SpeedButton3, 11},
                                              {Form1->TreeView1, 13},
                                              {Form1->SearchEdit, 13},
                                              {SettingsForm->Memo1, 11},
                                              {QuestionDialogForm->Label1, 13},
                                              {BaloonForm->Memo1, 13}};
    for (const auto& [widget, pixels] : drawn)
        EXPECT_NEAR(QFontInfo(widget->font()).pixelSize(), pixels * scale, 1.0)
            << widget->objectName().toStdString() << " at " << Form1->logicalDpiY() << " dpi";
}

// A screen reader can say what every control of every window is: a button, list, box or field
// shows a text of its own or is named by the caption that stands for it.
TEST_F(ApplyTextsTest, EveryControlHasAName) {
    UseTranslation(ReadFile(SourceDir() + "shipped/Glimmora.t00"));
    ApplyTexts();
    SettingsForm->FormShow();
    for (QWidget* window :
         std::initializer_list<QWidget*>{Form1, SettingsForm, WelcomeForm, QuestionDialogForm,
                                         AboutForm, AddImageForm, BaloonForm}) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QLineEdit*>(w);
            if (!control || !w->isVisibleTo(window) || w->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
                << window->objectName().toStdString() << " " << w->metaObject()->className() << " "
                << w->objectName().toStdString();
        }
    }
}

// Every caption of a window shown whole in the room its control has: labels, check boxes, radio
// buttons, group box titles.
void ExpectCaptionsWhole(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith("qt_"))
            continue;
        const std::string name = window->objectName().toStdString() + "." +
                                 w->objectName().toStdString() + " " + w->metaObject()->className();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            EXPECT_LE(TextWidth(label, label->text()), label->contentsRect().width())
                << name << ": " << label->text().toStdString();
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            EXPECT_LE(w->sizeHint().width(), w->width())
                << name << ": " << static_cast<QAbstractButton*>(w)->text().toStdString();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(TextWidth(box, box->title()) + 12, box->width())
                << name << ": " << box->title().toStdString();
        }
    }
}

// The search page: its heading and note wrap inside the narrowest page the main window leaves, in
// every language; nothing needs a sideways scroll.
void ExpectSearchPageFits(const QString& folder) {
    QWebEngineView view;
    view.resize(220, 400);
    view.show();
    const QString picturesFolder = SourceDir() + "shipped/GlimmoraData/faces/happy/grinning/";
    const QStringList pictures = ListPicturePaths(picturesFolder);
    const QString term = QStringLiteral("Geburtstagskuchen");
    const QString pagePath = folder + "found.htm";
    for (int found = 0; found < 2; ++found) {
        if (found) {
            WriteFoundPage(pagePath, pictures,
                           {QString(GetText(277)).replace("%1", term),
                            QString(GetText(280)).replace("%1", "500").replace("%2", "12345")},
                           2, SourceDir() + "shipped/GlimmoraData/");
        } else {
            WriteEmptyPage(pagePath, SourceDir() + "shipped/GlimmoraData/data/",
                           QString(GetText(278)).replace("%1", term), GetText(279));
        }
        bool loaded = false;
        const auto connection =
            QObject::connect(&view, &QWebEngineView::loadFinished, [&] { loaded = true; });
        view.load(QUrl::fromLocalFile(pagePath));
        ASSERT_TRUE(WaitFor([&] { return loaded; }));
        QObject::disconnect(connection);
        QVariant overflow;
        bool done = false;
        view.page()->runJavaScript(
            "document.documentElement.scrollWidth - document.documentElement.clientWidth",
            [&](const QVariant& v) {
                overflow = v;
                done = true;
            });
        ASSERT_TRUE(WaitFor([&] { return done; }));
        EXPECT_LE(overflow.toInt(), 0) << (found ? "found page" : "empty search page");
    }
}

TEST_F(ApplyTextsTest, ShippedLanguagesFitTheirWindows) {
    if (qEnvironmentVariable("GLIMMORA_TEST_DESKTOP") == "sway-scale-2") {
        ASSERT_EQ(QGuiApplication::platformName(), "wayland");
        ASSERT_EQ(Form1->devicePixelRatio(), 2.0) << "the compositor's scale reaches the windows";
    }
    // Artwork drawn for the screen's pixels, not enlarged from the small drawing.
    const QPixmap side = SettingsForm->Image1->pixmap();
    EXPECT_EQ(side.width(), qRound(38 * SettingsForm->devicePixelRatioF()));
    EXPECT_EQ(side.deviceIndependentSize().toSize(), QSize(38, 145));
    const QStringList languages = {"Glimmora.t00", "Glimmora.t01", "Glimmora.t02", "Glimmora.t03"};
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        UseTranslation(ReadFile(SourceDir() + "shipped/" + language));
        ApplyTexts();
        for (QWidget* window : std::initializer_list<QWidget*>{
                 Form1, SettingsForm, WelcomeForm, QuestionDialogForm, AboutForm, BaloonForm})
            window->ensurePolished();

        for (QToolButton* b :
             {Form1->SpeedButton3, Form1->SpeedButton10, Form1->SpeedButton12, Form1->SpeedButton2,
              Form1->SpeedButton9, Form1->SpeedButton6, Form1->SpeedButton11, Form1->SpeedButton4,
              Form1->SpeedButton5, Form1->SpeedButton7, Form1->RecentButton})
            ExpectLinkButtonFits(b, "Form1 button");
        // Pane headers end before the info picture at the header's right end, and the
        // favourites' header before the recently-used link beside it.
        for (QLabel* l : {Form1->Gruppenlabel1, Form1->Label1, Form1->Label3})
            EXPECT_LE(l->x() + TextWidth(l, l->text()), Form1->Image1->x())
                << "pane header " << l->text().toStdString();
        EXPECT_LE(Form1->Label3->x() + TextWidth(Form1->Label3, Form1->Label3->text()),
                  Form1->RecentButton->x());

        TSettingsForm* s = SettingsForm;
        for (QPushButton* b : {s->BitBtn1, s->BitBtn2, s->BitBtn3})
            ExpectButtonFits(b, "SettingsForm button");
        ExpectInsideParent(s->Label1, "SettingsForm.Label1");
        s->FormShow();
        ExpectInsideParent(s->HideAfterInsertLabel, "SettingsForm.HideAfterInsertLabel");
        EXPECT_GT(s->HideAfterInsertBox->x(),
                  s->Label1->x() + TextWidth(s->Label1, s->Label1->text()));
        ExpectMemoFits(s->Memo1, "SettingsForm.Memo1");
        ExpectInsideParent(s->AppearanceBox, "SettingsForm.AppearanceBox");
        EXPECT_GT(s->AppearanceBox->x(),
                  s->AppearanceLabel->x() +
                      TextWidth(s->AppearanceLabel, s->AppearanceLabel->text()));
        for (int i = 0; i < s->AppearanceBox->count(); ++i)
            EXPECT_LE(TextWidth(s->AppearanceBox, s->AppearanceBox->itemText(i)) + 30,
                      s->AppearanceBox->width())
                << s->AppearanceBox->itemText(i).toStdString();

        TWelcomeForm* w = WelcomeForm;
        ExpectButtonFits(w->BitBtn3, "WelcomeForm.BitBtn3");
        ExpectInsideParent(w->Label1, "WelcomeForm.Label1");
        ExpectMemoFits(w->Memo1, "WelcomeForm.Memo1");
        ExpectMemoFits(w->Memo2, "WelcomeForm.Memo2");

        for (QPushButton* b : {QuestionDialogForm->BitBtn1, QuestionDialogForm->BitBtn2,
                               QuestionDialogForm->BitBtn3, AboutForm->BitBtn1, AboutForm->BitBtn7})
            ExpectButtonFits(b, "dialog button");
        // The about window's rows: labels 10 and 14 to 17, and the value 18.
        const QFontMetrics grid = AboutForm->StringGrid1->fontMetrics();
        for (int number : {10, 14, 15, 16, 17})
            EXPECT_LE(grid.horizontalAdvance(GetText(number)),
                      AboutForm->StringGrid1->columnWidth(0) - 6)
                << "about row " << GetText(number).toStdString();
        EXPECT_LE(AboutForm->StringGrid2->fontMetrics().horizontalAdvance(GetText(18)),
                  AboutForm->StringGrid2->columnWidth(0) - 6)
            << "about value " << GetText(18).toStdString();
        ExpectInsideParent(AboutForm->Label9, "AboutForm.Label9");
        ExpectInsideParent(AboutForm->Label12, "AboutForm.Label12");
        ExpectInsideParent(AddImageForm->Label1, "AddImageForm.Label1");
        ExpectInsideParent(BaloonForm->Label2, "BaloonForm.Label2");
        for (QToolButton* b : {BaloonForm->SpeedButton1, BaloonForm->SpeedButton2})
            EXPECT_LE(TextWidth(b, b->text()) + b->iconSize().width() + 8, b->width())
                << "BaloonForm button: " << b->text().toStdString();
        for (QWidget* window : std::initializer_list<QWidget*>{Form1, SettingsForm, BaloonForm})
            ExpectCaptionsWhole(window);
        ExpectSearchPageFits(home->userData());
    }
}

} // namespace

GLIMMORA_WINDOW_TEST_MAIN
