#include "imagedecoder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScopeGuard>
#include <QString>

#include <Magick++.h>

#include <exception>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "diagnostics.h"
#include "inputformats.h"
#include "jp2coder.h"
#include "jpegcheck.h"
#include "magickpixels.h"
#include "metadata.h"
#include "qtimagebridge.h"
#include "resourcelimits.h"
#include "tgacoder.h"

namespace {

// Skips a run of GIF data sub-blocks at pos; false when the data ends before the terminator.
bool skipSubBlocks(const QByteArray &bytes, int &pos)
{
    while (pos < bytes.size()) {
        const int length = quint8(bytes.at(pos++));
        if (length == 0)
            return true;
        pos += length;
    }
    return false;
}

int colourTableSize(quint8 flags)
{
    return (flags & 0x80) ? 3 * (1 << ((flags & 7) + 1)) : 0;
}

// Some readers, the library's and Qt's alike, decode a file cut short without a word and fill
// in what is missing, which would make a partial picture look like a converted one. These
// walks tell, for the formats the pickers offer that such readers handle, whether the data
// reaches the end of the (first) picture. A header they do not understand is left alone.

bool gifEndsEarly(const QByteArray &bytes)
{
    if (!bytes.startsWith("GIF8") || bytes.size() < 13)
        return false;
    int pos = 13 + colourTableSize(quint8(bytes.at(10)));
    while (pos < bytes.size()) {
        const char block = bytes.at(pos);
        if (block == 0x21) { // extension: label, then sub-blocks
            pos += 2;
            if (!skipSubBlocks(bytes, pos))
                return true;
        } else if (block == 0x2c) { // image descriptor, colour table, code size, sub-blocks
            pos += 10;
            if (pos > bytes.size())
                return true;
            pos += colourTableSize(quint8(bytes.at(pos - 1))) + 1;
            return !skipSubBlocks(bytes, pos);
        } else {
            return false;
        }
    }
    return true;
}

quint32 littleEndian(const QByteArray &bytes, int pos, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(pos + i));
    return value;
}

bool bmpEndsEarly(const QByteArray &bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 26)
        return bytes.startsWith("BM");
    const quint64 pixelsAt = littleEndian(bytes, 10, 4);
    const quint32 headerSize = littleEndian(bytes, 14, 4);
    quint64 width = 0;
    quint64 height = 0;
    quint32 bits = 0;
    quint32 compression = 0;
    quint64 storedSize = 0;
    if (headerSize == 12) {
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
        bits = littleEndian(bytes, 24, 2);
    } else if (headerSize >= 40 && bytes.size() >= 38) {
        width = quint64(qAbs(qint32(littleEndian(bytes, 18, 4))));
        height = quint64(qAbs(qint32(littleEndian(bytes, 22, 4))));
        bits = littleEndian(bytes, 28, 2);
        compression = littleEndian(bytes, 30, 4);
        storedSize = littleEndian(bytes, 34, 4);
    } else {
        return false;
    }
    // Run-length data has no fixed size; its stored size is the best the header says.
    const bool runLength = compression == 1 || compression == 2;
    const quint64 pixelBytes = runLength ? storedSize : (bits * width + 31) / 32 * 4 * height;
    return quint64(bytes.size()) < pixelsAt + pixelBytes;
}

bool tgaEndsEarly(const QByteArray &bytes)
{
    if (bytes.size() < 18)
        return true;
    const quint8 imageType = quint8(bytes.at(2));
    const quint64 width = littleEndian(bytes, 12, 2);
    const quint64 height = littleEndian(bytes, 14, 2);
    const quint64 pixelSize = (quint8(bytes.at(16)) + 7) / 8;
    quint64 pos = 18 + quint8(bytes.at(0));
    if (bytes.at(1) == 1)
        pos += littleEndian(bytes, 5, 2) * ((quint8(bytes.at(7)) + 7) / 8);
    const quint64 pixels = width * height;
    if (imageType < 8) // uncompressed
        return quint64(bytes.size()) < pos + pixels * pixelSize;
    for (quint64 done = 0; done < pixels;) {
        if (pos >= quint64(bytes.size()))
            return true;
        const quint8 packet = quint8(bytes.at(int(pos++)));
        const quint64 count = (packet & 0x7f) + 1;
        pos += (packet & 0x80) ? pixelSize : count * pixelSize;
        done += count;
    }
    return quint64(bytes.size()) < pos;
}

