#include "balloon/balloon_form.h"

#include "balloon/balloon_composition.h"
#include "balloon/balloon_state.h"
#include "balloon/jpeg_writer.h"
#include "integration/data_folders.h"
#include "integration/insertion.h"
#include "integration/isolated_text.h"
#include "integration/message_boxes.h"
#include "integration/translation_table.h"
#include "integration/window_look.h"
#include "platform/current_desktop.h"
#include "platform/picture_decoder.h"
#include "platform/runtime_lock.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QSize kClientSize(449, 220);
constexpr QSize kPreviewSize(209, 153);
constexpr int kJpegQuality = 90;
constexpr QRect kInsertButton(233, 172, 165, 41);
constexpr QRect kBackButton(59, 172, 170, 41);
constexpr int kEdge = 8;
constexpr int kLabelPixels = 11;
constexpr int kLabelMinPixels = 9;

QLabel* HiddenImage(QWidget* parent, const QImage& image) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size());
    label->hide();
    return label;
}

// A flat button with its glyph to the right of its text, both centred together; its frame shows
// only under the mouse.
class GlyphButton : public QToolButton {
public:
    GlyphButton(QWidget* parent, const QString& text, const QString& glyph, const QRect& place)
        : QToolButton(parent) {
        setText(text);
        setIcon(QIcon(glyph));
        setIconSize(QSize(kGlyphSide, kGlyphSide));
        setAutoRaise(true);
        setCursor(Qt::PointingHandCursor);
        setGeometry(place);
    }

    QSize sizeHint() const override {
        return QSize(fontMetrics().horizontalAdvance(text()) + kGap + kGlyphSide + 2 * kMargin,
                     std::max(fontMetrics().height(), kGlyphSide) + 2 * kMargin);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        const bool down = option.state & QStyle::State_Sunken;
        if (down || (option.state & QStyle::State_MouseOver))
            painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
        const int textWidth = fontMetrics().horizontalAdvance(text());
        const int shift = down ? 1 : 0;
        const int left = (width() - textWidth - kGap - kGlyphSide) / 2 + shift;
        style()->drawItemText(&painter, QRect(left, shift, textWidth, height()),
                              Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), text(),
                              QPalette::ButtonText);
        const QPixmap glyph = icon().pixmap(iconSize(), devicePixelRatioF(),
                                            isEnabled() ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(left + textWidth + kGap, (height() - kGlyphSide) / 2 + shift, glyph);
    }

private:
    static constexpr int kGlyphSide = 24;
    static constexpr int kGap = 6;
    static constexpr int kMargin = 6;
};

// The top of a balloon as the pieces make it, 60 x 8.
QImage BalloonTopSample(const BalloonPieces& pieces) {
    QImage sample(60, 8, QImage::Format_RGB32);
    sample.fill(Qt::white);
    QPainter painter(&sample);
    for (int i = 0; 3 + ScaledCharacterStep(i) < 48; ++i)
        painter.drawImage(3 + ScaledCharacterStep(i), 0, pieces.topRight);
    painter.drawImage(0, 0, pieces.topLeft);
    painter.drawImage(0, 3, pieces.leftBorder);
    painter.drawImage(3 + ScaledCharacterStep(15), 0, pieces.topRight);
    painter.drawImage(3 + ScaledCharacterStep(15) + 8, 3, pieces.rightBorder);
    return sample;
}

} // namespace

TBaloonForm::TBaloonForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Glimmora"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(kClientSize);
    MakeWhite(this);
    QFont windowFont = font();
    SetDesignTextSize(windowFont, 11);
    setFont(windowFont);

    // Created first so that it lies behind the label and the memo it frames.
    Bevel2 = new QFrame(this);
    Bevel2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel2->setGeometry(32, 8, 193, 112);

    SpeedButton1 = new GlyphButton(this, QStringLiteral("insert picture"),
                                   QStringLiteral(":/balloon/glyphs/insert.png"), kInsertButton);
    QFont linkFont = SpeedButton1->font();
    SetDesignTextSize(linkFont, 13);
    linkFont.setUnderline(true);
    SpeedButton1->setFont(linkFont);
    QPalette linkPalette = SpeedButton1->palette();
    linkPalette.setColor(QPalette::ButtonText, Look().link);
    SpeedButton1->setPalette(linkPalette);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(48, 34, 161, 72);
    QFont memoFont = Memo1->font();
    SetDesignTextSize(memoFont, 13);
    Memo1->setFont(memoFont);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Without scroll bars the wrapping width never changes with the amount of text.
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral("Cool :-)"));

    // As wide as the frame allows, so that a longer translation is not cut at the design width.
    Label2 = new QLabel(QStringLiteral("Please enter your text here:"), this);
    Label2->setGeometry(46, 16, 175, 16);

    const BalloonPieces& pieces = StandardBalloonPieces();
    i_inks = HiddenImage(this, pieces.leftBorder);
    i_obenlinks = HiddenImage(this, pieces.topLeft);
    i_obenrechts = HiddenImage(this, pieces.topRight);
    i_rechts = HiddenImage(this, pieces.rightBorder);
    i_untenlinks = HiddenImage(this, pieces.tail);
    i_untenrechts = HiddenImage(this, pieces.bottomRight);
    Image4 = HiddenImage(this, BalloonTopSample(pieces));

    PaintBox2 = new QLabel(this);
    PaintBox2->setGeometry(QRect(QPoint(232, 8), kPreviewSize));
    PaintBox2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);

    SpeedButton2 = new GlyphButton(this, QStringLiteral("back to main menu"),
                                   QStringLiteral(":/balloon/glyphs/back.png"), kBackButton);

    AdvPicture1 = new QLabel(this);
    AdvPicture1->hide();
    Image1 = new QLabel(this);
    Image1->hide();

    connect(Memo1, &QPlainTextEdit::textChanged, this, &TBaloonForm::Memo1Change);
    connect(Timer1, &QTimer::timeout, this, &TBaloonForm::Timer1Timer);
    connect(SpeedButton1, &QToolButton::clicked, this, &TBaloonForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TBaloonForm::SpeedButton2Click);
}

