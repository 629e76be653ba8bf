// Real JPEG pictures, encoded by Qt, for MPO files that the viewer decodes.
#pragma once

#include <QImage>

#include "mpo_builder.h"

// A small synthetic scene as seen from viewpoint `number` (1, 2, ...): the
// objects shift between viewpoints like a stereo pair, and the number shows.
QImage scenePicture(int number, QSize size);

Bytes jpegOf(const QImage &picture, int quality = 90);

// `count` pictures, picture n being (56 + 8n) x 48 pixels so a test can tell
// which one is shown; picture `representative` (from 1; 0 for none) is
// flagged as the representative picture.
MPOBuilder jpegMPO(int count, int representative = 1);