quint32 bigEndian16(const QByteArray &bytes, int pos)
{
    return (quint32(quint8(bytes.at(pos))) << 8) | quint8(bytes.at(pos + 1));
}

// A chunk that runs past the end of the file: the library only says "Read Exception".
bool pngEndsEarly(const QByteArray &bytes)
{
    qint64 pos = 8;
    while (pos + 8 <= bytes.size()) {
        const quint64 length
            = (quint64(bigEndian16(bytes, int(pos))) << 16) | bigEndian16(bytes, int(pos) + 2);
        if (bytes.mid(int(pos) + 4, 4) == "IEND")
            return false;
        pos += 12 + qint64(length);
    }
    return pos != bytes.size();
}

// The orientation tag (1 to 8) of the first image directory of an EXIF segment's body, 0 when
// there is none.
int exifOrientation(const QByteArray &bytes, int pos, int length)
{
    if (length < 14 || bytes.mid(pos, 6) != QByteArray("Exif\0\0", 6))
        return 0;
    const int base = pos + 6;
    const int end = pos + length;
    const bool little = bytes.mid(base, 2) == "II";
    if (!little && bytes.mid(base, 2) != "MM")
        return 0;
    const auto read = [&](qint64 at, int size) {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value |= quint32(quint8(bytes.at(int(at) + i))) << (8 * (little ? i : size - 1 - i));
        return value;
    };
    const qint64 directory = base + qint64(read(base + 4, 4));
    if (directory + 2 > end)
        return 0;
    const quint32 entries = read(directory, 2);
    for (quint32 i = 0; i < entries; ++i) {
        const qint64 entry = directory + 2 + 12 * qint64(i);
        if (entry + 12 > end)
            return 0;
        if (read(entry, 2) != 0x0112)
            continue;
        const quint32 type = read(entry + 2, 2);
        const quint32 value = (type == 4 || type == 9) ? read(entry + 8, 4) : read(entry + 8, 2);
        return value >= 1 && value <= 8 ? int(value) : 0;
    }
    return 0;
}

// The picture size from a JPEG's frame header, walking the marker segments before it, and the
// EXIF orientation met on the way (0 when there is none). The library's ping cannot be used
// on JPEGs: for a progressive file it decodes every scan, which costs most of a full read.
// False when the header does not tell. *exif: the EXIF segment's body, when asked for.
bool jpegSize(const QByteArray &bytes, quint32 *width, quint32 *height, int *orientation = nullptr,
    QByteArray *exif = nullptr)
{
    if (!bytes.startsWith("\xff\xd8"))
        return false;
    int pos = 2;
    while (pos + 1 < bytes.size()) {
        if (quint8(bytes.at(pos)) != 0xff)
            return false;
        const quint8 marker = quint8(bytes.at(pos + 1));
        pos += 2;
        if (marker == 0xff) { // fill byte
            --pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) // no segment
            continue;
        if (marker == 0xd9 || marker == 0xda || pos + 2 > bytes.size())
            return false; // end of image or scan data before any frame header
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8
            && marker != 0xcc;
        if (frame) {
            if (pos + 7 > bytes.size())
                return false;
            *height = bigEndian16(bytes, pos + 3);
            *width = bigEndian16(bytes, pos + 5);
            // A height of 0 is given later in the data, which only the decoder finds.
            return *height > 0 && *width > 0;
        }
        const quint32 length = bigEndian16(bytes, pos);
        if (length < 2 || length > quint32(bytes.size() - pos))
            return false;
        if (marker == 0xe1 && orientation && *orientation == 0)
            *orientation = exifOrientation(bytes, pos + 2, int(length) - 2);
        if (marker == 0xe1 && exif && exif->isEmpty()
            && bytes.mid(pos + 2, 6) == QByteArray("Exif\0\0", 6))
            *exif = bytes.mid(pos + 2, int(length) - 2);
        pos += int(length);
    }
    return false;
}

// The picture size from a PNG's header chunk. The library's ping would refuse a size past its
// pixel limit with a message that names no size.
bool pngSize(const QByteArray &bytes, quint32 *width, quint32 *height)
{
    if (!bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.size() < 24 || bytes.mid(12, 4) != "IHDR")
        return false;
    *width = (bigEndian16(bytes, 16) << 16) | bigEndian16(bytes, 18);
    *height = (bigEndian16(bytes, 20) << 16) | bigEndian16(bytes, 22);
    return *width > 0 && *height > 0;
}

