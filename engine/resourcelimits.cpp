#include "resourcelimits.h"

#include <Magick++.h>

#include <string>
#include <unistd.h>

namespace ResourceLimits {

namespace {

quint64 physicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return quint64(4) << 30; // a modest machine, when the system will not say
    return quint64(pages) * quint64(pageSize);
}

// Red, green, blue and opacity at 16 bits each: the library's pixel at this quantum depth.
constexpr quint64 bytesPerPixel = 8;

} // namespace

quint64 maxPixels()
{
    return physicalMemory() / 4 / bytesPerPixel / 2;
}

void apply()
{
    // The library counts memory in bytes, whatever its enumeration's comments say.
    const qint64 quarter = qint64(physicalMemory() / 4);
    MagickLib::SetMagickResourceLimit(MagickLib::PixelsResource, qint64(maxPixels()));
    MagickLib::SetMagickResourceLimit(MagickLib::MemoryResource, quarter);
    MagickLib::SetMagickResourceLimit(MagickLib::MapResource, quarter);
    // A pixel cache spilled to disk would fill the disk slowly instead of failing fast.
    MagickLib::SetMagickResourceLimit(MagickLib::DiskResource, 0);
}

void checkImageSize(quint64 width, quint64 height)
{
    if (width == 0 || height == 0 || width * height <= maxPixels())
        return;
    throw Magick::ErrorResourceLimit(std::to_string(width) + "x" + std::to_string(height)
        + " pixels is more than this " + "machine can convert (at most "
        + std::to_string(maxPixels() / 1000000) + " million pixels)");
}

} // namespace ResourceLimits
