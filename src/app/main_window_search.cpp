// The main window's search field, its result page with the keyboard selection, and the recently
// used pictures.
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "app/settings.h"
#include "catalogue/picture_page.h"
#include "catalogue/recent_pictures.h"
#include "catalogue/skin_tones.h"
#include "integration/data_folders.h"
#include "integration/isolated_text.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "localisation/language.h"
#include "platform/messages_locale.h"

#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>

namespace {

// More pictures than this make a page that the browser takes long to show and nobody scans.
constexpr int kFoundPageLimit = 1000;
// A longer search text is cut in the page's heading.
constexpr int kShownSearchText = 100;
// A picture's cell on a page of found pictures: 48 pixels, a border of 10 on each side and the
// gap between columns; the page's own margins and a scroll bar take the rest.
constexpr int kFoundCellWidth = 48 + 2 * 10 + 25;
constexpr int kFoundPageMargins = 2 * 16 + 16 - 25;

// The page's address: a query of its own for every page written, so that the browser loads the
// new file rather than taking it for the one shown; the fragment marks a picture, and moving the
// mark changes only the fragment, which the browser follows without loading again.
QUrl FoundPageUrl(int serial, int marked) {
    QUrl url = QUrl::fromLocalFile(ShownPagePath());
    url.setQuery(QStringLiteral("found=%1").arg(serial));
    if (marked >= 0)
        url.setFragment(FoundPictureAnchor(marked));
    return url;
}

// Fills a text's place-holder with the user's text last, so that a "%2" typed by the user stays
// as typed; isolated, so that a directional mark in it cannot reorder the heading around it.
QString FillIn(const QString& text, const QString& typed) {
    QString shown = typed.simplified();
    if (shown.size() > kShownSearchText)
        shown = shown.left(kShownSearchText) + QChar(0x2026);
    return QString(text).replace(QStringLiteral("%1"), Isolated(shown));
}

} // namespace

void TForm1::BuildSearch() {
    SearchEdit = new QLineEdit(Panel4);
    SearchEdit->setObjectName("SearchEdit");
    SearchEdit->setGeometry(8, 6, 223, 24);
    SearchEdit->setClearButtonEnabled(true);
    QPixmap glass = LoadArtwork("main/search.png", QSize(16, 16));
    if (DarkLook())
        glass = Tinted(glass, Look().fieldText); // the dark blue glass would vanish in the field
    SearchEdit->addAction(QIcon(glass), QLineEdit::LeadingPosition);
    QFont font = SearchEdit->font();
    SetDesignTextSize(font, 13);
    SearchEdit->setFont(font);
    SearchEdit->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; color: %2; "
                       "border: 1px solid %3; border-radius: 4px; padding: 0 2px; "
                       "selection-background-color: #3A6FD8; }"
                       "QLineEdit:focus { border: 2px solid #FFD45C; padding: 0 1px; }")
            .arg(Look().field.name(), Look().fieldText.name(), Look().fieldBorder.name()));
    SearchEdit->installEventFilter(this);
    connect(SearchEdit, &QLineEdit::textChanged, this, &TForm1::SearchEditChange);
}

void TForm1::FitRecentButton() {
    // Right-aligned in the favourites' header, as wide as its caption needs and never over the
    // header's own label.
    const int right = Image6->geometry().right() - 2;
    const int needed = RecentButton->iconSize().width() + 12 +
                       RecentButton->fontMetrics().horizontalAdvance(RecentButton->text());
    const int room = right - (Label3->x() + Label3->sizeHint().width() + 6);
    const int width = qBound(24, needed, qMax(24, room));
    RecentButton->setGeometry(right - width + 1, Image6->y() + 2, width, 21);
}

void TForm1::FocusSearch() {
    SearchEdit->setFocus(Qt::ShortcutFocusReason);
    SearchEdit->selectAll();
}

