#include "controller/Document.h"

void Document::showPictures(int count, int current)
{
    kind_ = Kind::Pictures;
    count_ = count;
    current_ = current;
    takesNumbers_ = true;
    emit changed();
}

void Document::showSinglePicture()
{
    kind_ = Kind::SinglePicture;
    count_ = current_ = 1;
    takesNumbers_ = false;
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
