// What the information panel says of the picture on show: the file's MP
// index (from the engine), the picture's MP attributes, its Exif basics (read
// with Exiv2) and its colour profile, as sections of labelled values.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct InfoRow {
    QString label;
    QString value;
};

struct InfoSection {
    QString title;
    QList<InfoRow> rows;
};

// Picture `number` of the file at `path`, whose JPEG bytes are `picture`.
QList<InfoSection> pictureInformation(const QString &path, const QByteArray &picture, int number);
