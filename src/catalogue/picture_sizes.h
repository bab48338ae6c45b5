#pragma once
#include <QSize>
#include <QString>

// The size at which the browser shows a picture file: its header's width and height, turned as
// its orientation tag says. Invalid when the header cannot be read. Remembered per file while its
// length and modification time stay the same, so a category shown again costs a status call per
// picture instead of a header read.
QSize PictureDisplaySize(const QString& path);

// Forgets every remembered size (a first visit of every category again).
void ForgetPictureDisplaySizes();
