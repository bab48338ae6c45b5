#pragma once
#include "catalogue/catalogue_model.h"
#include "catalogue/picture_search.h"
#include "catalogue/skin_tones.h"

#include <QIcon>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <utility>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QActionGroup;
class QStandardItemModel;
class QSystemTrayIcon;
class QTimer;
class QToolButton;
class QTreeView;
class QWebEngineView;
class QModelIndex;
class DesktopHotKey;
class WindowSettler;
class HiddenPageKeeper;

// The main window: tool bar along the top, category tree on the left, the picture page on the
// right. Closing it only hides it into the notification area; the program ends through
// QuitProgram.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(const QStringList& arguments, QWidget* parent = nullptr);
    ~TForm1() override;

    // Tool bar.
    QFrame* CoolBar1 = nullptr;
    QLabel* CoolBarBand = nullptr; // the band's text (text 1)
    QWidget* Panel2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;   // add a picture
    QToolButton* SpeedButton10 = nullptr;  // add an own category
    QToolButton* SpeedButton12 = nullptr;  // removal mode
    QToolButton* SpeedButton2 = nullptr;   // settings
    QToolButton* SpeedButton9 = nullptr;   // about
    QToolButton* SpeedButton6 = nullptr;   // help
    QToolButton* SkinToneButton = nullptr; // the skin tone of the pictures, chosen from its menu
    QMenu* SkinToneMenu = nullptr;
    QActionGroup* SkinToneActions = nullptr; // one checkable entry per tone, in SkinTone's order
    QToolButton* SpeedButton11 = nullptr;    // quit
    QToolButton* SpeedButton8 = nullptr;     // homepage (never visible)

    // Left pane.
    QFrame* Panel4 = nullptr;
    QLineEdit* SearchEdit = nullptr; // finds pictures by typed words, at the top
    QLabel* Image3 = nullptr;
    QLabel* Gruppenlabel1 = nullptr;
    QToolButton* Image1 = nullptr; // the info picture: shows the welcome window
    QFrame* WhitePanel1 = nullptr;
    QFrame* BluePanel1 = nullptr;
    QTreeView* TreeView1 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Label1 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel3 = nullptr;
    QToolButton* SpeedButton4 = nullptr; // balloon mode
    QLabel* Image6 = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Panel5 = nullptr;
    QFrame* Panel6 = nullptr;
    QToolButton* SpeedButton5 = nullptr; // favourites page
    QToolButton* SpeedButton7 = nullptr; // favourite mode
    QToolButton* RecentButton = nullptr; // the recently used pictures, in the favourites' header
    QIcon Image2;                        // program icon
    QIcon Image4;                        // second tray icon

    // Right: the picture page.
    QWebEngineView* WebBrowser1 = nullptr;

    QTimer* Timer1 = nullptr; // placement at first show
    QTimer* Timer3 = nullptr; // close-request polling
    QTimer* Timer4 = nullptr; // tray animation
    QSystemTrayIcon* TrayIcon1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* TODOshow1 = nullptr;
    QAction* TODOWebsite1 = nullptr;
    QAction* TODOClose1 = nullptr;

    // Catalogue model shared by both trees; `Catalogue` holds CategoryFolders and
    // LastBuiltInIndex of the last load.
    QStandardItemModel* CatalogueModel = nullptr;
    CatalogueData Catalogue;

    bool QuitRequested = false;
    bool FirstShowPending = true;
    int TrayAnimationCounter = 0;

    bool FavouriteMode() const;
    bool BalloonMode() const;
    bool RemoveMode() const;
    void SetFavouriteMode(bool on);
    void SetBalloonMode(bool on);
    void SetRemoveMode(bool on);

    void QuitProgram();
    void LoadCatalogue();
    void SelectStartCategory();
    void ShowCategoryPage(const QString& folder);
    // Chooses the skin tone of the pictures: stored, shown on the button and its menu, and the
    // page shown is written again in it.
    void SetSkinTone(SkinTone tone);
    // Shows the stored tone on the button and its menu.
    void ShowSkinTone();
    // The address of a page that the program wrote itself (and none of the web).
    static bool IsOwnPageAddress(const QUrl& url);
    // Decides what a navigation of the picture browser means; true = cancel it.
    bool WebBrowser1BeforeNavigate2(const QUrl& url);
    // The picture click of a cancelled navigation (run after the navigation was refused).
    virtual void PerformPictureClick(const QString& picturePath);

    // Absolute index of the main tree's selected node, -1 when none.
    int SelectedIndex() const;

    // Search: the pictures of the result page shown; none while another page is shown.
    const QStringList& FoundPictures() const { return found_; }
    // Pictures or categories were added or removed: the next search lists the catalogue again.
    void InvalidateSearchIndex() { searchIndexStale_ = true; }
    void FocusSearch();
    // Places the recently-used link after its caption changed.
    void FitRecentButton();
    // Lays the controls out for the window's size and the captions' needs: the tool bar keeps
    // every button reachable, the tree takes the pane's height, the page what is left.
    void LayOutControls();

    // Handlers.
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void RecentButtonClick();
    void SearchEditChange();
    // Arrow keys, Enter and Escape typed in the search field; true when handled.
    bool SearchEditKey(int key);
    void Image1Click();
    void TrayIcon1Click();
    void TODOCloseClick();
    void TreeView1Change(const QModelIndex& current);
    void TreeView1Click(const QModelIndex& index);
    void Timer1Timer();
    void Timer3Timer();
    void Timer4Timer();
    // Shows a hidden, minimised or covered window, hides one that is in front; `activationToken`
    // is the desktop's permission to take the focus, where one came with the request.
    void WMHotKey(const QByteArray& activationToken = {});

    // Whether closing the window hides it (a tray exists) or minimises it.
    static bool TrayAvailable();
    // Every way of sending the window away ends here: hidden into the notification area, or
    // minimised when there is none, so that the desktop's window list still reaches it.
    Q_INVOKABLE void SendToTray();

    // Puts the window's frame at the top left of `bounds` and gives the window their size. A
    // window manager may still move a window that it withdraws or maps (it pulls one mapped off
    // the screen into view), so they are applied again when the window is shown, until the window
    // has been seen there.
    void PlaceAt(const QRect& bounds);
    // The bounds to save (frame position, window size): the placed ones while the window has not
    // been seen there yet.
    QRect SavedBounds() const;

