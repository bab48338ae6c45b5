#pragma once
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>

class QToolButton;
class QWidget;

// Artwork from the program's resources (":/<name>"), scaled to `size` for the screen's device
// pixels (from the drawing twice as large where there is one); a neutral tile when the picture is
// missing so that a window never shows a hole.
QPixmap LoadArtwork(const QString& name, const QSize& size);

// The picture's shape in one colour.
QPixmap Tinted(const QPixmap& picture, const QColor& colour);

// The dark look's pane header, drawn: a rounded band in the dark pane's blues.
QPixmap DarkHeaderArtwork(const QSize& size, qreal pixelRatio);

// A flat tool button with a glyph and a blue, underlined caption and the hand cursor.
QToolButton* MakeLinkButton(QWidget* parent, const QString& caption, const QString& glyph,
                            Qt::ToolButtonStyle style);

// A flat button that shows only a picture, with the hand cursor; tinted while hovered or focused,
// so that keyboard users see where they are.
QToolButton* MakePictureButton(QWidget* parent, const QRect& rect, const QString& artwork);

// The least width, up to `designWidth`, in which a link button's caption fits on two lines under
// its glyph.
int LeastLinkButtonWidth(const QToolButton* button, int designWidth);

// Mode buttons are flat while their mode is off and raised while it is on.
void SetModeLook(QToolButton* button, bool on);

// All screens together.
QRect VirtualDesktop();
