// A drop target that records the path list of each drop it is sent.
#pragma once

#include <QObject>

#include "ZorImageView.h"

class DropRecorder : public QObject {
    Q_OBJECT
public slots:
    void dropped(ZorImageView *view) { lists << view->dropedFileName(); }

public:
    QList<QStringList> lists;
};