// Reads the bytes with the named coder of the library and no other. Left to itself the library
// picks a coder from the content and hands PostScript, PDF or a "format:" name to programs of
// its own choosing; a name it is given this way it takes as final. Only the first frame is read:
// a conversion keeps no other. size asks a JPEG reader for a smaller picture ("WxH"); ping
// reads the header alone.
// Frames first..first+count-1 of the bytes as the library's list (nullptr for none), with what
// it said in *exception.
MagickLib::Image *readFrames(const Magick::Blob &blob, const char *coder, unsigned first,
    unsigned count, const std::string &size, bool ping, MagickLib::ExceptionInfo *exception)
{
    using namespace MagickLib;
    ImageInfo *info = CloneImageInfo(nullptr);
    FormatString(info->filename, "%.32s:", coder);
    if (!size.empty())
        CloneString(&info->size, size.c_str());
    info->subimage = first;
    info->subrange = count;
    info->ping = ping ? MagickTrue : MagickFalse;
    MagickLib::Image *read = BlobToImage(info, blob.data(), blob.length(), exception);
    DestroyImageInfo(info);
    return read;
}

void readWithCoder(Magick::Image &image, const Magick::Blob &blob, const char *coder,
    const std::string &size = std::string(), bool ping = false)
{
    using namespace MagickLib;
    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    MagickLib::Image *read = readFrames(blob, coder, 0, 1, size, ping, &exception);
    if (read && read->next) {
        // Unlinked first: the library destroys a list from its first image.
        MagickLib::Image *rest = read->next;
        read->next = nullptr;
        rest->previous = nullptr;
        DestroyImageList(rest);
    }
    if (read)
        image.replaceImage(read);
    const auto release = qScopeGuard([&exception] { DestroyExceptionInfo(&exception); });
    // As Magick++'s own read: a warning is thrown with the image already in place.
    Magick::throwException(exception);
    if (!read)
        throw Magick::ErrorCorruptImage(std::string("the ") + coder + " reader gave no picture");
}

// Reads the bytes with the named Qt plug-in and no other, or throws with its reason.
Magick::Image readWithPlugin(const QByteArray &bytes, const InputFormats::Format &format,
    const char *plugin, QStringList *said)
{
    QString error;
    const QImage image = QtImageBridge::read(bytes, plugin, &error, said);
    if (image.isNull())
        throw Magick::ErrorCorruptImage(
            std::string("cannot read this ") + format.name + ": " + error.toStdString());
    return QtImageBridge::toMagick(image);
}

// The header alone tells the size: refuse what cannot be held before decoding it. A JPEG the
// caller lets shrink is asked of the library at that scale, and only that much is held; *size
// then names the scaled size for the read.
void refuseOversized(const Magick::Blob &blob, const QByteArray &bytes, const char *coder,
    const ImageDecoder::ScaleChoice &chooseScale, std::string *size)
{
    quint32 width = 0;
    quint32 height = 0;
    int orientation = 0;
    if (jpegSize(bytes, &width, &height, &orientation)) {
        // Orientations 5 to 8 turn the picture a quarter: its upright width is the stored height.
        const bool turned = orientation >= 5;
        const unsigned scale
            = chooseScale ? chooseScale(turned ? height : width, turned ? width : height) : 1;
        if (scale == 2 || scale == 4 || scale == 8) {
            // The library picks the smallest scale of libjpeg's whose picture is at least this
            // size; rounded down, that is exactly 1/scale, which rounds up.
            *size = std::to_string(width / scale) + "x" + std::to_string(height / scale);
            width = (width + scale - 1) / scale;
            height = (height + scale - 1) / scale;
        }
        ResourceLimits::checkImageSize(width, height);
        return;
    }
    if (pngSize(bytes, &width, &height)) {
        ResourceLimits::checkImageSize(width, height);
        return;
    }
    try {
        Magick::Image probe;
        readWithCoder(probe, blob, coder, std::string(), true);
        ResourceLimits::checkImageSize(probe.columns(), probe.rows());
    } catch (Magick::ErrorResourceLimit &) {
        throw;
    } catch (Magick::Exception &) {
        // Whatever the header's problem, the full read reports it or decodes anyway.
    }
}

[[noreturn]] void throwDamaged(const QByteArray &format, const std::string &what)
{
    throw ImageDecoder::DamagedPicture("damaged " + format.toStdString() + ": " + what);
}

