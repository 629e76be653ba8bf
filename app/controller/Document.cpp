#include "controller/Document.h"

void Document::showPictures(int count, int current)
{
    kind_ = Kind::Pictures;
    held_.clear();
    count_ = count;
    current_ = current;
    takesNumbers_ = true;
    emit changed();
}

void Document::showSinglePicture()
{
    kind_ = Kind::SinglePicture;
    held_.clear();
    count_ = current_ = 1;
    takesNumbers_ = false;
    emit changed();
}

void Document::showSideBySide(const QList<QByteArray> &pictures)
{
    kind_ = Kind::SideBySide;
    held_ = pictures;
    count_ = int(pictures.size());
    current_ = 1;
    takesNumbers_ = true;
    emit changed();
}

void Document::setCurrent(int number)
{
    current_ = number;
    emit changed();
}

void Document::setCount(int count)
{
    count_ = count;
    emit changed();
}

void Document::loadFailed()
{
    takesNumbers_ = false;
    emit changed();
}
