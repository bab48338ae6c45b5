#pragma once
#include "integration/window_look.h"

#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// Small helpers shared by the secondary windows and the splash window, so that all of them keep
// one look: white windows, blue underlined "link" buttons, glyphs from the dialogs' resources.

// The path of a file in the dialogs' resources (":/dialogs/<name>").
QString DialogResource(const QString& name);
// A picture from the dialogs' resources; a null pixmap when it is missing.
QPixmap DialogPicture(const QString& name);

// A label showing a picture of the dialogs' resources at the given place.
QLabel* MakePicture(QWidget* parent, const QString& name, const QRect& geometry);

// Sets up a fixed-size white dialog window: object name, caption, client size, and a title bar
// with the close box or without any box.
void SetUpDialog(QWidget* window, const QString& name, const QString& caption, bool closeBox,
                 const QSize& clientSize);

// A push button with a glyph; `glyphRight` puts the glyph after the text.
QPushButton* MakeGlyphButton(QWidget* parent, const QString& text, const QString& glyph,
                             const QRect& geometry, bool glyphRight);

// What the window manager's frame adds to a window's size. Measured once the window has a frame;
// until then asked of the window manager, and without an answer a common frame (4-pixel borders,
// 24-pixel title bar) is assumed.
QSize FrameExtra(QWidget* window);
// Resizes a window so that its outer size, frame included, is `outer`.
void SetOuterSize(QWidget* window, const QSize& outer);

// Moves a top-level window to the centre of the screen it is on (the primary one when unknown).
void CentreOnScreen(QWidget* window);

// A label (text, picture or animation) that reports a left click released over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