// Throws when the reader that decoded the bytes (named by its format) may have filled in a
// picture that the data does not reach the end of. A JPEG is decoded once more only when its
// reader warned (suspect), since only then can its picture be partial.
void checkComplete(const QByteArray &bytes, const QByteArray &format, bool suspect)
{
    const QByteArray name = format.toUpper();
    const bool cut = (name == "GIF" && gifEndsEarly(bytes))
        || (name == "PNG" && pngEndsEarly(bytes)) || (name == "BMP" && bmpEndsEarly(bytes))
        || (name == "TGA" && tgaEndsEarly(bytes));
    if (cut)
        throwDamaged(name, "the data ends before the picture does");
    if (suspect && (name == "JPEG" || name == "JPG")) {
        const JpegCheck::Result check = JpegCheck::check(bytes);
        if (check.damage == JpegCheck::CutShort)
            throwDamaged("JPEG", "the data ends before the picture does");
        if (check.damage == JpegCheck::Corrupt)
            throwDamaged(
                "JPEG", "the picture data is corrupt (" + check.reason.toStdString() + ")");
    }
}

bool everyPixelTransparent(const Magick::Image &image)
{
    const unsigned int columns = image.columns();
    for (unsigned int y = 0; y < image.rows(); ++y) {
        const Magick::PixelPacket *row = image.getConstPixels(0, int(y), columns, 1);
        if (!row)
            return false;
        for (unsigned int x = 0; x < columns; ++x) {
            if (row[x].opacity != TransparentOpacity)
                return false;
        }
    }
    return true;
}

// The library gives a BMP an opacity channel its pixels cannot carry. With a version 4 or 5
// header whose alpha mask is set it does so even for 24-bit pixels, and never fills the
// channel: flattening would then blend with whatever the memory held. A 32-bit BMP without an
// alpha mask (a version 3 header, bit fields of red, green and blue only) leaves its fourth
// byte unused, and many programs leave junk or zeros there that the library reads as
// transparency. Only 32-bit pixels and 16-bit bit fields with a mask for alpha carry it, and
// one whose pixels are all fully transparent holds an opaque picture, not an invisible one.
void dropUnfilledOpacity(Magick::Image &image, const QByteArray &bytes)
{
    if (!image.matte() || !bytes.startsWith("BM") || bytes.size() < 34)
        return;
    const quint32 headerSize = littleEndian(bytes, 14, 4);
    const quint32 bits = littleEndian(bytes, 28, 2);
    const quint32 compression = littleEndian(bytes, 30, 4);
    const bool bitFields = compression == 3 || compression == 6;
    // The alpha mask follows the colour masks: in the header from 56 bytes on, or after a
    // 40-byte header for "alpha bit fields".
    const bool alphaMask = (headerSize >= 56 || (headerSize == 40 && compression == 6))
        && bytes.size() >= 14 + 56 && littleEndian(bytes, 14 + 52, 4) != 0;
    const bool carriesAlpha = alphaMask && (bits == 32 || (bits == 16 && bitFields));
    if (!carriesAlpha || everyPixelTransparent(image))
        image.matte(false);
}

// A view on the blob's bytes: the file is held in memory once, however it is decoded.
QByteArray viewOf(const Magick::Blob &blob)
{
    return QByteArray::fromRawData(static_cast<const char *>(blob.data()), int(blob.length()));
}

// The format the bytes say they are, or a throw with why they are none we read.
const InputFormats::Format &readableFormat(const QByteArray &bytes)
{
    const InputFormats::Verdict verdict
        = InputFormats::identify(bytes.left(InputFormats::headBytes));
    if (!verdict.format)
        throw Magick::ErrorMissingDelegate(verdict.refusal);
    return *verdict.format;
}

} // namespace

namespace ImageDecoder {

ReadResult readFile(const QString &path, Magick::Blob &blob, Reason *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return ReadResult::Missing;
        *error = Reason::system(errno);
        return ReadResult::Unreadable;
    }
    const ReadResult result = readDescriptor(fd, blob, error);
    ::close(fd);
    return result;
}

