#ifndef PICTUREFACTS_H
#define PICTUREFACTS_H

#include <QDate>
#include <QSize>

// What a picture's bytes tell beside its pixels, for naming its output.
struct PictureFacts
{
    QSize size; // upright, as every converted copy will be
    QDate taken; // the EXIF date the photo was taken; invalid when there is none
};

#endif // PICTUREFACTS_H
