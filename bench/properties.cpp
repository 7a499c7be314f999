// What the properties dialog costs on large pictures: its two steps (the picture: size and
// thumbnail; then the colour count, the picture decoded whole) against the library's own
// colour count alone, on the same files, with the two counts compared. A report, not a test: the
// figures vary with the machine.
//
//   tarvo-bench-properties [FILE...]
//
// Without files it makes two 20-megapixel pictures in a temporary folder: an 8-bit JPEG and
// a 16-bit PNG whose samples 8 bits would not hold. Exit status 1 when a file cannot be read
// or the counts differ.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <Magick++.h>

#include <cstdio>

#include "imageproperties.h"
#include "workerprocess.h"

namespace {

QString makePicture(const QTemporaryDir &dir, const char *name, int depth)
{
    Magick::Image image(Magick::Geometry(5472, 3648), Magick::Color("white"));
    image.read("gradient:#2040c0-#e0a030");
    image.addNoise(MagickLib::GaussianNoise);
    image.depth(depth);
    const QString path = dir.filePath(QString::fromLatin1(name));
    image.write(QFile::encodeName(path).toStdString());
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Magick::InitializeMagick(nullptr);
    QStringList files = app.arguments().mid(1);
    QTemporaryDir dir;
    if (files.isEmpty()) {
        if (!dir.isValid()) {
            std::fprintf(stderr, "%s\n", qPrintable(dir.errorString()));
            return 1;
        }
        std::printf("making two 20-megapixel pictures...\n");
        files << makePicture(dir, "photo.jpg", 8) << makePicture(dir, "deep.png", 16);
    }

    int status = 0;
    std::printf(
        "%-40s %12s %10s %10s %14s\n", "file", "colours", "read ms", "count ms", "library ms");
    for (const QString &path : files) {
        QElapsedTimer timer;
        timer.start();
        const ImageProperties picture = WorkerProcess::readProperties(path, QSize(350, 200));
        const qint64 readTime = timer.elapsed();
        timer.restart();
        const ImageProperties properties
            = picture.status == ImageProperties::Read ? WorkerProcess::readColours(path) : picture;
        const qint64 countTime = timer.elapsed();
        if (properties.status != ImageProperties::Read) {
            std::printf(
                "%-40s cannot be read: %s\n", qPrintable(path), qPrintable(properties.error));
            status = 1;
            continue;
        }
        try {
            Magick::Image image(QFile::encodeName(path).toStdString());
            timer.restart();
            const qint64 libraryColours = qint64(image.totalColors());
            const qint64 libraryTime = timer.elapsed();
            std::printf("%-40s %12lld %10lld %10lld %14lld%s\n", qPrintable(path),
                static_cast<long long>(properties.colours), static_cast<long long>(readTime),
                static_cast<long long>(countTime), static_cast<long long>(libraryTime),
                libraryColours == properties.colours ? "" : "  counts differ");
            if (libraryColours != properties.colours)
                status = 1;
        } catch (Magick::Exception &e) {
            std::printf("%-40s the library cannot read it: %s\n", qPrintable(path), e.what());
        }
    }
    return status;
}