ReadResult readDescriptor(int fd, Magick::Blob &blob, Reason *error)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        *error = Reason::system(S_ISDIR(info.st_mode) ? EISDIR : errno);
        return ReadResult::Unreadable;
    }
    // A pipe tells no size: it is read to its end, up to what a file may hold.
    const bool sized = S_ISREG(info.st_mode);
    if (!ResourceLimits::fitsInMemory(quint64(info.st_size), error))
        return ReadResult::TooLarge;
    size_t capacity = sized ? size_t(qMax<qint64>(info.st_size, 1)) : size_t(1) << 16;
    std::unique_ptr<char[]> buffer(new char[capacity]);
    size_t length = 0;
    for (;;) {
        if (length == capacity) {
            if (sized)
                break; // grown since fstat: what was there when the read began is the file
            if (!ResourceLimits::fitsInMemory(quint64(capacity) * 2, error))
                return ReadResult::TooLarge;
            std::unique_ptr<char[]> larger(new char[capacity * 2]);
            std::memcpy(larger.get(), buffer.get(), length);
            buffer = std::move(larger);
            capacity *= 2;
        }
        const ssize_t read = ::read(fd, buffer.get() + length, capacity - length);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            *error = Reason::system(errno);
            return ReadResult::Unreadable;
        }
        if (read == 0)
            break;
        length += size_t(read);
    }
    if (sized && qint64(length) != info.st_size) {
        *error = Reason::ours(
            Reason::EndsEarly, QT_TRANSLATE_NOOP("Reason", "the file was cut short"));
        return ReadResult::Unreadable;
    }
    blob.updateNoCopy(buffer.release(), length, Magick::Blob::NewAllocator);
    return ReadResult::Read;
}

Magick::Image decode(
    const Magick::Blob &blob, QStringList *warnings, const ScaleChoice &chooseScale)
{
    const QByteArray bytes = viewOf(blob);
    const InputFormats::Format &format = readableFormat(bytes);
    QStringList said;
    switch (format.decoder) {
    case InputFormats::Decoder::Jpeg2000:
        return Jp2Coder::decode(bytes);
    case InputFormats::Decoder::Plugin: {
        // The library rejects these and Qt's plug-in misreads them, so neither may see them.
        if (qstrcmp(format.coder, "tga") == 0 && TgaCoder::isGreyAlphaTarga(bytes))
            return TgaCoder::decode(bytes);
        // A file cut short is refused before the plug-in allocates the picture its header
        // promises, which may be far larger than the file.
        checkComplete(bytes, format.coder, false);
        Magick::Image image = readWithPlugin(bytes, format, format.coder, &said);
        if (warnings)
            *warnings += said;
        return image;
    }
    case InputFormats::Decoder::Library:
        break;
    }

    Magick::Image image;
    std::string size;
    refuseOversized(blob, bytes, format.coder, chooseScale, &size);
    try {
        readWithCoder(image, blob, format.coder, size);
    } catch (Magick::Warning &warning) {
        // The picture is decoded and the reader had something to say about the file. That
        // alone fails nothing; whether the picture is whole is decided from the data below.
        said.append(Diagnostics::libraryReason(warning.what()));
    } catch (Magick::Error &error) {
        // Only a reader that failed outright is second-guessed, and a file cut short is not
        // handed on to a plug-in.
        checkComplete(bytes, format.coder, true);
        if (!format.fallback)
            throw;
        const std::exception_ptr libraryError = std::current_exception();
        try {
            image = readWithPlugin(bytes, format, format.fallback, &said);
        } catch (Magick::Exception &) {
            // Where the library knows no such variant of the format, the plug-in that does
            // has the better reason; otherwise the library's, which the user relies on.
            const bool unknownToLibrary = dynamic_cast<Magick::ErrorBlob *>(&error)
                || dynamic_cast<Magick::ErrorMissingDelegate *>(&error);
            if (unknownToLibrary)
                throw;
            std::rethrow_exception(libraryError);
        }
        if (warnings)
            *warnings += said;
        return image;
    }
    checkComplete(bytes, format.coder, !said.isEmpty());
    dropUnfilledOpacity(image, bytes);
    if (warnings)
        *warnings += said;
    return image;
}

quint64 headerPixels(const Magick::Blob &blob)
{
    const QByteArray bytes = viewOf(blob);
    quint32 width = 0;
    quint32 height = 0;
    if (jpegSize(bytes, &width, &height) || pngSize(bytes, &width, &height))
        return quint64(width) * height;
    // A GIF's logical screen, which every frame lies within.
    if ((bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) && bytes.size() >= 10)
        return quint64(quint8(bytes[6]) | quint8(bytes[7]) << 8)
            * quint64(quint8(bytes[8]) | quint8(bytes[9]) << 8);
    return 0;
}

