#ifndef PICTUREFACTS_H
#define PICTUREFACTS_H

#include <QDate>
#include <QSize>

// What a picture's bytes tell beside its pixels, for naming its output.
struct PictureFacts
{
    // Upright, as every converted copy will be; read by a worker, the size its settings write
    // (after their resize step).
    QSize size;
    QDate taken; // the EXIF date the photo was taken; invalid when there is none
};

#endif // PICTUREFACTS_H
