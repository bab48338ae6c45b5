#include "app/main_window.h"

#include "app/forms.h"
#include "app/hidden_page.h"
#include "app/main_window_parts.h"
#include "app/settings.h"
#include "app/start_placement.h"
#include "app/tool_bar_layout.h"
#include "app/window_settler.h"
#include "catalogue/add_image_form.h"
#include "catalogue/catalogue_tree.h"
#include "catalogue/picture_page.h"
#include "catalogue/picture_search.h"
#include "catalogue/picture_server.h"
#include "dialogs/dialogs.h"
#include "integration/data_folders.h"
#include "integration/insertion.h"
#include "integration/mail_defs.h"
#include "integration/message_boxes.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "localisation/language.h"
#include "platform/current_desktop.h"
#include "platform/runtime_lock.h"
#include "platform/window_activation.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdio>

namespace {

constexpr int kToolBarHeight = 62;
constexpr int kToolButtonHeight = 55;
constexpr int kPaneWidth = 241;
// The tree's design height, and the least it keeps in a low window.
constexpr int kTreeFrameHeight = 216;
constexpr int kLeastTreeFrameHeight = 90;
// The window's design height, for which the pane's controls were placed.
constexpr int kDesignHeight = 491;
// The least page beside the pane: two columns of picture cells.
constexpr int kLeastPageWidth = 220;
// The search field's band at the top of the left pane; everything below it keeps its place
// relative to the others, this much further down.
constexpr int kSearchBand = 30;

// The picture page: every navigation passes through the main window's decision first.
class PicturePage : public QWebEnginePage {
public:
    PicturePage(TForm1* form, QObject* parent) : QWebEnginePage(parent), form_(form) {
        // The page is static HTML of our own and a click is a plain link: nothing needs script.
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        // Its pictures come from the picture server on this machine, where there is one.
        settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls,
                                 PictureServer::Active() != nullptr);
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        if (!isMainFrame)
            return true;
        if (form_->WebBrowser1BeforeNavigate2(url))
            return false;
        // The engine loads pictures lazily only where script is allowed. Our own pages forbid
        // every script themselves, whatever a data or translation file brings into them; any
        // other page gets no script at all.
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled,
                                 PictureServer::Active() && TForm1::IsOwnPageAddress(url));
        return true;
    }

private:
    TForm1* form_;
};

QFrame* MakePanel(QWidget* parent, const QRect& rect, const QColor& colour) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(rect);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, colour);
    panel->setPalette(pal);
    return panel;
}

QLabel* MakePaneLabel(QWidget* parent, int x, int y, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    SetDesignTextSize(font, 11);
    font.setBold(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Look().paneLabel);
    label->setPalette(pal);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(x, y);
    label->resize(200, 14);
    return label;
}

QLabel* MakePicture(QWidget* parent, const QRect& rect, const QString& resource) {
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setPixmap(LoadArtwork(resource, rect.size()));
    return label;
}

// A pane header: the drawn light header, or in the dark look a dark one of the same shape.
QLabel* MakeHeader(QWidget* parent, const QRect& rect) {
    if (!DarkLook())
        return MakePicture(parent, rect, "main/header.png");
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setPixmap(DarkHeaderArtwork(rect.size(), label->devicePixelRatioF()));
    return label;
}

} // namespace

TForm1::TForm1(const QStringList& arguments, QWidget* parent)
    : QWidget(parent), arguments_(arguments) {
    FormCreate();
    // A notice about the mail program stays open beside it, so that the next click still works.
    SetInsertionNotice([this](int number, const QString& text) {
        if (Settings().noticesShown.contains(number))
            return;
        StoreNoticeShown(number);
        ShowNoticeBeside(text, this);
    });
}

TForm1::~TForm1() { // FormDestroy: the hot key is released with `hotkey_`
    SetInsertionNotice({});
}

