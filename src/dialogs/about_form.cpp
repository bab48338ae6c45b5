#include "dialogs/about_form.h"

#include "dialogs/browser_form.h"
#include "dialogs/dialog_style.h"
#include "dialogs/dialog_windows.h"
#include "dialogs/interface_fonts.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTableWidget>
#include <QWebEngineView>

const char* const kProgramYears = "2026";

QUrl ProgramPageUrl(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty())
        return QUrl("about:blank");
    if (text.startsWith('/'))
        return QUrl::fromLocalFile(text);
    const QUrl url(text);
    // One letter before a colon would be a drive name of the original platform, not a scheme.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    QString relative = text;
    relative.replace('\\', '/');
    return QUrl::fromLocalFile(QDir::cleanPath(ProgramFolder() + relative));
}

namespace {

// The name plate's maroon; on the dark look the captions' lighter red, to stay readable.
QColor Maroon() {
    return DarkLook() ? Look().caption : QColor(0x80, 0x00, 0x00);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QTableWidget* MakeGrid(QWidget* parent, const QRect& geometry, int columnWidth) {
    auto* grid = new QTableWidget(9, 1, parent);
    grid->setGeometry(geometry);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->setColumnWidth(0, columnWidth);
    for (int row = 0; row < 9; ++row)
        grid->setRowHeight(row, 20);
    grid->setShowGrid(true);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFont(InterfaceFont(16));
    grid->setEnabled(false);
    // Disabled, but readable like an enabled grid.
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, Look().text);
    palette.setColor(QPalette::Disabled, QPalette::Base, Look().window);
    palette.setColor(QPalette::Disabled, QPalette::Window, Look().window);
    grid->setPalette(palette);
    return grid;
}

void SetCell(QTableWidget* grid, int row, const QString& text) {
    QTableWidgetItem* item = grid->item(row, 0);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, 0, item);
    }
    item->setText(text);
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent), openExternally([](const QString& target) { OpenTarget(target); }) {
    SetUpDialog(this, "AboutForm", "Glimmora", true, QSize(485, 471));

    AboutPanel = new QFrame(this);
    AboutPanel->setGeometry(0, 0, 485, 471);
    MakeWhite(AboutPanel);

    Image2 = MakePicture(AboutPanel, "logo.png", QRect(26, 15, 66, 65));

    Label10 = new QLabel("Orvandeck", AboutPanel);
    Label10->setFont(LetteringFont(19));
    SetTextColour(Label10, Maroon());
    Label10->move(112, 16);
    Label10->adjustSize();

    Label11 = new QLabel("Glimmora", AboutPanel);
    QFont titleFont = LetteringFont(32);
    titleFont.setUnderline(true);
    Label11->setFont(titleFont);
    SetTextColour(Label11, Maroon());
    Label11->setGeometry(157, 32, 160, 44);

    Bevel1 = new QFrame(AboutPanel);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(24, 96, 441, 209);
    Bevel2 = new QFrame(AboutPanel);
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Raised);
    Bevel2->setGeometry(25, 97, 440, 209);

    Image8 = MakePicture(AboutPanel, "about_side.png", QRect(364, 144, 71, 108));

    Panel9 = new QFrame(AboutPanel);
    Panel9->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel9->setGeometry(437, 4, 43, 41);
    MakeWhite(Panel9);
    AniIcon7 = new ClickableLabel(Panel9);
    AniIcon7->setGeometry(5, 4, 33, 33);
    AniIcon7->setAlignment(Qt::AlignCenter);
    AniIcon7->setToolTip("Homepage - Orvandeck");
    AniIcon7->setCursor(Qt::PointingHandCursor);
    AniIconMovie = new QMovie(DialogResource("anicon.gif"), QByteArray(), this);
    AniIcon7->setMovie(AniIconMovie);
    connect(AniIcon7, &ClickableLabel::clicked, this, &TAboutForm::Label9Click);

    StringGrid1 = MakeGrid(AboutPanel, QRect(48, 109, 257, 176), 200);
    StringGrid2 = MakeGrid(AboutPanel, QRect(249, 109, 105, 176), 100);

    Image1 = MakePicture(AboutPanel, "icon32.png", QRect(322, 40, 32, 32));

    BitBtn1 = new QPushButton("Bildquellen", AboutPanel);
    BitBtn1->setGeometry(360, 327, 105, 42);
    BitBtn1->setAutoDefault(false);
    ApplyLinkStyle(BitBtn1, 13);
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);

    GroupBox3 = new QGroupBox("Supportinformationen: ", AboutPanel);
    GroupBox3->setGeometry(25, 381, 368, 81);
    SetDesignTextSize(GroupBox3, 13);
    Image9 = MakePicture(GroupBox3, "home.png", QRect(24, 33, 16, 16));
    Label9 = new ClickableLabel("Unsere Homepage", GroupBox3);
    Label9->setGeometry(45, 33, 150, 17);
    ApplyLinkStyle(Label9);
    connect(Label9, &ClickableLabel::clicked, this, &TAboutForm::Label9Click);
    Image10 = MakePicture(GroupBox3, "mail.png", QRect(194, 33, 16, 16));
    Label12 = new ClickableLabel("E-Mail an uns senden", GroupBox3);
    Label12->setGeometry(215, 33, 148, 17);
    ApplyLinkStyle(Label12);
    connect(Label12, &ClickableLabel::clicked, this, &TAboutForm::Label12Click);

    BitBtn7 =
        MakeGlyphButton(AboutPanel, "weiter", "arrow_right.png", QRect(402, 442, 78, 23), true);
    ApplyLinkStyle(BitBtn7);
    connect(BitBtn7, &QPushButton::clicked, this, &TAboutForm::BitBtn7Click);
    CentreOnScreen(this);
}

void TAboutForm::showEvent(QShowEvent* event) {
    FormShow();
    AniIconMovie->start();
    QDialog::showEvent(event);
}

void TAboutForm::hideEvent(QHideEvent* event) {
    AniIconMovie->stop();
    QDialog::hideEvent(event);
}

void TAboutForm::FormShow() {
    // Row 0 of both grids stays empty.
    const QString rows[5][2] = {
        {GetText(10), "3.5"},      {GetText(14), kProgramYears}, {GetText(15), "Orvandeck"},
        {GetText(16), GetText(0)}, {GetText(17), GetText(18)},
    };
    for (int row = 1; row <= 5; ++row) {
        SetCell(StringGrid1, row, rows[row - 1][0]);
        SetCell(StringGrid2, row, rows[row - 1][1]);
    }
}

void TAboutForm::Label9Click() {
    if (openExternally)
        openExternally(GetText(3));
}

void TAboutForm::Label12Click() {
    if (openExternally)
        openExternally("mailto:" + GetText(4));
}

void TAboutForm::BitBtn1Click() {
    TBrowserForm* browser = BrowserForm;
    if (!browser)
        return;
    browser->ShowOwnPage(ProgramPageUrl(GetText(25)));
}

void TAboutForm::BitBtn7Click() {
    close();
}
