#pragma once
#include <QImage>
#include <QString>

// Decodes a picture file (GIF, PNG, JPEG and the other raster formats that the image readers
// know) into a bitmap. The format is recognised by the file's content, so pictures whose name
// does not tell their format (the catalogue's "*.gra" files, a JPEG named ".gif") load too.
// An animated picture gives its first frame. The name is looked up without regard to case.
struct DecodedPicture {
    QImage image;  // null when the file could not be decoded
    QString error; // why, in words for the user; empty on success

    bool ok() const { return !image.isNull(); }
};

DecodedPicture DecodePicture(const QString& path);
