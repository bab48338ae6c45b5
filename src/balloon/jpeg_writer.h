#pragma once
#include <QImage>
#include <QString>

// Saves `image` as a baseline (not progressive) colour JPEG file: three components, RGB in, at
// the given quality. The file is written whole or not at all: a failure leaves an older file of
// that name as it was. On failure returns false and says why in `error`.
bool WriteJpegFile(const QImage& image, const QString& path, int quality, QString* error);