signals:
    // The catalogue was read and the tree filled and opened.
    void catalogueLoaded();
    // The start category was selected in the tree.
    void startCategorySelected();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildToolBar();
    void BuildLeftPane();
    void BuildTray();
    void BuildSearch();
    void ShowFoundPage();
    void MarkFoundPicture(int index);
    int FoundPageColumns() const;
    void LeaveSearch();
    void BuildSkinToneChoice();
    // Writes the page shown (a category's, the found or the recently used pictures) once more.
    void RewriteShownPage();
    void LayOutToolBar();
    void LayOutLeftPane();
    void ShowMainWindow(const QByteArray& activationToken = {});

    QStringList arguments_;
    // The tool buttons in their order with their design places, and the pane's controls below the
    // tree with theirs (they move down as the tree grows).
    QList<std::pair<QToolButton*, QRect>> toolButtons_;
    QList<std::pair<QWidget*, QRect>> belowTree_;
    int toolBarHeight_ = 62;
    DesktopHotKey* hotkey_ = nullptr;
    HiddenPageKeeper* hiddenPage_ = nullptr;
    QString pendingPicture_;
    WindowSettler* settler_ = nullptr;
    bool sentToTray_ = false; // hidden by SendToTray, so the tray's going away brings it back

    PictureIndex searchIndex_;
    bool searchIndexStale_ = true;
    bool leavingSearch_ = false;
    bool recentShown_ = false; // the recently used pictures are the page shown
    QString shownFolder_;      // the category (or favourites) page shown, while one is
    QStringList found_;
    int foundTotal_ = 0;
    int foundSelection_ = -1;
    int foundColumns_ = 0;
    int pageSerial_ = 0;
};
