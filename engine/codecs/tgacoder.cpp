#include "tgacoder.h"

#include <Magick++.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "magickpixels.h"
#include "resourcelimits.h"

namespace {

constexpr int kHeaderSize = 18;
constexpr int kGreyRaw = 3;
constexpr int kGreyRunLength = 11;
// Each decoded pixel is a grey byte and an alpha byte; a header asking for more than this is
// broken or hostile, not a picture anyone scanned.
constexpr std::uint64_t kMaxOutputBytes = std::uint64_t(1) << 31;
// The densest a run-length body can be: one header byte and one pixel standing for 128 pixels.
constexpr std::uint64_t kMaxPixelsPerPacket = 128;
constexpr std::uint64_t kSmallestPacket = 3;

[[noreturn]] void fail(const std::string &message)
{
    throw Magick::ErrorCorruptImage("TGA: " + message);
}

unsigned readLittle16(const QByteArray &bytes, int offset)
{
    return unsigned(std::uint8_t(bytes.at(offset)))
        | (unsigned(std::uint8_t(bytes.at(offset + 1))) << 8);
}

struct Header
{
    int idLength = 0;
    int colourMapType = 0;
    int imageType = 0;
    unsigned colourMapLength = 0;
    int colourMapEntryBits = 0;
    unsigned width = 0;
    unsigned height = 0;
    int pixelBits = 0;
    int descriptor = 0;

    int alphaBits() const
    {
        return descriptor & 0x0f;
    }
    bool rightToLeft() const
    {
        return descriptor & 0x10;
    }
    bool topDown() const
    {
        return descriptor & 0x20;
    }
    // A grey image has no use for a palette, but a writer may still have stored one; it only
    // has to be stepped over.
    std::uint64_t colourMapBytes() const
    {
        if (colourMapType != 1)
            return 0;
        return std::uint64_t(colourMapLength) * std::uint64_t((colourMapEntryBits + 7) / 8);
    }
    std::uint64_t bodyOffset() const
    {
        return std::uint64_t(kHeaderSize) + std::uint64_t(idLength) + colourMapBytes();
    }
};

// The fields of the fixed header, read without judging them.
bool readHeader(const QByteArray &bytes, Header *header)
{
    if (bytes.size() < kHeaderSize)
        return false;
    header->idLength = std::uint8_t(bytes.at(0));
    header->colourMapType = std::uint8_t(bytes.at(1));
    header->imageType = std::uint8_t(bytes.at(2));
    header->colourMapLength = readLittle16(bytes, 5);
    header->colourMapEntryBits = std::uint8_t(bytes.at(7));
    header->width = readLittle16(bytes, 12);
    header->height = readLittle16(bytes, 14);
    header->pixelBits = std::uint8_t(bytes.at(16));
    header->descriptor = std::uint8_t(bytes.at(17));
    return true;
}

bool isGreyAlpha(const Header &header)
{
    return (header.colourMapType == 0 || header.colourMapType == 1)
        && (header.imageType == kGreyRaw || header.imageType == kGreyRunLength)
        && header.pixelBits == 16 && header.alphaBits() == 8 && header.width > 0
        && header.height > 0;
}

// Pixels arrive in file order (grey, alpha); this places them in the top-left-first order the
// library reads, whichever corner the file starts from.
class PixelSink
{
public:
    PixelSink(const Header &header, std::vector<std::uint8_t> *pixels)
        : m_width(header.width)
        , m_height(header.height)
        , m_rightToLeft(header.rightToLeft())
        , m_topDown(header.topDown())
        , m_pixels(pixels)
    {
    }