void TForm1::SearchEditChange() {
    if (leavingSearch_)
        return; // another page is being shown
    const QString text = SearchEdit->text();
    if (text.trimmed().isEmpty()) {
        // Back to the page of the category selected in the tree.
        found_.clear();
        foundSelection_ = -1;
        const int selected = SelectedIndex();
        if (selected >= 0 && selected < Catalogue.CategoryFolders.size()) {
            try {
                ShowCategoryPage(Catalogue.CategoryFolders.at(selected));
            } catch (const std::exception&) {
            }
        }
        return;
    }
    if (searchIndexStale_) {
        BuildCatalogueIndex(searchIndex_, Catalogue.CategoryFolders, FavouritesFolder(),
                            UserCatalogueFolder(), CatalogueBaseFolder(), InterfaceLanguageNumber(),
                            MessagesLocale());
        searchIndexStale_ = false;
    }
    // The found pictures replace whatever page was shown, the recently used ones too.
    recentShown_ = false;
    const std::vector<int> found = searchIndex_.Find(text);
    foundTotal_ = static_cast<int>(found.size());
    found_.clear();
    for (size_t i = 0; i < found.size() && i < static_cast<size_t>(kFoundPageLimit); ++i)
        found_ << searchIndex_.Path(found[i]);
    foundSelection_ = found_.isEmpty() ? -1 : 0;
    ShowFoundPage();
}

int TForm1::FoundPageColumns() const {
    const double zoom = qMax(0.25, WebBrowser1->zoomFactor());
    const int width = static_cast<int>(WebBrowser1->width() / zoom);
    return qMax(1, (width - kFoundPageMargins) / kFoundCellWidth);
}

void TForm1::ShowFoundPage() {
    const QString text = SearchEdit->text();
    const int columns = FoundPageColumns();
    try {
        WriteShownPage([&](const QString& pagePath) {
            if (found_.isEmpty()) {
                WriteEmptyPage(pagePath, PageDataFolder(), FillIn(GetText(278), text),
                               GetText(279));
                return;
            }
            FoundPageTexts texts;
            texts.heading = FillIn(GetText(277), text);
            if (foundTotal_ > found_.size())
                texts.note = QString(GetText(280))
                                 .replace(QStringLiteral("%1"), QString::number(found_.size()))
                                 .replace(QStringLiteral("%2"), QString::number(foundTotal_));
            WriteFoundPage(pagePath, found_, texts, columns, CatalogueBaseFolder());
        });
    } catch (const std::exception&) {
        return; // the old page stays
    }
    foundColumns_ = columns;
    ++pageSerial_;
    WebBrowser1->load(FoundPageUrl(pageSerial_, foundSelection_));
}

void TForm1::MarkFoundPicture(int index) {
    if (index == foundSelection_)
        return;
    foundSelection_ = index;
    WebBrowser1->load(FoundPageUrl(pageSerial_, index));
}

bool TForm1::SearchEditKey(int key) {
    if (key == Qt::Key_Escape) {
        if (!SearchEdit->text().isEmpty())
            SearchEdit->clear();
        else
            SendToTray();
        return true;
    }
    if (found_.isEmpty())
        return false;
    int step = 0;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Exactly what a click on the picture does, once the key's event is over.
        const QString picture = PictureInChosenTone(found_.value(foundSelection_));
        QTimer::singleShot(0, this, [this, picture] { PerformPictureClick(picture); });
        return true;
    }
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -foundColumns_;
        break;
    case Qt::Key_Down:
        step = foundColumns_;
        break;
    default:
        return false;
    }
    MarkFoundPicture(qBound(0, foundSelection_ + step, static_cast<int>(found_.size()) - 1));
    return true;
}

void TForm1::LeaveSearch() {
    found_.clear();
    foundSelection_ = -1;
    recentShown_ = false;
    if (!SearchEdit->text().isEmpty()) {
        // Not with the signals blocked: the field's clear button follows them too.
        leavingSearch_ = true;
        SearchEdit->clear();
        leavingSearch_ = false;
    }
}

void TForm1::RecentButtonClick() {
    LeaveSearch();
    // In the tone chosen now, whatever tone they were used in.
    const QStringList recent = PicturesInChosenTone(ReadRecentPictures(RecentPicturesFile()));
    try {
        WriteShownPage([&](const QString& pagePath) {
            if (recent.isEmpty())
                WriteEmptyPage(pagePath, PageDataFolder(), GetText(283), GetText(284));
            else
                WriteFoundPage(pagePath, recent, {GetText(282), QString()}, FoundPageColumns(),
                               CatalogueBaseFolder());
        });
    } catch (const std::exception&) {
        return;
    }
    recentShown_ = true;
    foundColumns_ = FoundPageColumns();
    ++pageSerial_;
    WebBrowser1->load(FoundPageUrl(pageSerial_, -1));
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Escape anywhere in the window does what it does in the search field.
    if (event->key() == Qt::Key_Escape && SearchEditKey(Qt::Key_Escape))
        return;
    QWidget::keyPressEvent(event);
}
