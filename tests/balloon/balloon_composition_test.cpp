// The balloon composition: the shipped pieces, the numbers that place them, and where they land
// on the composed image.
#include "balloon/balloon_composition.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr QRgb W = 0xFFFFFF, G = 0xF4F2F2, g = 0xF3F1F1, B = 0xB6C5DC, b = 0xA8B9D5, e = 0xFEFEFE;

QRgb ColourOf(char letter) {
    switch (letter) {
    case 'W':
        return W;
    case 'G':
        return G;
    case 'g':
        return g;
    case 'B':
        return B;
    case 'b':
        return b;
    case 'e':
        return e;
    }
    ADD_FAILURE() << "no colour letter " << letter;
    return 0;
}

std::vector<std::string> Repeat(const std::string& row, int count) {
    return std::vector<std::string>(size_t(count), row);
}

const std::vector<std::string> kLeftBorder = Repeat("GG", 12);
const std::vector<std::string> kRightBorder = Repeat("ggBB", 12);
const std::vector<std::string> kTopLeft = {"WWWGGGGGGGGGGGGGGGGG", "WWGGGGGGGGGGGGGGGGGG",
                                           "WGeeWWWWWWWWWWWWWWWW"};
const std::vector<std::string> kTopRight = {"GGGGGGGGBWWW", "GGGGGGGGGBWW", "WWWWWWWWGGBW",
                                            "WWWWWWWWGGBB"};
const std::vector<std::string> kBottomRight = {"ggggggggGBBB", "ggggggggBBBW", "BBBBBBBBBBWW",
                                               "BBBBBBBBBWWW"};
const std::vector<std::string> kTail = {
    "BGGGgggggWWWWWWWWWWg", "WBGGggggggWWWWWWWWgg", "WWBBBBBBBGGGWWWWggGB", "WWWBBBBBBBGGWWWWggBB",
    "WWWWWWWWWWggWWggGbWW", "WWWWWWWWWWggWWggbWWW", "WWWWWWWWWWGGGGGBWWWW", "WWWWWWWWWWGGGGBWWWWW",
    "WWWWWWWWWWGGGBWWWWWW", "WWWWWWWWWWGGBWWWWWWW", "WWWWWWWWWWGBWWWWWWWW", "WWWWWWWWWWBWWWWWWWWW"};

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Compares the rows [firstRow, lastRow) and columns [firstColumn, lastColumn) of a table piece
// with the image at (x, y).
void ExpectPieceAt(const QImage& image, const std::vector<std::string>& rows, int x, int y,
                   int firstRow, int lastRow, int firstColumn, int lastColumn, const char* what) {
    for (int r = firstRow; r < lastRow; ++r)
        for (int c = firstColumn; c < lastColumn; ++c)
            ASSERT_EQ(At(image, x + c, y + r), ColourOf(rows[size_t(r)][size_t(c)]))
                << what << " row " << r << " column " << c << " at " << x + c << "," << y + r;
}

void ExpectWholePieceAt(const QImage& image, const std::vector<std::string>& rows, int x, int y,
                        const char* what) {
    ExpectPieceAt(image, rows, x, y, 0, int(rows.size()), 0, int(rows[0].size()), what);
}