    void put(std::uint8_t grey, std::uint8_t alpha)
    {
        const std::uint64_t row = m_written / m_width;
        const std::uint64_t column = m_written % m_width;
        const std::uint64_t y = m_topDown ? row : m_height - 1 - row;
        const std::uint64_t x = m_rightToLeft ? m_width - 1 - column : column;
        const std::size_t at = std::size_t((y * m_width + x) * 2);
        (*m_pixels)[at] = grey;
        (*m_pixels)[at + 1] = alpha;
        ++m_written;
    }

private:
    const std::uint64_t m_width;
    const std::uint64_t m_height;
    const bool m_rightToLeft;
    const bool m_topDown;
    std::vector<std::uint8_t> *m_pixels;
    std::uint64_t m_written = 0;
};

void decodeRaw(
    const QByteArray &bytes, std::uint64_t offset, std::uint64_t pixelCount, PixelSink &sink)
{
    const std::uint64_t available = std::uint64_t(bytes.size()) - offset;
    if (available < pixelCount * 2)
        fail("the file ends before the last pixel (" + std::to_string(pixelCount * 2)
            + " bytes of pixels expected, " + std::to_string(available) + " present)");
    const char *data = bytes.constData() + offset;
    for (std::uint64_t i = 0; i < pixelCount; ++i)
        sink.put(std::uint8_t(data[2 * i]), std::uint8_t(data[2 * i + 1]));
}

// Packets may run from one scan line into the next, so the body is read as one stream of pixels
// and only the sink knows about rows.
void decodeRunLength(
    const QByteArray &bytes, std::uint64_t offset, std::uint64_t pixelCount, PixelSink &sink)
{
    const std::uint64_t end = std::uint64_t(bytes.size());
    const char *data = bytes.constData();
    std::uint64_t position = offset;
    std::uint64_t done = 0;
    while (done < pixelCount) {
        if (position >= end)
            fail("the file ends after " + std::to_string(done) + " of " + std::to_string(pixelCount)
                + " pixels");
        const std::uint8_t packet = std::uint8_t(data[position++]);
        const std::uint64_t count = (packet & 0x7f) + 1;
        if (count > pixelCount - done)
            fail("a packet of " + std::to_string(count) + " pixels runs past the end of the image");
        const bool run = packet & 0x80;
        const std::uint64_t needed = run ? 2 : count * 2;
        if (end - position < needed)
            fail("the file ends inside a packet after " + std::to_string(done) + " of "
                + std::to_string(pixelCount) + " pixels");
        if (run) {
            const std::uint8_t grey = std::uint8_t(data[position]);
            const std::uint8_t alpha = std::uint8_t(data[position + 1]);
            for (std::uint64_t i = 0; i < count; ++i)
                sink.put(grey, alpha);
        } else {
            for (std::uint64_t i = 0; i < count; ++i)
                sink.put(
                    std::uint8_t(data[position + 2 * i]), std::uint8_t(data[position + 2 * i + 1]));
        }
        position += needed;
        done += count;
    }
}

} // namespace

namespace TgaCoder {

bool isGreyAlphaTarga(const QByteArray &bytes)
{
    Header header;
    return readHeader(bytes, &header) && isGreyAlpha(header);
}

Magick::Image decode(const QByteArray &bytes)
{
    Header header;
    if (!readHeader(bytes, &header))
        fail("the header is cut short (" + std::to_string(bytes.size()) + " bytes)");
    if (!isGreyAlpha(header))
        fail("not a grey image with an 8-bit alpha channel (image type "
            + std::to_string(header.imageType) + ", " + std::to_string(header.pixelBits)
            + " bits a pixel, " + std::to_string(header.alphaBits()) + " alpha bits, "
            + std::to_string(header.width) + "x" + std::to_string(header.height) + ")");

    const std::uint64_t offset = header.bodyOffset();
    if (offset > std::uint64_t(bytes.size()))
        fail("the file ends inside the image id or colour map");

    const std::uint64_t pixelCount = std::uint64_t(header.width) * header.height;
    if (pixelCount * 2 > kMaxOutputBytes)
        fail("the image is too large (" + std::to_string(header.width) + "x"
            + std::to_string(header.height) + ")");
    // Checked before allocating, so a huge header over a few bytes of body costs nothing.
    const std::uint64_t available = std::uint64_t(bytes.size()) - offset;
    const std::uint64_t smallestBody = header.imageType == kGreyRaw
        ? pixelCount * 2
        : (pixelCount + kMaxPixelsPerPacket - 1) / kMaxPixelsPerPacket * kSmallestPacket;
    if (available < smallestBody)
        fail("the file is too short for a " + std::to_string(header.width) + "x"
            + std::to_string(header.height) + " image (" + std::to_string(available)
            + " bytes of pixels, at least " + std::to_string(smallestBody) + " needed)");
    // Two bytes a pixel of our own, then the library's image made from them.
    ResourceLimits::checkImageSize(header.width, header.height, 2 + ResourceLimits::pixelBytes);

    // The cap above still allows two gigabytes, which a small machine may not have; callers
    // only expect the library's exceptions.
    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(std::size_t(pixelCount * 2));
    } catch (const std::bad_alloc &) {
        throw Magick::ErrorResourceLimit("TGA: not enough memory for a "
            + std::to_string(header.width) + "x" + std::to_string(header.height) + " image");
    }
    PixelSink sink(header, &pixels);
    if (header.imageType == kGreyRaw)
        decodeRaw(bytes, offset, pixelCount, sink);
    else
        decodeRunLength(bytes, offset, pixelCount, sink);

    Magick::Image image
        = imageFromPixels(header.width, header.height, "IA", Magick::CharPixel, pixels.data());
    image.matte(true);
    image.depth(8);
    image.type(Magick::GrayscaleMatteType);
    return image;
}

} // namespace TgaCoder