QString TBaloonForm::ResultFilePath() {
    return UserCatalogueFolder() + QStringLiteral("temp2.dat.html.jpg");
}

void TBaloonForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        FitTexts();
        FormShow();
    }
    QDialog::showEvent(event);
}

void TBaloonForm::FitTexts() {
    // The buttons keep their design place and grow away from each other when a translation
    // needs more room; the label shrinks its font rather than run out of its frame.
    const int back = std::min(std::max(kBackButton.width(), SpeedButton2->sizeHint().width()),
                              kBackButton.right() + 1 - kEdge);
    SpeedButton2->setGeometry(kBackButton.right() + 1 - back, kBackButton.y(), back,
                              kBackButton.height());
    const int insert = std::min(std::max(kInsertButton.width(), SpeedButton1->sizeHint().width()),
                                kClientSize.width() - kEdge - kInsertButton.x());
    SpeedButton1->setGeometry(kInsertButton.x(), kInsertButton.y(), insert, kInsertButton.height());
    QFont labelFont = Label2->font();
    for (int size = kLabelPixels; size >= kLabelMinPixels; --size) {
        SetDesignTextSize(labelFont, size);
        Label2->setFont(labelFont);
        if (Label2->sizeHint().width() <= Label2->width())
            break;
    }
}

void TBaloonForm::FormShow() {
    const QString path = BalloonPicturePath();
    DecodedPicture decoded = DecodePicture(path);
    picture_ = decoded.image;
    Image1->setPixmap(QPixmap::fromImage(picture_));
    Image1->resize(picture_.size());
    if (!decoded.ok()) {
        // Nothing to decorate: say so and close without saving anything. Deferred until the
        // window is up, so that the message box has a parent to stand over and the modal loop
        // that showed this window is the one that ends.
        resultSize_ = QSize();
        PaintBox2->clear();
        SpeedButton1->setEnabled(false);
        QMetaObject::invokeMethod(
            this, [this, path] { ReportUndecodablePicture(path); }, Qt::QueuedConnection);
        return;
    }
    SpeedButton1->setEnabled(true);
    DrawComposition();
    Timer1->start();
}

void TBaloonForm::ReportUndecodablePicture(const QString& path) {
    ShowError(GetText(234).arg(Isolated(path)), this);
    reject();
}

void TBaloonForm::Timer1Timer() {
    Timer1->stop();
    DrawComposition();
}

void TBaloonForm::Memo1Change() {
    DrawComposition();
}

void TBaloonForm::SpeedButton2Click() {
    reject();
}

void TBaloonForm::SpeedButton1Click() {
    if (picture_.isNull() || !SpeedButton1->isEnabled())
        return;
    const BalloonComposition result =
        ComposeBalloon(MemoLines(), picture_, BalloonTextFont(), StandardBalloonPieces());
    resultSize_ = result.resultSize;
    const QString path = ResultFilePath();
    if (result.image.isNull()) {
        ShowError(GetText(235).arg(Isolated(path)), this);
        return;
    }
    QDir().mkpath(UserCatalogueFolder());
    QString saved = path;
    if (!WriteJpegFile(result.image, path, kJpegQuality, nullptr)) {
        // A data folder that takes nothing (read-only, full) keeps its previous balloon whole;
        // the new one is only handed on, so the private runtime folder serves, as for the pages.
        const QString runtime = RuntimeFolder();
        saved = runtime.isEmpty() ? QString() : runtime + QStringLiteral("Glimmora-balloon.jpg");
        if (saved.isEmpty() || !WriteJpegFile(result.image, saved, kJpegQuality, nullptr)) {
            // The balloon stays open with its text, so the user can try again once there is room.
            ShowError(GetText(236).arg(Isolated(path)), this);
            return;
        }
    }
    // The insertion processes events while it waits; a second click must not start another.
    SpeedButton1->setEnabled(false);
    InsertPicture(CurrentDesktop(), saved, [](const QString& message) { ShowError(message); });
    SpeedButton1->setEnabled(true);
    accept();
}

QStringList TBaloonForm::MemoLines() const {
    QStringList lines;
    QTextDocument* document = Memo1->document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* textLayout = block.layout();
        const int count = textLayout ? textLayout->lineCount() : 0;
        if (count <= 1) {
            lines << text;
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const QTextLine line = textLayout->lineAt(i);
            QString part = text.mid(line.textStart(), line.textLength());
            // The blank or line separator where a line breaks is not shown, so it does not
            // widen the balloon.
            if (i + 1 < count) {
                while (!part.isEmpty() && (part.back().isSpace()))
                    part.chop(1);
            }
            lines << part;
        }
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TBaloonForm::DrawComposition() {
    if (picture_.isNull())
        return;
    const BalloonComposition preview = ComposeBalloon(MemoLines(), picture_, BalloonTextFont(),
                                                      StandardBalloonPieces(), kPreviewSize);
    resultSize_ = preview.resultSize;
    PaintBox2->setPixmap(QPixmap::fromImage(preview.image));
}
