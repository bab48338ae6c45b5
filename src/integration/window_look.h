#pragma once

class QWidget;

// The looks that windows of every folder share.

// White background for a window or panel.
void MakeWhite(QWidget* widget);

// The link look of labels and flat buttons: blue, underlined font with a hand cursor;
// `pixelSize` 0 keeps the current size.
void ApplyLinkStyle(QWidget* widget, int pixelSize = 0);
