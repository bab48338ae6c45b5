#include "balloon/balloon_composition.h"

#include "platform/qt_resources.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cstdint>

// Outside any namespace: the macro declares the resource initialiser by its global name.
static void LoadBalloonResources() {
    GLIMMORA_INIT_RESOURCE_ONCE(balloon);
}

namespace {

// Text of any length stays within the range where the geometry fits an int.
constexpr int kMaxCount = 100'000'000;

// A canvas beyond these could not be saved as a JPEG (its sides are limited to 65500) and would
// only exhaust memory.
constexpr int kMaxSide = 65500;
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

const QColor kTextColour(128, 128, 128);

QImage LoadPiece(const char* name) {
    LoadBalloonResources();
    QImage piece(QStringLiteral(":/balloon/pieces/") + QLatin1String(name) +
                 QStringLiteral(".png"));
    // Drawn opaque: no colour of a piece is transparent.
    return piece.convertToFormat(QImage::Format_RGB32);
}

// Characters as the user sees them counted: a character outside the basic plane is one, not two.
int CharacterCount(const QString& line) {
    int count = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (!(line.at(i).isLowSurrogate() && i > 0 && line.at(i - 1).isHighSurrogate()))
            ++count;
    }
    return std::min(count, kMaxCount);
}

} // namespace

const BalloonPieces& StandardBalloonPieces() {
    static const BalloonPieces pieces{LoadPiece("i_inks"),       LoadPiece("i_obenlinks"),
                                      LoadPiece("i_obenrechts"), LoadPiece("i_rechts"),
                                      LoadPiece("i_untenlinks"), LoadPiece("i_untenrechts")};
    return pieces;
}

QFont BalloonTextFont() {
    static const QString family = [] {
        LoadBalloonResources();
        int id = QFontDatabase::addApplicationFont(QStringLiteral(":/balloon/DejaVuSans-Bold.ttf"));
        QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first();
    }();
    QFont font(family);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

int ScaledCharacterStep(int k) {
    const std::int64_t exact = std::int64_t(k) * 295; // hundredths
    std::int64_t whole = exact / 100;
    const std::int64_t rest = exact % 100;
    if (rest > 50 || (rest == 50 && whole % 2 != 0))
        ++whole;
    return int(whole);
}

BalloonGeometry MeasureBalloon(const QStringList& lines, QSize pictureSize, const QFont& font) {
    BalloonGeometry g;
    g.lineCount = int(std::min<qsizetype>(lines.size(), kMaxCount));
    int longestCount = 0;
    for (int i = 0; i < g.lineCount; ++i) {
        const int count = CharacterCount(lines.at(i));
        if (i == 0 || count > longestCount) {
            longestCount = count;
            g.longestLine = i;
        }
    }
    g.chars = longestCount + 1;
    g.textWidth =
        g.lineCount > 0 ? QFontMetrics(font).horizontalAdvance(lines.at(g.longestLine)) : 0;
    g.x0 = pictureSize.width() - 10;
    g.bodyWidth = ScaledCharacterStep(2 * g.chars - 1) + 11;
    g.bottomY = 16 * g.lineCount + 5;
    g.textX = g.x0 + (g.bodyWidth + 3 - g.textWidth) / 2;
    g.pictureY = 16 * g.lineCount + 15;
    g.resultSize = QSize(g.x0 + g.bodyWidth + 3, g.pictureY + pictureSize.height());
    return g;
}

BalloonComposition ComposeBalloon(const QStringList& lines, const QImage& picture,
                                  const QFont& font, const BalloonPieces& pieces,
                                  QSize canvasSize) {
    BalloonComposition out;
    out.geometry = MeasureBalloon(lines, picture.size(), font);
    out.resultSize = out.geometry.resultSize;
    const BalloonGeometry& g = out.geometry;

    const QSize size = canvasSize.isEmpty() ? g.resultSize : canvasSize;
    if (size.width() <= 0 || size.height() <= 0 || size.width() > kMaxSide ||
        size.height() > kMaxSide || std::int64_t(size.width()) * size.height() > kMaxPixels)
        return out;
    QImage canvas(size, QImage::Format_RGB32);
    if (canvas.isNull())
        return out;

    // Later pieces paint over earlier ones; the order makes the outline.
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    const QRect bounds(QPoint(0, 0), size);
    // Pieces that fall wholly outside the canvas change nothing; skipping them keeps a long text
    // from costing a draw call per character.
    auto put = [&](int x, int y, const QImage& piece) {
        if (bounds.intersects(QRect(QPoint(x, y), piece.size())))
            painter.drawImage(x, y, piece);
    };
    const int n = g.lineCount;
    const int c = g.chars;

    put(g.x0, 0, pieces.topLeft);
    // The left border pieces stand ten pixels apart, those of the right border eight.
    for (int i = 0; i < 2 * n && 10 * i + 3 < size.height(); ++i)
        put(g.x0, 10 * i + 3, pieces.leftBorder);
    put(g.x0, g.bottomY, pieces.tail);
    // Top and bottom: 5.9 pixels of balloon per character, so copies overlap and leave a
    // two-pixel outline; the last copy leaves the rounded corner with its shadow.
    for (int i = 0; i < 2 * c; ++i) {
        const int x = g.x0 + 3 + ScaledCharacterStep(i);
        if (x >= size.width())
            break;
        put(x, 0, pieces.topRight);
        put(x, g.bottomY, pieces.bottomRight);
    }
    for (int i = 0; i < 2 * n && 8 * i + 3 < size.height(); ++i)
        put(g.x0 + g.bodyWidth, 8 * i + 3, pieces.rightBorder);
    // Again, over the first top pieces.
    put(g.x0, 0, pieces.topLeft);

    // Every line from the same left edge, so the longest is centred; each on an opaque white
    // cell. The lines advance 14 pixels while the balloon grows 16 per line.
    painter.setFont(font);
    painter.setPen(kTextColour);
    const QFontMetrics metrics(font);
    const int cellHeight = metrics.ascent() + metrics.descent();
    for (int k = 0; k < n && 14 * k + 4 < size.height(); ++k) {
        const QString& line = lines.at(k);
        if (line.isEmpty() || g.textX >= size.width())
            continue;
        const int y = 14 * k + 4;
        painter.fillRect(QRect(g.textX, y, metrics.horizontalAdvance(line), cellHeight), Qt::white);
        painter.drawText(g.textX, y + metrics.ascent(), line);
    }

    // The picture below the balloon; its transparent parts show what lies beneath.
    painter.drawImage(0, g.pictureY, picture);
    painter.end();
    out.image = std::move(canvas);
    return out;
}
