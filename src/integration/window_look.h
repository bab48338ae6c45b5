#pragma once

#include <QColor>

class QFont;
class QPixmap;
class QSize;
class QString;
class QWidget;

// The looks that windows of every folder share.

// Glimmora's own colours: the light look that its windows were drawn with, or the dark variant
// for desktops that prefer dark windows. The pictures themselves never change.
struct LookColours {
    QColor window;     // windows, frames and picture boxes (white)
    QColor text;       // plain text
    QColor link;       // link captions (blue)
    QColor caption;    // group captions (red)
    QColor pane;       // the main window's left pane
    QColor paneLabel;  // the pane's header labels
    QColor tree;       // the tree and the pane's button boxes
    QColor hover;      // the item under the mouse
    QColor toolBarTop; // the tool bar's gradient
    QColor toolBarBottom;
    QColor toolBarLine; // below the tool bar
    QColor field;       // the search field
    QColor fieldText;
    QColor fieldBorder;
};

// The setting "Appearance": as the desktop prefers, light or dark (its stored numbers).
enum class Appearance { System = 0, Light = 1, Dark = 2 };

// Chooses the look of the windows made from now on and of every page written; with System, the
// desktop's preference or, where it states none, the lightness of the palette Qt was given.
void UseAppearance(Appearance appearance);
bool DarkLook();
const LookColours& Look();

// A check box whose square stands out from its window in either look.
void MakeCheckBoxLook(QWidget* box);

// The picture of the program's resources at `resource` in `size` for a screen of `ratio` device
// pixels per pixel: on a scaled screen from the picture drawn twice as large beside it
// ("name@2x.png") where there is one, so that it stays sharp. Transparent when it is missing.
QPixmap ArtworkForScreen(const QString& resource, const QSize& size, qreal ratio);

// White background for a window or panel.
void MakeWhite(QWidget* widget);

// Text sizes are given as the windows were drawn: pixels at 96 dots per inch. They are set as
// points, so that texts follow the desktop's text scaling (its font DPI) as well as its scale.
void SetDesignTextSize(QFont& font, double designPixels);
void SetDesignTextSize(QWidget* widget, double designPixels);

// The link look of labels and flat buttons: blue, underlined font with a hand cursor;
// `designPixels` 0 keeps the current size.
void ApplyLinkStyle(QWidget* widget, int designPixels = 0);