QImage Solid(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Pieces in flat colours of their own, each with a marker pixel at its top-left corner, so that
// the place of every copy shows on the composed image even where copies overlap.
constexpr QRgb kMarker = 0xFF00FF;
QImage MarkerPiece(QSize size, QRgb fill) {
    QImage piece(size, QImage::Format_RGB32);
    piece.fill(fill);
    piece.setPixel(0, 0, 0xFF000000 | kMarker);
    return piece;
}
constexpr QRgb kTopLeftFill = 0x102030, kLeftFill = 0x203040, kTopRightFill = 0x304050,
               kRightFill = 0x405060, kTailFill = 0x506070, kBottomFill = 0x607080;
BalloonPieces MarkerPieces() {
    return {MarkerPiece({2, 12}, kLeftFill),     MarkerPiece({20, 3}, kTopLeftFill),
            MarkerPiece({12, 4}, kTopRightFill), MarkerPiece({4, 12}, kRightFill),
            MarkerPiece({20, 12}, kTailFill),    MarkerPiece({12, 4}, kBottomFill)};
}

std::set<int> MarkersInRow(const QImage& image, int y) {
    std::set<int> xs;
    for (int x = 0; x < image.width(); ++x)
        if (At(image, x, y) == kMarker)
            xs.insert(x);
    return xs;
}

std::set<int> MarkersInColumn(const QImage& image, int x) {
    std::set<int> ys;
    for (int y = 0; y < image.height(); ++y)
        if (At(image, x, y) == kMarker)
            ys.insert(y);
    return ys;
}

// The text is grey on white; its anti-aliased edges are lighter greys.
bool IsText(QRgb pixel) {
    const int r = qRed(pixel), gr = qGreen(pixel), bl = qBlue(pixel);
    return r == gr && gr == bl && r < 0xF0;
}

// Columns [first, last] that hold text pixels within rows [top, bottom).
std::pair<int, int> TextColumns(const QImage& image, int top, int bottom) {
    int first = image.width(), last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsText(At(image, x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(BalloonPieces, ShippedPiecesMatchTheirPixelTable) {
    const BalloonPieces& pieces = StandardBalloonPieces();
    const std::pair<const QImage*, const std::vector<std::string>*> all[] = {
        {&pieces.leftBorder, &kLeftBorder},
        {&pieces.topLeft, &kTopLeft},
        {&pieces.topRight, &kTopRight},
        {&pieces.rightBorder, &kRightBorder},
        {&pieces.tail, &kTail},
        {&pieces.bottomRight, &kBottomRight}};
    for (const auto& [image, rows] : all) {
        ASSERT_EQ(image->height(), int(rows->size()));
        ASSERT_EQ(image->width(), int((*rows)[0].size()));
        EXPECT_FALSE(image->hasAlphaChannel());
        ExpectWholePieceAt(*image, *rows, 0, 0, "piece");
    }
}

TEST(BalloonGeometry, CharacterStepRoundsHalvesToTheEvenNeighbour) {
    const std::pair<int, int> cases[] = {{0, 0},   {1, 3},   {2, 6},    {9, 27},   {10, 30},
                                         {17, 50}, {30, 88}, {50, 148}, {70, 206}, {90, 266}};
    for (auto [k, expected] : cases)
        EXPECT_EQ(ScaledCharacterStep(k), expected) << "k = " << k;
}

TEST(BalloonComposition, DesignTextOnOnePicture) {
    const QImage picture = Solid(40, 30, Qt::red);
    const BalloonComposition result = ComposeBalloon({QStringLiteral("Cool :-)")}, picture,
                                                     BalloonTextFont(), StandardBalloonPieces());
    const BalloonGeometry& geo = result.geometry;
    EXPECT_EQ(geo.chars, 9);
    EXPECT_EQ(geo.bodyWidth, 61);
    EXPECT_EQ(geo.bottomY, 21);
    EXPECT_EQ(result.resultSize, QSize(40 + 54, 31 + 30));
    const QImage& image = result.image;
    ASSERT_EQ(image.size(), result.resultSize);
    const int x0 = 30;

    // The rounded top-right corner: the last of the eighteen top pieces, cut by the right edge.
    const int lastTop = x0 + 3 + ScaledCharacterStep(17);
    EXPECT_EQ(lastTop, x0 + 53);
    ExpectPieceAt(image, kTopRight, lastTop, 0, 0, 3, 0, image.width() - lastTop, "top corner");
    ExpectPieceAt(image, kBottomRight, lastTop, 21, 2, 4, 0, image.width() - lastTop,
                  "bottom corner");
    // The right border stands at x0 + bodyW; its shadow column falls outside the result.
    for (int y = 3; y < 21; ++y)
        ExpectPieceAt(image, kRightBorder, x0 + 61, y, 0, 1, 0, 3, "right border");
    ExpectWholePieceAt(image, kTopLeft, x0, 0, "top-left corner");
    // The tail, where neither the bottom pieces nor the picture cover it.
    ExpectPieceAt(image, kTail, x0, 21, 0, 4, 0, 3, "tail");
    ExpectPieceAt(image, kTail, x0, 21, 4, 10, 0, 20, "tail");
    // Left border, two pixels wide, down to the tail.
    for (int y = 3; y < 21; ++y)
        ExpectPieceAt(image, kLeftBorder, x0, y, 0, 1, 0, 2, "left border");
    // The picture, below the balloon at the left edge.
    for (int y = 31; y < 61; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(At(image, x, y), 0xFF0000u) << x << "," << y;
    EXPECT_EQ(At(image, 40, 45), W);
    EXPECT_EQ(At(image, 10, 10), W);

    // The text: grey, centred on its measured width, from y = 4.
    const int tw = QFontMetrics(BalloonTextFont()).horizontalAdvance(QStringLiteral("Cool :-)"));
    EXPECT_EQ(geo.textWidth, tw);
    EXPECT_EQ(geo.textX, x0 + (61 + 3 - tw) / 2);
    const auto [first, last] = TextColumns(image, 4, 21);
    EXPECT_GE(first, geo.textX);
    EXPECT_LE(first, geo.textX + 2);
    EXPECT_LT(last, geo.textX + tw);
    EXPECT_EQ(TextColumns(image, 0, 4).second, -1);
}

TEST(BalloonComposition, EveryPieceStandsWhereTheNumbersPutIt) {
    const QImage picture = Solid(40, 30, Qt::red);
    const int x0 = 30;

    // One line of eight characters: eighteen top and bottom pieces; the first six top ones lie
    // under the top-left corner, drawn again over them.
    const BalloonComposition cool =
        ComposeBalloon({QStringLiteral("Cool :-)")}, picture, BalloonTextFont(), MarkerPieces());
    std::set<int> top, bottom;
    for (int i = 0; i < 18; ++i) {
        const int x = x0 + 3 + ScaledCharacterStep(i);
        if (x >= x0 + 20)
            top.insert(x);
        bottom.insert(x);
    }
    top.insert(x0);    // the corner's own marker
    bottom.insert(x0); // the tail's
    EXPECT_EQ(MarkersInRow(cool.image, 0), top);
    EXPECT_TRUE(top.count(x0 + 33)) << "the eleventh top piece";
    EXPECT_EQ(At(cool.image, x0 + 19, 0), kTopLeftFill);
    EXPECT_EQ(MarkersInRow(cool.image, 21), bottom);

    // Two lines: L = "abcd", c = 5, bodyW = 38; left border every 10 pixels, right every 8.
    const BalloonComposition two = ComposeBalloon({QStringLiteral("ab"), QStringLiteral("abcd")},
                                                  picture, BalloonTextFont(), MarkerPieces());
    EXPECT_EQ(two.geometry.longestLine, 1);
    EXPECT_EQ(two.geometry.chars, 5);
    EXPECT_EQ(two.geometry.bodyWidth, 38);
    EXPECT_EQ(two.geometry.bottomY, 37);
    EXPECT_EQ(two.resultSize, QSize(x0 + 38 + 3, 16 * 2 + 15 + 30));
    EXPECT_EQ(MarkersInColumn(two.image, x0), (std::set<int>{0, 3, 13, 23, 33, 37}));
    EXPECT_EQ(MarkersInColumn(two.image, x0 + 38), (std::set<int>{3, 11, 19, 27}));
    EXPECT_EQ(At(two.image, x0 + 1, 36), kLeftFill);
    EXPECT_EQ(At(two.image, x0 + 1, 38), kTailFill);
    EXPECT_EQ(At(two.image, 0, 16 * 2 + 15), 0xFF0000u);
    EXPECT_EQ(At(two.image, 0, 16 * 2 + 14), W);
    // The lines advance 14 pixels; both start at the same x.
    const auto line0 = TextColumns(two.image, 4, 18);
    const auto line1 = TextColumns(two.image, 18, 32);
    EXPECT_EQ(line0.first, line1.first);
    EXPECT_LT(line0.second, line1.second);
}

TEST(BalloonComposition, EmptyTextGivesCornerTopBottomTailAndPicture) {
    const QImage picture = Solid(40, 30, Qt::red);
    const int x0 = 30;
    const BalloonComposition real =
        ComposeBalloon({}, picture, BalloonTextFont(), StandardBalloonPieces());
    EXPECT_EQ(real.geometry.lineCount, 0);
    EXPECT_EQ(real.geometry.chars, 1);
    EXPECT_EQ(real.geometry.bodyWidth, 14);
    EXPECT_EQ(real.geometry.bottomY, 5);
    ASSERT_EQ(real.image.size(), QSize(x0 + 17, 15 + 30));
    ExpectPieceAt(real.image, kTail, x0, 5, 4, 10, 0, 17, "tail");
    ExpectPieceAt(real.image, kTopLeft, x0, 0, 0, 3, 0, 17, "top-left corner");
    EXPECT_EQ(At(real.image, 0, 15), 0xFF0000u);
    EXPECT_EQ(At(real.image, 0, 14), W);
    EXPECT_EQ(TextColumns(real.image, 0, 15).second, -1);

    const BalloonComposition marked =
        ComposeBalloon({}, picture, BalloonTextFont(), MarkerPieces());
    EXPECT_EQ(MarkersInColumn(marked.image, x0), (std::set<int>{0, 5})); // corner, tail
    EXPECT_EQ(MarkersInRow(marked.image, 5), (std::set<int>{x0, x0 + 3, x0 + 6}));
    for (int y = 0; y < marked.image.height(); ++y)
        for (int x = 0; x < marked.image.width(); ++x) {
            ASSERT_NE(At(marked.image, x, y), kLeftFill);
            ASSERT_NE(At(marked.image, x, y), kRightFill);
        }
}

TEST(BalloonComposition, LongestLineIsTheFirstOfEquals) {
    const QImage picture = Solid(60, 10, Qt::red);
    const QFont font = BalloonTextFont();
    const QFontMetrics metrics(font);
    const QString narrow = QStringLiteral("iiii"), wide = QStringLiteral("WWWW");
    const BalloonComposition result =
        ComposeBalloon({narrow, wide}, picture, font, StandardBalloonPieces());
    EXPECT_EQ(result.geometry.longestLine, 0);
    EXPECT_EQ(result.geometry.textWidth, metrics.horizontalAdvance(narrow));
    // Both lines share the x centred on the first line's width, so the wide one starts there too.
    const int x0 = 50;
    EXPECT_EQ(result.geometry.textX,
              x0 + (result.geometry.bodyWidth + 3 - metrics.horizontalAdvance(narrow)) / 2);
    const auto wideColumns = TextColumns(result.image, 18, 32);
    EXPECT_GE(wideColumns.first, result.geometry.textX);
    EXPECT_LE(wideColumns.first, result.geometry.textX + 2);
}

TEST(BalloonComposition, WideTextMayStickOutOfTheBalloon) {
    const QImage picture = Solid(60, 10, Qt::red);
    const QString text(20, QLatin1Char('W'));
    const BalloonComposition result =
        ComposeBalloon({text}, picture, BalloonTextFont(), StandardBalloonPieces());
    const BalloonGeometry& geo = result.geometry;
    ASSERT_GT(geo.textWidth, geo.bodyWidth + 3);
    EXPECT_LT(geo.textX, geo.x0);
    EXPECT_LT(TextColumns(result.image, 4, 18).first, geo.x0);
    EXPECT_EQ(result.image.size(), geo.resultSize); // the width counts characters only
}

TEST(BalloonComposition, PreviewCanvasShowsThePartThatFits) {
    const QImage picture = Solid(40, 30, Qt::red);
    const QStringList lines = {QStringLiteral("Hello there"), QStringLiteral("a")};
    const BalloonComposition full =
        ComposeBalloon(lines, picture, BalloonTextFont(), StandardBalloonPieces());
    const BalloonComposition preview =
        ComposeBalloon(lines, picture, BalloonTextFont(), StandardBalloonPieces(), QSize(209, 153));
    ASSERT_EQ(preview.image.size(), QSize(209, 153));
    EXPECT_EQ(preview.resultSize, full.resultSize);
    for (int y = 0; y < full.image.height(); ++y)
        for (int x = 0; x < full.image.width(); ++x)
            ASSERT_EQ(preview.image.pixel(x, y), full.image.pixel(x, y)) << x << "," << y;
    // Outside the result the preview still shows the right border's shadow column.
    const int shadowX = full.geometry.x0 + full.geometry.bodyWidth + 3;
    EXPECT_EQ(At(preview.image, shadowX, 5), B);

    // A text far too long for a picture: the preview is still drawn, the full result is refused.
    const QStringList huge = {QString(200000, QLatin1Char('x'))};
    const BalloonComposition cut =
        ComposeBalloon(huge, picture, BalloonTextFont(), StandardBalloonPieces(), QSize(209, 153));
    EXPECT_EQ(cut.image.size(), QSize(209, 153));
    EXPECT_GT(cut.resultSize.width(), 65500);
    EXPECT_TRUE(
        ComposeBalloon(huge, picture, BalloonTextFont(), StandardBalloonPieces()).image.isNull());
}

TEST(BalloonComposition, TransparentPictureShowsTheBalloonBeneath) {
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const BalloonComposition result =
        ComposeBalloon({QStringLiteral("x")}, picture, BalloonTextFont(), StandardBalloonPieces());
    // The tail's tip reaches two rows into the picture's place.
    ExpectPieceAt(result.image, kTail, 30, 21, 10, 12, 0, 20, "tail tip");
    EXPECT_EQ(At(result.image, 5, 50), W);
}

} // namespace