PictureFacts facts(const Magick::Blob &blob)
{
    const QByteArray bytes = viewOf(blob);
    const InputFormats::Format &format = readableFormat(bytes);
    PictureFacts facts;
    quint32 width = 0;
    quint32 height = 0;
    int orientation = 0;
    QByteArray exif;
    // Orientations 5 to 8 turn the picture a quarter: its upright width is the stored height.
    if (format.decoder == InputFormats::Decoder::Library
        && jpegSize(bytes, &width, &height, &orientation, &exif)) {
        facts.size
            = orientation >= 5 ? QSize(int(height), int(width)) : QSize(int(width), int(height));
        facts.taken = Metadata::exifDateTaken(exif);
        return facts;
    }
    Magick::Image image;
    if (format.decoder == InputFormats::Decoder::Library) {
        try {
            readWithCoder(image, blob, format.coder, std::string(), true);
        } catch (Magick::Warning &) {
            // The header was read.
        } catch (Magick::Exception &) {
            image = Magick::Image();
        }
    }
    // A reader of our own or a plug-in reads no header alone: the picture itself tells.
    if (!image.isValid() || image.columns() == 0 || image.rows() == 0)
        image = decode(blob);
    const bool turned = image.orientation() >= Magick::LeftTopOrientation;
    facts.size = turned ? QSize(int(image.rows()), int(image.columns()))
                        : QSize(int(image.columns()), int(image.rows()));
    // A TIFF file is the structure an EXIF block is made of.
    if (qstricmp(format.coder, "tiff") == 0) {
        facts.taken = Metadata::exifDateTaken(bytes);
    } else {
        facts.taken = Metadata::exifDateTaken(profileOf(image, "EXIF"));
    }
    return facts;
}

void holdMemoryFor(const Magick::Blob &blob)
{
    const QByteArray bytes = viewOf(blob);
    std::string size;
    refuseOversized(blob, bytes, readableFormat(bytes).coder, ScaleChoice(), &size);
}

unsigned frameCount(const Magick::Blob &blob, unsigned most, quint64 *pixels, bool *animation)
{
    const InputFormats::Verdict verdict
        = InputFormats::identify(viewOf(blob).left(InputFormats::headBytes));
    if (!verdict.format || !verdict.format->frames)
        return 1;
    if (animation)
        *animation = verdict.format->animated;
    if (verdict.format->countFrames) {
        quint64 counted = 0;
        const unsigned count = verdict.format->countFrames(viewOf(blob), &counted);
        if (pixels)
            *pixels += counted;
        return qMin(count, most);
    }
    // The headers alone: no pixels are decoded.
    MagickLib::ExceptionInfo exception;
    MagickLib::GetExceptionInfo(&exception);
    MagickLib::Image *list
        = readFrames(blob, verdict.format->coder, 0, most, std::string(), true, &exception);
    MagickLib::DestroyExceptionInfo(&exception);
    const unsigned count = list ? unsigned(MagickLib::GetImageListLength(list)) : 1;
    for (const MagickLib::Image *frame = list; frame && pixels; frame = frame->next)
        *pixels += quint64(frame->columns) * frame->rows;
    if (list)
        MagickLib::DestroyImageList(list);
    return qMax(count, 1u);
}

std::vector<Magick::Image> decodeFrames(const Magick::Blob &blob, unsigned count)
{
    const InputFormats::Format &format = readableFormat(viewOf(blob));
    if (!format.frames)
        throw Magick::ErrorCorruptImage("this format holds one picture");
    if (format.readFrames)
        return format.readFrames(viewOf(blob), count);
    MagickLib::ExceptionInfo exception;
    MagickLib::GetExceptionInfo(&exception);
    MagickLib::Image *list
        = readFrames(blob, format.coder, 0, count, std::string(), false, &exception);
    const auto release = qScopeGuard([&exception] { MagickLib::DestroyExceptionInfo(&exception); });
    if (!list)
        Magick::throwException(exception);
    if (!list)
        throw Magick::ErrorCorruptImage("the reader gave no picture");
    // An animation's later frames may cover part of the picture only: each is drawn over the
    // ones before it, as a viewer shows it, so that every frame can be resized and flattened
    // alone. Pages stay as they are.
    if (format.animated && list->next) {
        MagickLib::Image *whole = MagickLib::CoalesceImages(list, &exception);
        MagickLib::DestroyImageList(list);
        list = whole;
        if (!list)
            Magick::throwException(exception);
    }
    std::vector<Magick::Image> frames;
    while (list) {
        MagickLib::Image *next = list->next;
        list->next = nullptr;
        if (next)
            next->previous = nullptr;
        frames.emplace_back(list);
        list = next;
    }
    return frames;
}

} // namespace ImageDecoder
