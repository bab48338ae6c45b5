#pragma once
#include <QList>
#include <QRect>

// A tool button as the window was drawn: its place and width, and the least width in which its
// caption still fits (wrapped onto two lines under the glyph).
struct ToolButtonDesign {
    int x = 0;
    int width = 0;
    int minimumWidth = 0;
};

// Places the tool bar's buttons, in their order, in `available` pixels, each `rowHeight` high.
// Where the design fits it stands as drawn; narrower, the gaps close from the right, then every
// button gives up width down to its least, and only then do the buttons go onto further rows. No
// button ever lies beyond `available` unless it alone is wider.
QList<QRect> LayOutToolButtons(const QList<ToolButtonDesign>& buttons, int available,
                               int rowHeight);