bool TForm1::TrayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TForm1::FormCreate() {
    setObjectName("Form1");
    setWindowTitle("Glimmora");
    resize(775, kDesignHeight);
    MakeWhite(this);
    QFont font = this->font();
    SetDesignTextSize(font, 11);
    setFont(font);

    Image2 = QIcon(LoadArtwork("icons/glimmora.png", QSize(32, 32)));
    Image4 = QIcon(LoadArtwork("main/tray-wink.png", QSize(16, 16)));
    setWindowIcon(Image2);

    BuildToolBar();
    BuildLeftPane();

    auto* pictureServer = new PictureServer(this);
    if (pictureServer->Listen())
        PictureServer::SetActive(pictureServer);
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setPage(new PicturePage(this, WebBrowser1));
    hiddenPage_ = new HiddenPageKeeper(WebBrowser1, this);
    LayOutControls();
    // Start-up measurements wait for this line; nothing is printed otherwise.
    if (qEnvironmentVariableIsSet("GLIMMORA_REPORT_PAGE_LOAD"))
        connect(WebBrowser1, &QWebEngineView::loadFinished, this, [](bool ok) {
            if (ok)
                std::fputs("glimmora: start page loaded\n", stderr);
        });

    CatalogueModel = new QStandardItemModel(this);
    TreeView1->setModel(CatalogueModel);
    connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { TreeView1Change(current); });
    connect(TreeView1, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { TreeView1Click(index); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer3 = new QTimer(this);
    Timer3->setInterval(1000);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    Timer3->start();
    Timer4 = new QTimer(this);
    Timer4->setInterval(1000);
    connect(Timer4, &QTimer::timeout, this, &TForm1::Timer4Timer);
    Timer4->start();

    BuildTray();
    settler_ = new WindowSettler(this);

    // Step 1: the hot key; a key held by another program is no reason to stop.
    hotkey_ = CurrentDesktop().grabHotKey(this).release(); // owned as a child
    connect(hotkey_, &DesktopHotKey::activated, this, [this] { WMHotKey(); });

    // Out of sight until the first timer tick places the window.
    QRect desktop = VirtualDesktop();
    move(desktop.width() + 20, desktop.height() + 20);

    LoadSettings();
    ShowSkinTone();
    LoadMailDefs(UserDataPath("glimmora.maildef.ini"));
    // However the window comes up, a typed word goes to the search.
    SearchEdit->setFocus();
}

void TForm1::BuildToolBar() {
    CoolBar1 = new QFrame(this);
    CoolBar1->setObjectName("CoolBar1");
    CoolBar1->setFrameShape(QFrame::StyledPanel);
    CoolBar1->setStyleSheet(
        QStringLiteral("#CoolBar1 { background: qlineargradient(x1:0, y1:0, "
                       "x2:0, y2:1, stop:0 %1, stop:1 %2); border: none; "
                       "border-bottom: 1px solid %3; }")
            .arg(Look().toolBarTop.name(), Look().toolBarBottom.name(), Look().toolBarLine.name()));
    CoolBarBand = new QLabel("Glimmora", CoolBar1);
    CoolBarBand->hide(); // the band's text is kept for the texts; the band shows the buttons
    Panel2 = new QWidget(CoolBar1);
    Panel2->setGeometry(4, 3, 720, 58);

    struct ButtonDesign {
        QToolButton** button;
        int x;
        int width;
        const char* caption;
        const char* glyph;
    };
    const ButtonDesign designs[] = {
        {&SpeedButton3, 0, 75, "Bild hinzufügen", "main/add-picture.png"},
        {&SpeedButton10, 75, 75, "Kategorie hinzufügen", "main/add-category.png"},
        {&SpeedButton12, 150, 97, "Bild / Kategorie entfernen", "main/remove.png"},
        {&SpeedButton2, 247, 95, "einstellungen", "main/settings.png"},
        {&SpeedButton9, 342, 93, "information", "main/information.png"},
        {&SpeedButton6, 434, 90, "launch help", "main/help.png"},
        {&SkinToneButton, 526, 88, "Skin tone", ""}, // its glyph shows the tone (ShowSkinTone)
        {&SpeedButton11, 618, 63, "beenden", "main/quit.png"},
        {&SpeedButton8, 0, 96, "homepage", "main/homepage.png"},
    };
    for (const ButtonDesign& s : designs) {
        QToolButton* b = MakeLinkButton(Panel2, s.caption, s.glyph, Qt::ToolButtonTextUnderIcon);
        b->setGeometry(s.x, 0, s.width, kToolButtonHeight);
        *s.button = b;
        if (s.button != &SpeedButton8)
            toolButtons_.append({b, b->geometry()});
    }
    SpeedButton8->hide();
    BuildSkinToneChoice();

    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
    connect(SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
}

void TForm1::BuildLeftPane() {
    Panel4 = MakePanel(this, QRect(0, kToolBarHeight, kPaneWidth, height() - kToolBarHeight),
                       Look().pane);
    Panel4->setObjectName("Panel4");
    BuildSearch();
    const int y = kSearchBand;

    Image3 = MakeHeader(Panel4, QRect(8, y + 9, 223, 25));
    Gruppenlabel1 = MakePaneLabel(Panel4, 23, y + 15, "Kategorien");
    Image1 = MakePictureButton(Panel4, QRect(207, y + 10, 19, 25), "main/info.png");
    Image1->setToolTip("Info");
    connect(Image1, &QToolButton::clicked, this, &TForm1::Image1Click);

    WhitePanel1 = MakePanel(Panel4, QRect(8, y + 34, 223, 216), Look().window);
    BluePanel1 = MakePanel(WhitePanel1, QRect(2, 0, 219, 214), Look().tree);
    TreeView1 = new QTreeView(BluePanel1);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setGeometry(0, 0, 219, 214);
    TreeView1->setHeaderHidden(true);
    TreeView1->setFrameShape(QFrame::NoFrame);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setMouseTracking(true); // hot tracking
    IsolateNodeTexts(TreeView1);
    TreeView1->setStyleSheet(
        QStringLiteral("QTreeView { background: %1; color: %2; }"
                       "QTreeView::item:hover { color: %3; text-decoration: underline; }")
            .arg(Look().tree.name(), Look().text.name(), Look().hover.name()));
    QFont treeFont = TreeView1->font();
    SetDesignTextSize(treeFont, 13);
    TreeView1->setFont(treeFont);

    Image5 = MakeHeader(Panel4, QRect(8, y + 255, 223, 25));
    Label1 = MakePaneLabel(Panel4, 23, y + 261, "Glimmora");
    Panel1 = MakePanel(Panel4, QRect(8, y + 280, 223, 40), Look().window);
    Panel3 = MakePanel(Panel1, QRect(2, 1, 219, 38), Look().tree);
    SpeedButton4 = MakeLinkButton(Panel3, "Design a baloon-Smiley", "main/balloon.png",
                                  Qt::ToolButtonTextBesideIcon);
    SpeedButton4->setGeometry(4, 1, 210, 35);

    Image6 = MakeHeader(Panel4, QRect(8, y + 325, 223, 25));
    Label3 = MakePaneLabel(Panel4, 23, y + 331, "Glimmora");
    Panel5 = MakePanel(Panel4, QRect(8, y + 350, 223, 40), Look().window);
    Panel6 = MakePanel(Panel5, QRect(2, 1, 219, 38), Look().tree);
    SpeedButton5 = MakeLinkButton(Panel6, "Favorite Smilies", "main/favourites.png",
                                  Qt::ToolButtonTextBesideIcon);
    SpeedButton5->setGeometry(4, 1, 141, 35);
    SpeedButton7 =
        MakeLinkButton(Panel6, "Add", "main/favourite-add.png", Qt::ToolButtonTextBesideIcon);
    SpeedButton7->setGeometry(150, 1, 63, 35);
    // The recently used pictures go with the favourites: a small link at the right end of their
    // header, where the categories' header has its info picture.
    RecentButton =
        MakeLinkButton(Panel4, "Recently used", "main/recent.png", Qt::ToolButtonTextBesideIcon);
    RecentButton->setObjectName("RecentButton");
    RecentButton->setIconSize(QSize(16, 16));
    RecentButton->setGeometry(131, y + 327, 98, 21);
    connect(RecentButton, &QToolButton::clicked, this, &TForm1::RecentButtonClick);

    for (QWidget* w :
         std::initializer_list<QWidget*>{Image5, Label1, Panel1, Image6, Label3, Panel5})
        belowTree_.append({w, w->geometry()});

    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
}

void TForm1::BuildTray() {
    PopupMenu1 = new QMenu(this);
    TODOshow1 = PopupMenu1->addAction("TODO: show");
    QFont bold = TODOshow1->font();
    bold.setBold(true);
    TODOshow1->setFont(bold);
    PopupMenu1->setDefaultAction(TODOshow1);
    TODOWebsite1 = PopupMenu1->addAction("TODO: Website");
    TODOClose1 = PopupMenu1->addAction("TODO: Close");
    connect(TODOshow1, &QAction::triggered, this, &TForm1::TrayIcon1Click);
    connect(TODOWebsite1, &QAction::triggered, this, &TForm1::SpeedButton8Click);
    connect(TODOClose1, &QAction::triggered, this, &TForm1::TODOCloseClick);

    TrayIcon1 = new QSystemTrayIcon(Image2, this);
    TrayIcon1->setToolTip(".:Glimmora:.");
    TrayIcon1->setContextMenu(PopupMenu1);
    connect(TrayIcon1, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    TrayIcon1Click();
            });
    TrayIcon1->show();
}

void TForm1::LayOutControls() {
    LayOutToolBar();
    LayOutLeftPane();
    if (WebBrowser1)
        WebBrowser1->setGeometry(kPaneWidth, toolBarHeight_, qMax(0, width() - kPaneWidth),
                                 qMax(0, height() - toolBarHeight_));
    // Below this the pane's controls and the captions of the tool bar would no longer fit.
    int leastToolBar = 0;
    for (const auto& [button, design] : toolButtons_)
        leastToolBar = qMax(leastToolBar, LeastLinkButtonWidth(button, design.width()));
    setMinimumSize(qMax(kPaneWidth + kLeastPageWidth, 8 + leastToolBar),
                   kDesignHeight - (kTreeFrameHeight - kLeastTreeFrameHeight) +
                       (toolBarHeight_ - kToolBarHeight));
}

void TForm1::LayOutToolBar() {
    if (!CoolBar1)
        return;
    QList<ToolButtonDesign> designs;
    for (const auto& [button, design] : toolButtons_)
        designs.append({design.x(), design.width(), LeastLinkButtonWidth(button, design.width())});
    const QList<QRect> places = LayOutToolButtons(designs, width() - 8, kToolButtonHeight);
    int bottom = kToolButtonHeight;
    for (qsizetype i = 0; i < places.size(); ++i) {
        toolButtons_[i].first->setGeometry(places[i]);
        bottom = qMax(bottom, places[i].bottom() + 1);
    }
    toolBarHeight_ = kToolBarHeight + bottom - kToolButtonHeight;
    Panel2->setGeometry(4, 3, width() - 8, bottom + 3);
    CoolBar1->setGeometry(0, 0, width(), toolBarHeight_);
}

void TForm1::LayOutLeftPane() {
    if (!Panel4)
        return;
    const int paneHeight = height() - toolBarHeight_;
    Panel4->setGeometry(0, toolBarHeight_, kPaneWidth, paneHeight);
    // The tree takes what the pane has more or less than it was drawn with.
    const int grow = qMax(kLeastTreeFrameHeight - kTreeFrameHeight,
                          paneHeight - (kDesignHeight - kToolBarHeight));
    const QRect frame = WhitePanel1->geometry();
    WhitePanel1->resize(frame.width(), kTreeFrameHeight + grow);
    BluePanel1->resize(BluePanel1->width(), kTreeFrameHeight - 2 + grow);
    TreeView1->resize(TreeView1->width(), BluePanel1->height());
    for (const auto& [widget, design] : belowTree_)
        widget->move(design.topLeft() + QPoint(0, grow));
    FitRecentButton();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutControls();
    // The grid of found pictures follows the browser's width.
    if ((recentShown_ || !found_.isEmpty()) && FoundPageColumns() != foundColumns_) {
        if (recentShown_)
            RecentButtonClick();
        else
            ShowFoundPage();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SearchEdit && event->type() == QEvent::KeyPress &&
        SearchEditKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

// ---- lifecycle -------------------------------------------------------------------------------

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    sentToTray_ = false;
    // Sent before the window is mapped: bounds lost while the window was withdrawn are put back
    // now, and checked again once the window is on the screen.
    if (std::optional<QRect> bounds = settler_->PendingBounds())
        settler_->Place(*bounds);
    hiddenPage_->WindowShown();
    Timer1->start(); // FormShow
}

void TForm1::PlaceAt(const QRect& bounds) {
    settler_->Place(bounds);
}

QRect TForm1::SavedBounds() const {
    if (std::optional<QRect> bounds = settler_->PendingBounds())
        return *bounds;
    return QRect(isVisible() ? settler_->FramePosition() : pos(), size());
}

void TForm1::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    hiddenPage_->WindowHidden();
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    if (FirstShowPending) {
        FirstShowPending = false;
        ApplyStartSettings(FirstArgument(arguments_).toLower());
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: a visible window only hides; a hidden one (a close request from outside)
    // or a quit ends the program.
    if (QuitRequested || !isVisible()) {
        event->accept();
        qApp->quit();
        return;
    }
    event->ignore();
    SendToTray();
}

void TForm1::SendToTray() {
    LetOwnActivationsArrive();
    if (TrayAvailable()) {
        // Shown again where it was, whatever the window manager does with it meanwhile.
        if (isVisible() && !settler_->PendingBounds())
            settler_->Place(QRect(settler_->FramePosition(), size()));
        hide();
        sentToTray_ = true;
    } else {
        settler_->Minimise(); // hidden without a tray, nothing on the desktop would lead back
    }
}

void TForm1::ShowMainWindow(const QByteArray& activationToken) {
    settler_->CancelMinimise();
    // Where the program can neither restore a minimised window nor bring a covered one forward,
    // the window is shown anew: that comes up in front.
    const bool anew =
        isVisible() && (isMinimized() ? !MinimisedWindowsComeBack()
                                      : !isActiveWindow() && activationToken.isEmpty() &&
                                            !WindowsComeForwardThemselves());
    if (anew)
        hide();
    if (isMinimized())
        showNormal();
    else
        show();
    ActivateOwnWindow(windowHandle(), activationToken);
}

void TForm1::TrayIcon1Click() {
    ShowMainWindow();
}

void TForm1::WMHotKey(const QByteArray& activationToken) {
    // A window in sight but under another one comes forward; only one in front goes away. Where
    // windows come forward by themselves (X11) a visible one counts as in front, as before.
    const bool inFront = isActiveWindow() || WindowsComeForwardThemselves();
    if (isVisible() && !isMinimized() && inFront) {
        SendToTray();
        return;
    }
    ShowMainWindow(activationToken);
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    // Shown by the keyboard, the window waits for a search text.
    FocusSearch();
}

void TForm1::Timer3Timer() {
    if (!QuitRequested && TakeCloseRequest("Glimmora_CloseYourself"))
        QuitProgram();
}

void TForm1::Timer4Timer() {
    TrayIcon1->setIcon(TrayAnimationCounter == 5 ? Image4 : Image2);
    ++TrayAnimationCounter;
    if (!TrayIcon1->isVisible() && TrayAvailable())
        TrayIcon1->show();
    // The tray went away (its panel ended) while the window was in it.
    if (sentToTray_ && !isVisible() && !TrayAvailable())
        settler_->Minimise();
    if (TrayAnimationCounter > 30)
        TrayAnimationCounter = 0;
}

void TForm1::QuitProgram() {
    QuitRequested = true;
    RemovePageFiles();
    SaveDialogSettings(RecordSettingsStore());
    close();
    // Every loop ends, a modal one of the start-up (the language chooser) too.
    QCoreApplication::exit(0);
}

void TForm1::SpeedButton11Click() {
    if (AskYesNoOrTaskbar(GetText(8), false))
        QuitProgram();
}

void TForm1::TODOCloseClick() {
    if (AskYesNo(GetText(8), false))
        QuitProgram();
}

void TForm1::SpeedButton6Click() {
    OpenDocument(HelpFile(QStringLiteral("0%1").arg(InterfaceLanguageNumber())));
}

void TForm1::SpeedButton8Click() {
    OpenTarget(GetText(3));
}

// ---- catalogue -------------------------------------------------------------------------------

void TForm1::LoadCatalogue() {
    const QString language = QStringLiteral("0%1").arg(InterfaceLanguageNumber());
    Catalogue = LoadCatalogueData(language);
    // Loaded again at each change of language, and so are the pictures' names on the pages (from
    // the language's keyword file, "keywords.en").
    SetPictureNames(LoadKeywordFile(UserCatalogueFolder(), CatalogueBaseFolder(),
                                    ProgramLanguageLocale(InterfaceLanguageNumber())));
    InvalidateSearchIndex();
    {
        // Rebuilding the model clears the selection; that must not show a page.
        QSignalBlocker block(TreeView1->selectionModel());
        FillCatalogueModel(*CatalogueModel, Catalogue);
        // No node is current afterwards, and none may become so by itself: a view without a
        // current node makes its first row current when it gets the focus back (as when a dialog
        // closes), and that would show the first category's page.
        TreeView1->setCurrentIndex(QModelIndex());
    }
    TreeView1->expandAll();
    emit catalogueLoaded();
    ShowRefusedFiles(this);
}

int TForm1::SelectedIndex() const {
    return ::AbsoluteIndexOf(TreeView1->selectionModel()->currentIndex());
}

void TForm1::SelectStartCategory() {
    SelectStartNode(TreeView1, CatalogueModel);
    emit startCategorySelected();
}

void TForm1::TreeView1Change(const QModelIndex& current) {
    if (RemoveMode())
        return;
    int index = ::AbsoluteIndexOf(current);
    if (index < 0 || index >= Catalogue.CategoryFolders.size())
        return;
    try {
        ShowCategoryPage(Catalogue.CategoryFolders.at(index));
    } catch (const std::exception&) {
        // The old page stays.
    }
}

void TForm1::ShowCategoryPage(const QString& folder) {
    LeaveSearch();
    QUrl url = QUrl::fromLocalFile(WriteCategoryPage(folder));
    shownFolder_ = folder;
    // Every page written has an address of its own: the same address again would be a reload,
    // which reads every picture from the disk again instead of taking it from the engine's memory.
    url.setQuery(QStringLiteral("page=%1").arg(++pageSerial_));
    WebBrowser1->load(url);
}

bool TForm1::IsOwnPageAddress(const QUrl& url) {
    return url.isLocalFile() &&
           ClassifyNavigation(url, ShownPagePath()) == NavigationKind::PageLoad;
}

bool TForm1::WebBrowser1BeforeNavigate2(const QUrl& url) {
    NavigationKind kind = ClassifyNavigation(url, ShownPagePath());
    if (kind != NavigationKind::PictureClick)
        return false;
    // The click is handled once the browser has its answer: the handlers open modal windows and
    // run nested event loops, which must not happen inside the browser's callback.
    QString path = PicturePathFromUrl(url);
    QTimer::singleShot(0, this, [this, path] { PerformPictureClick(path); });
    return true;
}

// ---- modes -----------------------------------------------------------------------------------

bool TForm1::FavouriteMode() const {
    return !SpeedButton7->autoRaise();
}
bool TForm1::BalloonMode() const {
    return !SpeedButton4->autoRaise();
}
bool TForm1::RemoveMode() const {
    return !SpeedButton12->autoRaise();
}
void TForm1::SetFavouriteMode(bool on) {
    SetModeLook(SpeedButton7, on);
}
void TForm1::SetBalloonMode(bool on) {
    SetModeLook(SpeedButton4, on);
}
void TForm1::SetRemoveMode(bool on) {
    SetModeLook(SpeedButton12, on);
}
