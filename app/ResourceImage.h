#pragma once

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QString>

// Reads an image in the format its file name ends with. QImage(path) first asks every
// image-format plugin whether it can read the file, loading all of them (and their libraries)
// before it tries the formats built into Qt; naming the format skips that. A file whose content
// does not match its suffix is still read, by detection.
inline QImage ReadResourceImage(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        image = QImage(path);
    return image;
}
