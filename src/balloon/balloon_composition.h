#pragma once
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The balloon smiley: a picture with a speech balloon above it that holds a few lines of text.
// The balloon is assembled from six small bitmaps laid side by side and overlapping; its size
// follows the number of lines and the character count of the longest line. Everything here works
// on images only and needs no screen.

// The six pieces of the balloon outline.
struct BalloonPieces {
    QImage leftBorder;  // i_inks, 2 x 12
    QImage topLeft;     // i_obenlinks, 20 x 3
    QImage topRight;    // i_obenrechts, 12 x 4: top border with the top-right corner
    QImage rightBorder; // i_rechts, 4 x 12
    QImage tail;        // i_untenlinks, 20 x 12: bottom-left with the balloon's tail
    QImage bottomRight; // i_untenrechts, 12 x 4: bottom border with the bottom-right corner
};

// The pieces that ship with the program (from the resources).
const BalloonPieces& StandardBalloonPieces();

// The font the balloon text is written in: the bundled sans serif, bold, 11 pixels high.
QFont BalloonTextFont();

// R(k x 2.95): k x 295 / 100 rounded to the nearest integer, an exact half to the even neighbour.
// Computed in integers so that no floating-point error can move a piece by a pixel.
int ScaledCharacterStep(int k);

// The numbers that place every piece.
struct BalloonGeometry {
    int lineCount = 0;   // n
    int longestLine = 0; // index of L (the first of equally long lines; 0 when there are none)
    int chars = 1;       // c: characters of L, plus 1
    int textWidth = 0;   // tw: width of L in the text font
    int x0 = 0;          // picture width - 10: where the balloon starts
    int bodyWidth = 0;   // R((2c - 1) x 2.95) + 11
    int bottomY = 0;     // yB = 16n + 5: where the bottom pieces and the tail stand
    int textX = 0;       // left edge shared by all lines
    int pictureY = 0;    // 16n + 15
    QSize resultSize;    // (x0 + bodyW + 3) x (16n + 15 + picture height)
};

BalloonGeometry MeasureBalloon(const QStringList& lines, QSize pictureSize, const QFont& font);

struct BalloonComposition {
    QImage image;     // the canvas: the result, or the requested canvas size
    QSize resultSize; // the size of the picture that the composition makes
    BalloonGeometry geometry;
};

// Draws the composition onto a white canvas. With an empty `canvasSize` the canvas is exactly the
// result size (what is saved); otherwise it has the given size and shows the part of the drawing
// that falls inside (the preview). The image is null when the canvas could not be allocated.
BalloonComposition ComposeBalloon(const QStringList& lines, const QImage& picture,
                                  const QFont& font, const BalloonPieces& pieces,
                                  QSize canvasSize = QSize());
