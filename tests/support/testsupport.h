#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QByteArray>
#include <QSemaphore>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <string>

namespace Magick {
class Image;
}

namespace TestSupport {

// Records every message (and passes it on to the previous handler), so a test can assert
// the engine's debug lines and catch "QObject::connect: No such slot" lines.
void installMessageRecorder();
QStringList recordedMessages();
void clearRecordedMessages();
// Messages that betray a misspelt string-based connection.
QStringList connectionWarnings();

QByteArray readFile(const QString &path);

// Calls pause in a converting thread when the n-th output since this call (counting from 1)
// is about to be written, its picture encoded; the conversion waits until pause returns. Lets
// a test act at a known point of a run instead of guessing how far a sleep lets it get. An
// empty pause removes the hook.
void pauseWhenSaving(int n, std::function<void()> pause);
// Holds the converting thread inside its first file, in an event loop of its own that the
// engine's quit() ends: what happens to a run closed or destroyed mid-file. saving is released
// once the thread is held. Undo with pauseWhenSaving(0, nullptr).
void holdInsideFirstFile(QSemaphore &saving);

// A valid PNG whose header claims width x height over a few bytes of pixels: it costs
// nothing to store and would cost gigabytes to decode.
QByteArray oversizedPng(quint32 width, quint32 height);
// The same for a small JPEG, baseline or progressive, whose frame header is made to claim
// width x height (each at most 65535).
QByteArray oversizedJpeg(quint16 width, quint16 height, bool progressive);
// The JPEG with its frame header made to claim width x height; the data stays as it was.
QByteArray jpegClaiming(QByteArray jpeg, quint16 width, quint16 height);

// A minimal uncompressed RGB Photoshop file: channels 3 or 4 (alpha last), depth 8 or 16,
// planes given sample by sample in channel order, big-endian for 16 bits.
QByteArray photoshopFile(
    int width, int height, int channels, int depth, const QVector<quint16> &samples);
bool writeFile(const QString &path, const QByteArray &bytes);

// The EXIF block of a camera that held the phone upright: orientation 6 (right, top), stored
// as a SHORT (type 3), as most cameras do, or as a SLONG (type 9), as some do. For
// Magick::Image::profile("EXIF", ...).
std::string exifWithOrientation(unsigned char orientation, unsigned char type = 3);

// The EXIF block of a camera that took the photo at taken ("YYYY:MM:DD HH:MM:SS", in the EXIF
// directory, as DateTimeOriginal) held as orientation says.
std::string exifTaken(const char *taken, unsigned char orientation = 1);

// An uncompressed BMP of 24 bits a pixel, or 32 with the fourth byte 0 (or junk), with a
// header of 40 bytes or of 124 (version 5, alpha mask set, as image editors write them every
// day). Pixel (x, y) is bmpPixel(x, y). With calibrated, the version 5 header holds red,
// green and blue end points that no writer of chromaticities accepts.
QByteArray bmpFile(
    int width, int height, int bits, int headerSize, bool calibrated = false, bool junk = false);
QRgb bmpPixel(int x, int y);

// A 129-byte Radiance HDR file whose run-length markers make Qt's plug-in copy gigabytes past
// its line buffer: a decoder crash, made to order.
QByteArray crashingHdr();

// A real ICC profile made by Little CMS for the colour space named as in a profile's header:
// "RGB " (Adobe RGB primaries, gamma 2.2), "GRAY" (gamma 2.2) or "Lab ".
QByteArray iccProfile(const QByteArray &colourSpace);
// The ICC profile an image carries, empty when it has none.
QByteArray iccProfileOf(const Magick::Image &image);

} // namespace TestSupport

#endif // TESTSUPPORT_H
